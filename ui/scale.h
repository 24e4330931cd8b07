#pragma once

#include <QRect>

class QFont;

namespace brimvale::ui {

// Window layouts are stored for a font whose text is 13 pixels high; on a
// screen or with a font where it is higher or lower, every position and size
// grows or shrinks by the same ratio, so the texts keep fitting.
class Scale {
public:
    static constexpr int StoredTextHeight = 13;

    explicit Scale(int textHeight) noexcept : textHeight_(textHeight) {}
    static Scale forFont(const QFont& font);

    int textHeight() const noexcept { return textHeight_; }

    // value * textHeight / 13, rounded to the nearest pixel, halves away
    // from zero.
    int operator()(int value) const noexcept;
    QRect rect(int left, int top, int width, int height) const noexcept;

private:
    int textHeight_;
};

} // namespace brimvale::ui
