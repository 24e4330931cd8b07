#pragma once

#include <QRadioButton>

namespace brimvale::ui {

// A radio button of a group made of the RadioButtons that share a parent.
//
// Only the checked button of the group is a tab stop. Left and Up move the
// focus to the previous button of the group, Right and Down to the next,
// wrapping around, and check the button they land on: the same moment as a
// click, so its toggled(true) follows as for a click.
class RadioButton : public QRadioButton {
    Q_OBJECT
public:
    RadioButton(const QString& text, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateTabStop();
};

} // namespace brimvale::ui
