#include "ui/radio_button.h"

#include <QKeyEvent>
#include <QList>

namespace brimvale::ui {

RadioButton::RadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
    // Every button of the group hears toggled(false) when another one is
    // checked, so each keeps its own tab stop right.
    connect(this, &QAbstractButton::toggled, this, &RadioButton::updateTabStop);
    updateTabStop();
}

void RadioButton::updateTabStop()
{
    // A click still gives an unchecked button the focus.
    setFocusPolicy(isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioButton::keyPressEvent(QKeyEvent* event)
{
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    int step = 0;
    if (modifiers == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            step = -1;
            break;
        default:
            break;
        }
    }
    if (step == 0 || !parentWidget()) {
        QRadioButton::keyPressEvent(event);
        return;
    }

    QList<RadioButton*> group;
    for (RadioButton* button : parentWidget()->findChildren<RadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->isEnabled() && !button->isHidden())
            group.append(button);
    }
    const qsizetype here = group.indexOf(this);
    if (group.size() < 2 || here < 0)
        return;
    RadioButton* target = group.at((here + step + group.size()) % group.size());
    target->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (!target->isChecked())
        target->click();
}

} // namespace brimvale::ui
