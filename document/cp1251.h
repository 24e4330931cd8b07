#pragma once

#include <string>
#include <string_view>

// The one Windows-1251 codec of the program. Lines are kept, shown and
// written as Windows-1251 bytes; everything that comes from or goes to the
// outside world as Unicode (the template source, the window texts) passes
// through here.
namespace brimvale::cp1251 {

// UTF-8 to Windows-1251. Throws EEncodingError naming the first character
// (as U+XXXX) that has no Windows-1251 form, or the offset of the first
// malformed UTF-8 sequence.
std::string fromUtf8(std::string_view utf8);

// Windows-1251 to UTF-8. Total: every byte has a meaning. 0x98, which the
// code page leaves unassigned, maps to U+0098 as Windows itself does, so
// that any byte string survives the round trip.
std::string toUtf8(std::string_view cp1251);

// The Unicode code point that one Windows-1251 byte stands for.
char32_t toUnicode(unsigned char byte);

} // namespace brimvale::cp1251
