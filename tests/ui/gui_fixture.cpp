#include "gui_fixture.h"

#include "editing/workflow.h"
#include "ui/change.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/text_codec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QTest>

namespace brimvale::uitest {

void ProgramTest::SetUp()
{
    program_ = std::make_unique<ui::Program>();
    program_->show();
    ASSERT_TRUE(waitActive(form1()));
}

void ProgramTest::TearDown()
{
    program_.reset();
    // Let deleteLater() and window-system events of this test go before the
    // next test builds its windows.
    QCoreApplication::processEvents();
}

int ProgramTest::dialogMode() const
{
    return program_->workflow().main.dialogMode();
}

int ProgramTest::guideStep() const
{
    return program_->workflow().change.guideStep();
}

std::string ProgramTest::line(int index) const
{
    return program_->form1().lines().read(index);
}

void ProgramTest::doubleClickLine(int row)
{
    ui::LineListBox* list = form1().ListBox1;
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    const QPoint where = list->visualRect(index).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    ASSERT_TRUE(form2().isVisible());
    ASSERT_TRUE(waitActive(form2()));
}

bool ProgramTest::waitActive(QWidget& window)
{
    // Not qWaitForWindowActive: it counts a dialog as active as soon as the
    // window it belongs to is, before the dialog itself has become active.
    const bool active = QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
    if (!active) {
        const QWidget* current = QApplication::activeWindow();
        ADD_FAILURE() << "waited for " << window.objectName().toStdString() << " to become active; active is "
                      << (current ? current->objectName().toStdString() : std::string("none"));
    }
    return active;
}

QWidget* focused()
{
    QWidget* widget = QApplication::focusWidget();
    EXPECT_NE(widget, nullptr) << "no widget has the keyboard focus";
    return widget;
}

void pressKey(int key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget* widget = focused())
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
}

void typeText(const QString& text)
{
    QWidget* widget = focused();
    if (!widget)
        return;
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(widget, static_cast<char>(ch.unicode()));
        } else {
            // Qt's key codes for letters beyond ASCII are their upper-case
            // code points; the typed text travels with the event.
            QTest::sendKeyEvent(QTest::Click, widget, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch),
                                Qt::NoModifier);
        }
    }
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

BoxWatcher::BoxWatcher(Qt::Key key) : key_(key)
{
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

void BoxWatcher::poll()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    if (box == current_) {
        // Still there after the key: record that and close it anyway, so
        // that the test goes on and fails on the record instead of hanging.
        boxes_.back().closedByKey = false;
        box->done(0);
        return;
    }
    current_ = box;
    SeenBox seen;
    seen.name = box->objectName();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* button : box->buttons())
        seen.buttons.append(button->text());
    seen.frame = box->frameGeometry();
    if (const QScreen* screen = box->screen())
        seen.screen = screen->geometry();
    boxes_.append(seen);
    QTest::keyClick(box, key_);
}

std::string cp1251(const QString& text)
{
    return ui::toCp1251(text);
}

} // namespace brimvale::uitest
