#include "ui/text_codec.h"

#include "document/cp1251.h"

#include <QByteArray>

namespace brimvale::ui {

QString fromCp1251(std::string_view bytes)
{
    const std::string utf8 = cp1251::toUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toCp1251(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return cp1251::fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace brimvale::ui
