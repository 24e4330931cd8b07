// The program as start-up leaves it, and how it ends.

#include "gui_fixture.h"

#include "document/config_lines.h"
#include "support/temp_dir.h"
#include "ui/app_identity.h"
#include "ui/change.h"
#include "ui/config_lines_model.h"
#include "ui/desktop_position.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace brimvale::uitest {
namespace {

using StartupTest = ProgramTest;

TEST_F(StartupTest, MainWindowComesUpCentredOnTheConfigTabWithNothingSelected)
{
    ui::TForm1& window = form1();
    EXPECT_EQ(window.windowTitle(), ui::applicationTitle());
    EXPECT_EQ(ui::applicationTitle().size(), 58);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &window);

    EXPECT_EQ(window.PageControl1->currentWidget(), window.TabSheet1);
    EXPECT_EQ(QApplication::focusWidget(), window.PageControl1->tabBar());
    EXPECT_EQ(window.selectedLineIndex(), -1);
    EXPECT_EQ(window.ListBox1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(window.ListBox1->indexAt(QPoint(1, 1)).row(), 0);

    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(window.frameGeometry().topLeft(), ui::desktopCentre(window.frameGeometry().size(), desktop));
}

TEST_F(StartupTest, EggDropIsCheckedWithoutAnyHandlerHavingRun)
{
    EXPECT_TRUE(form1().RadioButton1->isChecked());
    EXPECT_FALSE(form1().RadioButton2->isChecked());
    EXPECT_EQ(line(94), "set temp-path \"/tmp\"");
    EXPECT_EQ(dialogMode(), 0);
    // The dialog has never been shown, so its activation has never run.
    EXPECT_EQ(guideStep(), 0);
}

TEST_F(StartupTest, ListShowsEveryLineExactlyAsItIs)
{
    ui::TForm1& window = form1();
    QAbstractItemModel* model = window.ListBox1->model();
    ASSERT_EQ(model->rowCount(), 648);
    for (int row = 0; row < 648; ++row)
        ASSERT_EQ(model->index(row, 0).data().toString(), ui::fromCp1251(line(row))) << "row " << row;

    // Leading spaces and Cyrillic letters reach the screen unchanged.
    window.lines().replace(3, cp1251(QStringLiteral("   отступ и \"кавычки\"  ")));
    EXPECT_EQ(model->index(3, 0).data().toString(), QStringLiteral("   отступ и \"кавычки\"  "));
}

TEST_F(StartupTest, ComponentsCarryTheirNamesAndTexts)
{
    ui::TForm1& main = form1();
    ui::TForm2& dialog = form2();
    const struct {
        QObject* component;
        const char* name;
    } names[] = {
        {&main, "Form1"},
        {main.PageControl1, "PageControl1"},
        {main.TabSheet1, "TabSheet1"},
        {main.TabSheet2, "TabSheet2"},
        {main.Label1, "Label1"},
        {main.ListBox1, "ListBox1"},
        {main.Button1, "Button1"},
        {main.Button3, "Button3"},
        {main.GroupBox1, "GroupBox1"},
        {main.RadioButton1, "RadioButton1"},
        {main.RadioButton2, "RadioButton2"},
        {main.GroupBox2, "GroupBox2"},
        {main.Label8, "Label8"},
        {main.Label17, "Label17"},
        {&dialog, "Form2"},
        {dialog.Label1, "Label1"},
        {dialog.Edit1, "Edit1"},
        {dialog.Button1, "Button1"},
        {dialog.Button2, "Button2"},
    };
    for (const auto& entry : names)
        EXPECT_EQ(entry.component->objectName(), QLatin1String(entry.name));

    EXPECT_EQ(main.PageControl1->tabText(0), QStringLiteral("Конфиг"));
    EXPECT_EQ(main.PageControl1->tabText(1), QStringLiteral("О программе"));
    EXPECT_EQ(main.Label1->text(), QStringLiteral("Файл конфигурации:"));
    EXPECT_EQ(main.Button1->text(), QStringLiteral("Создать Конфиг"));
    EXPECT_EQ(main.Button3->text(), QStringLiteral("Выход"));
    EXPECT_EQ(main.GroupBox1->title(), QStringLiteral("Версия бота:"));
    EXPECT_EQ(main.RadioButton1->text(), QStringLiteral("EggDrop 1.6.17"));
    EXPECT_EQ(main.RadioButton2->text(), QStringLiteral("WinDrop 1.6.17"));
    EXPECT_EQ(main.GroupBox2->title(), QString());
    EXPECT_EQ(main.Label8->text(), QStringLiteral("Название: Brimvale"));
    EXPECT_EQ(main.Label9->text(), QStringLiteral("Версия: 1.0.0.0"));
    EXPECT_EQ(main.Label11->text(),
              QStringLiteral("Описание: Генератор файлов конфигурации для ботов Eggdrop/WinDrop 1.6.17"));
    EXPECT_EQ(main.Label13->text(), QStringLiteral("Наши контакты:"));
    EXPECT_EQ(main.Label14->text(), QStringLiteral("Сайт: "));
    EXPECT_EQ(main.Label16->text(), QStringLiteral("Почта:"));
    EXPECT_TRUE(main.Label15->text().endsWith(QLatin1String(".example.org")));
    EXPECT_TRUE(main.Label17->text().endsWith(QLatin1String("@example.com")));
    EXPECT_TRUE(main.Label15->font().bold());
    EXPECT_TRUE(main.Label17->font().bold());
    EXPECT_FALSE(main.Label16->font().bold());

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Смена значения поля"));
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("Значение поля:"));
    EXPECT_EQ(dialog.Edit1->text(), QString());
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Изменить"));
    EXPECT_EQ(dialog.Button2->text(), QStringLiteral("Отмена"));
}

TEST_F(StartupTest, WindowsAreFixedSizeWithACloseBoxOnly)
{
    for (QWidget* window : {static_cast<QWidget*>(&form1()), static_cast<QWidget*>(&form2())}) {
        const Qt::WindowFlags flags = window->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}

// Each way of closing the main window ends the program at once and writes
// nothing, edits or not.
class ExitTest : public ProgramTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ExitTest, ClosingTheMainWindowEndsTheProgramAndWritesNothing)
{
    testing::TempWorkingDir cwd;
    form1().lines().replace(8, "set username \"edited\"");

    // Closed from inside the program's own event loop, as in the program:
    // the loop must end by itself, with exit code 0. The guard only keeps a
    // broken build from hanging the suite.
    const std::string way = GetParam();
    QTimer::singleShot(0, form1().Button3, [this, way] {
        if (way == "Выход")
            click(form1().Button3);
        else
            form1().close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);

    EXPECT_FALSE(form1().isVisible());
    EXPECT_FALSE(form2().isVisible());
    // Nothing is left open that would keep the program running: no other
    // window that counts for quitting on the last window's close.
    for (QWidget* other : QApplication::topLevelWidgets())
        EXPECT_FALSE(other->isVisible()) << other->objectName().toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(cwd.path()));
}

INSTANTIATE_TEST_SUITE_P(Ways, ExitTest, ::testing::Values("Выход", "close box"));

} // namespace
} // namespace brimvale::uitest
