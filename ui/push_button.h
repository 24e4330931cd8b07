#pragma once

#include <QPushButton>

namespace brimvale::ui {

// A push button that is never a default button: Enter and Space press it
// only while it has the focus, in a dialog as anywhere else, and the arrow
// keys move the focus on to the next (Right, Down) or previous (Left, Up)
// control of the window's tab cycle.
class PushButton : public QPushButton {
    Q_OBJECT
public:
    PushButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace brimvale::ui
