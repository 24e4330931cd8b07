// The main window: editing a line by double-click, the list's keys and
// looks, the bot-version radio buttons and the keyboard cycle.

#include "gui_fixture.h"

#include "document/config_lines.h"
#include "ui/change.h"
#include "ui/config_lines_model.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/scale.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace brimvale::uitest {
namespace {

using DoubleClickEditTest = ProgramTest;

TEST_F(DoubleClickEditTest, EditsTheDoubleClickedLineAndKeepsItSelected)
{
    ui::TForm2& dialog = form2();
    doubleClickLine(140);

    EXPECT_EQ(form1().selectedLineIndex(), 140);
    EXPECT_EQ(dialog.Edit1->text(), ui::fromCp1251(line(140)));
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Изменить"));
    EXPECT_EQ(dialog.Button2->text(), QStringLiteral("Отмена"));
    // First showing: the field has the focus with its whole text selected,
    // so typing replaces the line.
    EXPECT_EQ(QApplication::focusWidget(), dialog.Edit1);
    EXPECT_EQ(dialog.Edit1->selectedText(), dialog.Edit1->text());

    typeText(QStringLiteral("set owner \"Бриль\""));
    click(dialog.Button1);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(line(140), cp1251(QStringLiteral("set owner \"Бриль\"")));
    EXPECT_EQ(form1().ListBox1->model()->index(140, 0).data().toString(), QStringLiteral("set owner \"Бриль\""));
    EXPECT_EQ(form1().selectedLineIndex(), 140);
    EXPECT_EQ(dialogMode(), 0);
    EXPECT_TRUE(waitActive(form1()));
}

TEST_F(DoubleClickEditTest, ADoubleClickSelectsTheClickedLineBeforeOpeningIt)
{
    ui::LineListBox* list = form1().ListBox1;
    list->setCurrentIndex(list->model()->index(5, 0));
    ASSERT_EQ(form1().selectedLineIndex(), 5);

    doubleClickLine(9);

    EXPECT_EQ(form1().selectedLineIndex(), 9);
    EXPECT_EQ(form2().Edit1->text(), ui::fromCp1251(line(9)));
}

TEST_F(DoubleClickEditTest, AfterAGuidedSetupTheNextDoubleClickEditsTheClickedLineOnly)
{
    click(form1().Button1);
    ASSERT_TRUE(waitActive(form2()));
    ASSERT_EQ(dialogMode(), 1);
    click(form2().Button2);
    ASSERT_FALSE(form2().isVisible());
    EXPECT_EQ(dialogMode(), 0);

    const std::string before8 = line(8);
    doubleClickLine(30);
    EXPECT_EQ(form2().Button1->text(), QStringLiteral("Изменить"));
    // The focus is where the cancel left it.
    EXPECT_EQ(QApplication::focusWidget(), form2().Button2);
    pressKey(Qt::Key_Right);
    ASSERT_EQ(QApplication::focusWidget(), form2().Edit1);
    typeText(QStringLiteral("x"));
    click(form2().Button1);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(line(30), "x");
    EXPECT_EQ(line(8), before8);
}

using ListBoxTest = ProgramTest;

TEST_F(ListBoxTest, KeysMoveTheSelectionButNeverOpenALine)
{
    ui::LineListBox* list = form1().ListBox1;
    list->setFocus(Qt::TabFocusReason);
    list->setCurrentIndex(list->model()->index(0, 0));
    ASSERT_EQ(form1().selectedLineIndex(), 0);

    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(form1().selectedLineIndex(), 2);
    pressKey(Qt::Key_End);
    EXPECT_EQ(form1().selectedLineIndex(), 647);
    pressKey(Qt::Key_Home);
    EXPECT_EQ(form1().selectedLineIndex(), 0);
    pressKey(Qt::Key_PageDown);
    EXPECT_GT(form1().selectedLineIndex(), 0);

    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_F2})
        pressKey(key);
    EXPECT_FALSE(form2().isVisible());
    // Single selection: Shift and Ctrl extend nothing.
    pressKey(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1);
}

TEST_F(ListBoxTest, RowsAreOneTextLineHighAndLongLinesAreCutNotScrolled)
{
    ui::LineListBox* list = form1().ListBox1;
    const ui::Scale scale = ui::Scale::forFont(form1().font());
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).height(), scale(13));
    EXPECT_EQ(list->visualRect(list->model()->index(1, 0)).top(),
              list->visualRect(list->model()->index(0, 0)).bottom() + 1);

    form1().lines().replace(0, std::string(2000, 'w'));
    list->scrollTo(list->model()->index(0, 0));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(list->verticalScrollBar()->isVisible());
    // The row is as wide as the list's visible area, not as its text.
    EXPECT_LE(list->visualRect(list->model()->index(0, 0)).width(), list->viewport()->width());
}

// A pasted line of a megabyte: its row shows the line's own beginning,
// enough of it to run past the row's right edge, and paints pixel for pixel
// as the whole line would. Narrow glyphs make the most characters fit in a
// row; characters that take no room must not count towards filling it.
struct LongLineCase {
    const char* name;
    QString pattern;
};

void PrintTo(const LongLineCase& longLine, std::ostream* out)
{
    *out << longLine.name;
}

class LongLineTest : public ProgramTest, public ::testing::WithParamInterface<LongLineCase> {};

TEST_P(LongLineTest, RowShowsTheBeginningExactlyAndPaintsAsTheWholeLine)
{
    ui::LineListBox* list = form1().ListBox1;
    ui::ConfigLinesModel* model = list->linesModel();
    constexpr int row = 300;
    const std::string pattern = cp1251(GetParam().pattern);
    std::string huge;
    while (huge.size() < (std::size_t{1} << 20))
        huge += pattern;
    form1().lines().replace(row, huge);
    const QModelIndex index = model->index(row, 0);
    list->setCurrentIndex(index);
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    QCoreApplication::processEvents();

    const QString shown = index.data().toString();
    EXPECT_LT(shown.size(), 20000);
    EXPECT_EQ(shown, ui::fromCp1251(huge.substr(0, static_cast<std::size_t>(shown.size()))));
    EXPECT_GT(QFontMetrics(list->font()).horizontalAdvance(shown), list->viewport()->width());
    const QImage cut = list->viewport()->grab(list->visualRect(index)).toImage();

    // The same row drawn from the line's first 20,000 characters, every one
    // of them handed to the list: nothing may differ.
    model->setRowWidth(list->font(), 0);
    form1().lines().replace(row, huge.substr(0, 20000));
    ASSERT_EQ(index.data().toString().size(), 20000);
    const QImage whole = list->viewport()->grab(list->visualRect(index)).toImage();
    EXPECT_EQ(cut, whole);

    // A wider list shows more of the line again.
    form1().lines().replace(row, huge);
    list->resize(list->width() * 3, list->height());
    EXPECT_GT(QFontMetrics(list->font()).horizontalAdvance(index.data().toString()), list->viewport()->width());
}

INSTANTIATE_TEST_SUITE_P(Patterns, LongLineTest,
                         ::testing::Values(LongLineCase{"NarrowGlyphs", QStringLiteral("il.|'!:;,")},
                                           LongLineCase{"RussianAndAscii", QStringLiteral(" set nick \"Бримвейл\" ж—№ ")},
                                           LongLineCase{"InvisibleFirst", QString(100, QChar(0x00AD))
                                                                              + QStringLiteral("видно il")}),
                         [](const ::testing::TestParamInfo<LongLineCase>& param) { return std::string(param.param.name); });

TEST_F(ListBoxTest, ReplacingALineKeepsTheSelectionAndTheScrollPosition)
{
    ui::LineListBox* list = form1().ListBox1;
    list->setCurrentIndex(list->model()->index(300, 0));
    list->scrollTo(list->model()->index(300, 0), QAbstractItemView::PositionAtTop);
    const int scrolled = list->verticalScrollBar()->value();

    form1().lines().replace(300, "changed");
    form1().lines().replace(94, "other");

    EXPECT_EQ(form1().selectedLineIndex(), 300);
    EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(list->model()->index(300, 0).data().toString(), QStringLiteral("changed"));
}

// The radio buttons: how many times a version handler ran is how many times
// line 94 was replaced, which the list's model reports row by row.
struct RadioCase {
    const char* name;
    std::vector<std::string> steps;
    int handlerRuns;
    const char* line94;
    bool windropChecked;
};

void PrintTo(const RadioCase& c, std::ostream* out)
{
    *out << c.name;
}

class RadioButtonTest : public ProgramTest, public ::testing::WithParamInterface<RadioCase> {};

TEST_P(RadioButtonTest, HandlerRunsOnlyWhenAButtonTurnsChecked)
{
    ui::TForm1& window = form1();
    QSignalSpy changes(window.ListBox1->model(), &QAbstractItemModel::dataChanged);
    auto line94Changes = [&] {
        int count = 0;
        for (const QList<QVariant>& change : changes) {
            if (change.at(0).toModelIndex().row() == 94)
                ++count;
        }
        return count;
    };

    for (const std::string& step : GetParam().steps) {
        if (step == "click egg")
            click(window.RadioButton1);
        else if (step == "click win")
            click(window.RadioButton2);
        else if (step == "focus egg")
            window.RadioButton1->setFocus(Qt::OtherFocusReason);
        else if (step == "focus win")
            window.RadioButton2->setFocus(Qt::OtherFocusReason);
        else if (step == "space")
            pressKey(Qt::Key_Space);
        else if (step == "down")
            pressKey(Qt::Key_Down);
        else if (step == "up")
            pressKey(Qt::Key_Up);
        else if (step == "left")
            pressKey(Qt::Key_Left);
        else if (step == "right")
            pressKey(Qt::Key_Right);
        else
            FAIL() << "unknown step " << step;
    }

    EXPECT_EQ(line94Changes(), GetParam().handlerRuns);
    EXPECT_EQ(line(94), GetParam().line94);
    EXPECT_EQ(window.RadioButton2->isChecked(), GetParam().windropChecked);
    EXPECT_NE(window.RadioButton1->isChecked(), GetParam().windropChecked);
    // Only the checked button is a tab stop.
    ui::RadioButton* checked = GetParam().windropChecked ? window.RadioButton2 : window.RadioButton1;
    ui::RadioButton* unchecked = GetParam().windropChecked ? window.RadioButton1 : window.RadioButton2;
    EXPECT_TRUE(checked->focusPolicy() & Qt::TabFocus);
    EXPECT_FALSE(unchecked->focusPolicy() & Qt::TabFocus);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RadioButtonTest,
    ::testing::Values(
        RadioCase{"ClickWinDrop", {"click win"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"ClickWinDropTwice", {"click win", "click win"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"WinDropThenEggDrop", {"click win", "click egg"}, 2, "set temp-path \"/tmp\"", false},
        RadioCase{"ClickTheCheckedOne", {"click egg", "click egg"}, 0, "set temp-path \"/tmp\"", false},
        RadioCase{"SpaceOnTheCheckedOne", {"focus egg", "space"}, 0, "set temp-path \"/tmp\"", false},
        RadioCase{"SpaceOnTheOtherOne", {"focus win", "space"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"DownMovesAndChecks", {"focus egg", "down"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"RightMovesAndChecks", {"focus egg", "right"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"UpWrapsAround", {"focus egg", "up"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"LeftWrapsAround", {"focus egg", "left"}, 1, "set temp-path \"tmp/\"", true},
        RadioCase{"DownThenUpComesBack", {"focus egg", "down", "up"}, 2, "set temp-path \"/tmp\"", false},
        RadioCase{"DownTwiceWrapsBack", {"focus egg", "down", "down"}, 2, "set temp-path \"/tmp\"", false}),
    [](const ::testing::TestParamInfo<RadioCase>& param) { return std::string(param.param.name); });

TEST_F(RadioButtonTest, ArrowKeyMovesTheFocusOntoTheButtonItChecks)
{
    form1().RadioButton1->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), form1().RadioButton2);
}

TEST_F(RadioButtonTest, ReplacingLine94KeepsTheListSelection)
{
    ui::LineListBox* list = form1().ListBox1;
    list->setCurrentIndex(list->model()->index(20, 0));
    click(form1().RadioButton2);
    EXPECT_EQ(form1().selectedLineIndex(), 20);
}

// The keyboard cycle of the main window.
QWidget* tabStrip(ui::TForm1& window)
{
    return window.PageControl1->tabBar();
}

using KeyboardTest = ProgramTest;

TEST_F(KeyboardTest, TabAndShiftTabCycleThroughTheConfigTab)
{
    ui::TForm1& window = form1();
    const std::vector<QWidget*> forward{window.ListBox1, window.Button1, window.Button3, window.RadioButton1,
                                        tabStrip(window)};
    ASSERT_EQ(QApplication::focusWidget(), tabStrip(window));
    for (QWidget* expected : forward) {
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    const std::vector<QWidget*> backward{window.RadioButton1, window.Button3, window.Button1, window.ListBox1,
                                         tabStrip(window)};
    for (QWidget* expected : backward) {
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
}

TEST_F(KeyboardTest, TabReachesWhicheverRadioButtonIsChecked)
{
    ui::TForm1& window = form1();
    click(window.RadioButton2);
    window.Button3->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.RadioButton2);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), tabStrip(window));
}

TEST_F(KeyboardTest, OnTheAboutTabOnlyTheTabStripTakesTheFocus)
{
    ui::TForm1& window = form1();
    pressKey(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(window.PageControl1->currentWidget(), window.TabSheet2);
    tabStrip(window)->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 3; ++i) {
        pressKey(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), tabStrip(window));
        pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), tabStrip(window));
    }
}

TEST_F(KeyboardTest, CtrlTabSwitchesTabsFromAnywhereAndLeavesTheControlsAlone)
{
    ui::TForm1& window = form1();
    ui::LineListBox* list = window.ListBox1;
    list->setCurrentIndex(list->model()->index(12, 0));
    click(window.RadioButton2);

    for (QWidget* start : std::vector<QWidget*>{list, window.Button1, window.RadioButton2, tabStrip(window)}) {
        ASSERT_EQ(window.PageControl1->currentWidget(), window.TabSheet1);
        start->setFocus(Qt::TabFocusReason);
        pressKey(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(window.PageControl1->currentWidget(), window.TabSheet2) << start->objectName().toStdString();
        pressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(window.PageControl1->currentWidget(), window.TabSheet1) << start->objectName().toStdString();
        if (window.PageControl1->currentWidget() != window.TabSheet1)
            window.PageControl1->setCurrentWidget(window.TabSheet1);
    }
    EXPECT_EQ(window.selectedLineIndex(), 12);
    EXPECT_TRUE(window.RadioButton2->isChecked());
}

TEST_F(KeyboardTest, EnterOrSpacePressAFocusedButtonAndEscapeDoesNothing)
{
    ui::TForm1& window = form1();
    window.Button3->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());

    window.Button1->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().Button1->text(), QStringLiteral("Далее"));
    click(form2().Button2);
    ASSERT_TRUE(waitActive(window));

    window.Button1->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(form2().isVisible());
    click(form2().Button2);

    // With the focus elsewhere Enter presses no button of the window.
    ASSERT_TRUE(waitActive(window));
    tabStrip(window)->setFocus(Qt::TabFocusReason);
    pressKey(Qt::Key_Return);
    EXPECT_FALSE(form2().isVisible());
    EXPECT_TRUE(window.isVisible());
}

} // namespace
} // namespace brimvale::uitest
