#include "ui/push_button.h"

#include <QKeyEvent>

namespace brimvale::ui {

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    // Qt makes every push button of a dialog auto-default, which would let
    // Enter in the dialog's edit field press a button.
    setAutoDefault(false);
    setDefault(false);
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            click();
            return;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            return;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            return;
        default:
            break;
        }
    }
    QPushButton::keyPressEvent(event);
}

} // namespace brimvale::ui
