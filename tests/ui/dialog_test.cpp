// The field value dialog: its keys, its focus and place between showings,
// cancelling, pasting and the text it refuses.

#include "gui_fixture.h"

#include "document/config_lines.h"
#include "support/temp_dir.h"
#include "ui/app_identity.h"
#include "ui/change.h"
#include "ui/desktop_position.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QTest>

#include <filesystem>

namespace brimvale::uitest {
namespace {

using DialogKeysTest = ProgramTest;

TEST_F(DialogKeysTest, EnterAndEscNeitherConfirmNorClose)
{
    const std::string before = line(10);
    doubleClickLine(10);
    ui::TForm2& dialog = form2();
    typeText(QStringLiteral("typed"));

    for (QWidget* where : {static_cast<QWidget*>(dialog.Edit1), static_cast<QWidget*>(dialog.Button1),
                           static_cast<QWidget*>(dialog.Button2)}) {
        where->setFocus(Qt::OtherFocusReason);
        pressKey(Qt::Key_Escape);
        EXPECT_TRUE(dialog.isVisible()) << "Esc on " << where->objectName().toStdString();
    }
    dialog.Edit1->setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(line(10), before);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("typed"));
    EXPECT_FALSE(dialog.Button1->isDefault());
    EXPECT_FALSE(dialog.Button1->autoDefault());
    EXPECT_FALSE(dialog.Button2->isDefault());
    EXPECT_FALSE(dialog.Button2->autoDefault());
}

TEST_F(DialogKeysTest, SpaceInTheFieldTypesASpace)
{
    doubleClickLine(10);
    pressKey(Qt::Key_End);
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().Edit1->text(), ui::fromCp1251(line(10)) + u' ');
}

struct FocusMove {
    const char* from;
    int key;
    Qt::KeyboardModifiers modifiers;
    const char* to;
};

void PrintTo(const FocusMove& move, std::ostream* out)
{
    *out << move.from << " key " << move.key << " -> " << move.to;
}

class DialogFocusMoveTest : public ProgramTest, public ::testing::WithParamInterface<FocusMove> {
protected:
    QWidget* control(const std::string& name)
    {
        if (name == "Edit1")
            return form2().Edit1;
        if (name == "Button1")
            return form2().Button1;
        return form2().Button2;
    }
};

TEST_P(DialogFocusMoveTest, KeysMoveTheFocusRoundEditAndButtons)
{
    doubleClickLine(9);
    ui::TForm2& dialog = form2();
    dialog.Edit1->deselect();
    control(GetParam().from)->setFocus(Qt::OtherFocusReason);

    pressKey(GetParam().key, GetParam().modifiers);

    EXPECT_EQ(QApplication::focusWidget(), control(GetParam().to));
    EXPECT_TRUE(dialog.isVisible());
    if (std::string(GetParam().to) == "Edit1" && std::string(GetParam().from) != "Edit1") {
        // Arriving by the keyboard selects the whole text.
        EXPECT_EQ(dialog.Edit1->selectedText(), dialog.Edit1->text());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Moves, DialogFocusMoveTest,
    ::testing::Values(FocusMove{"Button1", Qt::Key_Right, Qt::NoModifier, "Button2"},
                      FocusMove{"Button1", Qt::Key_Down, Qt::NoModifier, "Button2"},
                      FocusMove{"Button2", Qt::Key_Right, Qt::NoModifier, "Edit1"},
                      FocusMove{"Button2", Qt::Key_Down, Qt::NoModifier, "Edit1"},
                      FocusMove{"Button1", Qt::Key_Left, Qt::NoModifier, "Edit1"},
                      FocusMove{"Button1", Qt::Key_Up, Qt::NoModifier, "Edit1"},
                      FocusMove{"Button2", Qt::Key_Left, Qt::NoModifier, "Button1"},
                      FocusMove{"Button2", Qt::Key_Up, Qt::NoModifier, "Button1"},
                      FocusMove{"Edit1", Qt::Key_Right, Qt::NoModifier, "Edit1"},
                      FocusMove{"Edit1", Qt::Key_Down, Qt::NoModifier, "Edit1"},
                      FocusMove{"Edit1", Qt::Key_Tab, Qt::NoModifier, "Button1"},
                      FocusMove{"Button1", Qt::Key_Tab, Qt::NoModifier, "Button2"},
                      FocusMove{"Button2", Qt::Key_Tab, Qt::NoModifier, "Edit1"},
                      FocusMove{"Edit1", Qt::Key_Tab, Qt::ShiftModifier, "Button2"},
                      FocusMove{"Button1", Qt::Key_Tab, Qt::ShiftModifier, "Edit1"}));

// Pressing a focused button by the keyboard.
TEST_F(DialogKeysTest, EnterOrSpaceOnAFocusedButtonPressesIt)
{
    doubleClickLine(11);
    typeText(QStringLiteral("by enter"));
    form2().Button1->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(11), "by enter");

    doubleClickLine(12);
    form2().Edit1->setFocus(Qt::TabFocusReason);
    typeText(QStringLiteral("by space"));
    form2().Button1->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Space);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(12), "by space");

    const std::string before = line(13);
    doubleClickLine(13);
    form2().Edit1->setFocus(Qt::TabFocusReason);
    typeText(QStringLiteral("cancelled"));
    form2().Button2->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(13), before);
}

// Cancelling stores nothing, by the button or by the close box alike; in a
// guided setup the steps already confirmed stay stored.
class CancelTest : public ProgramTest, public ::testing::WithParamInterface<const char*> {
protected:
    void cancel()
    {
        if (std::string(GetParam()) == "Отмена")
            click(form2().Button2);
        else
            form2().close(); // what the close box and Alt+F4 deliver
    }
};

TEST_P(CancelTest, SingleLineEditStoresNothing)
{
    const std::string before = line(200);
    doubleClickLine(200);
    typeText(QStringLiteral("thrown away"));
    cancel();
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(200), before);
    EXPECT_EQ(dialogMode(), 0);
    EXPECT_TRUE(waitActive(form1()));
}

TEST_P(CancelTest, GuidedSetupKeepsTheStepsConfirmedBefore)
{
    testing::TempWorkingDir cwd;
    const std::string before10 = line(10);
    click(form1().Button1);
    ASSERT_TRUE(waitActive(form2()));
    typeText(QStringLiteral("set username \"one\""));
    click(form2().Button1);
    form2().Edit1->setFocus(Qt::TabFocusReason);
    typeText(QStringLiteral("set admin \"two\""));
    click(form2().Button1);
    ASSERT_EQ(guideStep(), 3);
    form2().Edit1->setFocus(Qt::TabFocusReason);
    typeText(QStringLiteral("not stored"));

    cancel();

    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(8), "set username \"one\"");
    EXPECT_EQ(line(9), "set admin \"two\"");
    EXPECT_EQ(line(10), before10);
    EXPECT_EQ(dialogMode(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(cwd.path()));

    // A new guided setup starts over at step 1 with line 8 as it now is.
    click(form1().Button1);
    ASSERT_TRUE(waitActive(form2()));
    EXPECT_EQ(guideStep(), 1);
    EXPECT_EQ(form2().Edit1->text(), QStringLiteral("set username \"one\""));
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelTest, ::testing::Values("Отмена", "close box"));

using DialogShowingTest = ProgramTest;

TEST_F(DialogShowingTest, FirstShowingIsCentredLaterOnesKeepThePlace)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(20);
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(dialog.frameGeometry().topLeft(), ui::desktopCentre(dialog.frameGeometry().size(), desktop));

    dialog.move(17, 23);
    const QPoint moved = dialog.pos();
    click(dialog.Button2);
    ASSERT_FALSE(dialog.isVisible());

    doubleClickLine(21);
    EXPECT_EQ(dialog.pos(), moved);
    click(dialog.Button2);
    click(form1().Button1);
    ASSERT_TRUE(waitActive(dialog));
    EXPECT_EQ(dialog.pos(), moved);
}

TEST_F(DialogShowingTest, LaterShowingsGiveTheFocusBackToWhereItWas)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(30);
    click(dialog.Button1); // confirmed unchanged, by the mouse
    ASSERT_FALSE(dialog.isVisible());
    ASSERT_TRUE(waitActive(form1()));

    // The focus is back on the confirm button, with the caption the opener
    // set, and Enter confirms the shown text as it is.
    click(form1().Button1);
    ASSERT_TRUE(waitActive(dialog));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Button1);
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Далее"));
    const std::string line8 = line(8);
    pressKey(Qt::Key_Return);
    EXPECT_EQ(line(8), line8);
    EXPECT_EQ(guideStep(), 2);
    EXPECT_EQ(dialog.Edit1->text(), ui::fromCp1251(line(9)));
    click(dialog.Button2);
    ASSERT_TRUE(waitActive(form1()));

    // Closed with the focus in the field: the field gets it back without
    // its text being selected.
    doubleClickLine(31);
    dialog.Edit1->setFocus(Qt::OtherFocusReason);
    dialog.close();
    ASSERT_FALSE(dialog.isVisible());
    doubleClickLine(32);
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit1);
    EXPECT_FALSE(dialog.Edit1->hasSelectedText());
    EXPECT_EQ(dialog.Edit1->text(), ui::fromCp1251(line(32)));
}

TEST_F(DialogShowingTest, AMouseClickInTheFieldOnlyPlacesTheCaret)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(40);
    dialog.Button2->setFocus(Qt::OtherFocusReason);
    QTest::mouseClick(dialog.Edit1, Qt::LeftButton, Qt::NoModifier, QPoint(4, dialog.Edit1->height() / 2));
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit1);
    EXPECT_FALSE(dialog.Edit1->hasSelectedText());
    EXPECT_EQ(dialog.Edit1->cursorPosition(), 0);
}

TEST_F(DialogShowingTest, ActivationRunsOncePerShowing)
{
    testing::TempWorkingDir cwd;
    ui::TForm2& dialog = form2();
    click(form1().Button1);
    ASSERT_TRUE(waitActive(dialog));
    EXPECT_EQ(guideStep(), 1);
    click(dialog.Button1);
    click(dialog.Button1);
    ASSERT_EQ(guideStep(), 3);

    // An error box over the dialog, and the dialog becoming active again
    // afterwards, do not restart the guided setup.
    {
        BoxWatcher boxes;
        dialog.Edit1->setText(QStringLiteral("Ω"));
        click(dialog.Button1);
        ASSERT_EQ(boxes.boxes().size(), 1);
    }
    EXPECT_TRUE(waitActive(dialog));
    QEvent reactivated(QEvent::WindowActivate);
    QApplication::sendEvent(&dialog, &reactivated);
    EXPECT_EQ(guideStep(), 3);
    EXPECT_EQ(dialogMode(), 1);

    click(dialog.Button2);
    click(form1().Button1);
    ASSERT_TRUE(waitActive(dialog));
    EXPECT_EQ(guideStep(), 1);
}

using DialogTextTest = ProgramTest;

TEST_F(DialogTextTest, PastingSeveralLinesKeepsTheFirstOnly)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(50);
    QGuiApplication::clipboard()->setText(QStringLiteral("first line\r\nsecond line\nthird"));
    pressKey(Qt::Key_V, Qt::ControlModifier); // replaces the selected text
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("first line"));

    dialog.Edit1->setText(QStringLiteral("abc"));
    dialog.Edit1->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("X\nY"));
    pressKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("aXbc"));

    click(dialog.Button1);
    EXPECT_EQ(line(50), "aXbc");

    // Whatever way text arrives, the field keeps no line break.
    dialog.Edit1->setText(QStringLiteral("kept\rdropped"));
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("kept"));
}

TEST_F(DialogTextTest, TheFieldHoldsTextOfAnyLength)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(51);
    const QString longText(40000, u'z');
    QGuiApplication::clipboard()->setText(longText);
    pressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.Edit1->text().size(), 40000);
    click(dialog.Button1);
    EXPECT_EQ(line(51), std::string(40000, 'z'));
}

TEST_F(DialogTextTest, ACharacterOutsideWindows1251IsRefusedAndTheTextKept)
{
    ui::TForm2& dialog = form2();
    const std::string before = line(60);
    doubleClickLine(60);
    typeText(QStringLiteral("Привет, Ωмега"));

    BoxWatcher boxes;
    click(dialog.Button1);

    ASSERT_EQ(boxes.boxes().size(), 1);
    const SeenBox& box = boxes.boxes().front();
    EXPECT_EQ(box.text, QStringLiteral("The character U+03A9 has no Windows-1251 form."));
    EXPECT_EQ(box.title, ui::applicationTitle());
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Edit1->text(), QStringLiteral("Привет, Ωмега"));
    EXPECT_EQ(line(60), before);
    EXPECT_TRUE(waitActive(dialog));
}

} // namespace
} // namespace brimvale::uitest
