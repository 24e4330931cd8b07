#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace brimvale::ui {

// Window texts are Unicode, lines are Windows-1251: these are the only two
// crossings, both through the program's one codec.
QString fromCp1251(std::string_view bytes);

// Throws EEncodingError naming the first character (U+XXXX) that
// Windows-1251 cannot hold.
std::string toCp1251(const QString& text);

} // namespace brimvale::ui
