#include "ui/scale.h"

#include <QFont>
#include <QFontMetrics>

namespace brimvale::ui {

Scale Scale::forFont(const QFont& font)
{
    return Scale(QFontMetrics(font).height());
}

int Scale::operator()(int value) const noexcept
{
    const long long product = static_cast<long long>(value) * textHeight_;
    const long long half = StoredTextHeight / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / StoredTextHeight);
}

QRect Scale::rect(int left, int top, int width, int height) const noexcept
{
    return {(*this)(left), (*this)(top), (*this)(width), (*this)(height)};
}

} // namespace brimvale::ui
