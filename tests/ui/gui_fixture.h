#pragma once

#include "ui/startup.h"

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace brimvale::ui {
class TForm1;
class TForm2;
}

namespace brimvale::uitest {

// The program as start-up leaves it: both windows built, the main window
// shown and active, no event loop of its own.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    ui::TForm1& form1() { return program_->form1(); }
    ui::TForm2& form2() { return program_->form2(); }
    int dialogMode() const;
    int guideStep() const;
    std::string line(int index) const;

    // Double-clicks row `row` of ListBox1 (scrolling it into view first) and
    // waits for the dialog to be active.
    void doubleClickLine(int row);
    // Waits until `window` is the active window.
    static bool waitActive(QWidget& window);

    std::unique_ptr<ui::Program> program_;
};

// The widget that has the keyboard focus; fails the test when none has.
QWidget* focused();
// A key press and release sent to the widget with the keyboard focus, as
// the platform would deliver it.
void pressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Types `text` into the widget with the keyboard focus.
void typeText(const QString& text);
// A completed left click in the middle of `widget`.
void click(QWidget* widget);

// Watches for message boxes while it lives, records what each one showed
// and dismisses it with `key`, as a user would.
struct SeenBox {
    QString name;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QRect frame;
    QRect screen;
    // False when `key` did not close the box and it had to be forced shut.
    bool closedByKey = true;
};

class BoxWatcher {
public:
    explicit BoxWatcher(Qt::Key key = Qt::Key_Return);
    const QList<SeenBox>& boxes() const noexcept { return boxes_; }

private:
    void poll();

    Qt::Key key_;
    QTimer timer_;
    QPointer<QMessageBox> current_;
    QList<SeenBox> boxes_;
};

// The Windows-1251 bytes of a Unicode text.
std::string cp1251(const QString& text);

} // namespace brimvale::uitest
