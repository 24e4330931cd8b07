// Failures of the editing handlers: the one error box, its text, and where
// the program carries on afterwards.

#include "gui_fixture.h"

#include "support/temp_dir.h"
#include "ui/app_identity.h"
#include "ui/change.h"
#include "ui/handler_runner.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"

#include <QApplication>

#include <filesystem>
#include <stdexcept>

namespace brimvale::uitest {
namespace {

struct TextCase {
    const char* message;
    const char* shown;
};

class ErrorTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ErrorTextTest, FullStopOnlyAfterACharacterAboveTheFullStop)
{
    EXPECT_EQ(ui::errorBoxText(QString::fromUtf8(GetParam().message)), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(Messages, ErrorTextTest,
                         ::testing::Values(TextCase{"Cannot create file eggdrop.conf", "Cannot create file eggdrop.conf."},
                                           TextCase{"List index out of bounds (-1)", "List index out of bounds (-1)"},
                                           TextCase{"Stream write error", "Stream write error."},
                                           TextCase{"", ""},
                                           TextCase{"ends in a stop.", "ends in a stop."},
                                           TextCase{"ends in a dash-", "ends in a dash-"},
                                           TextCase{"ends in a slash/", "ends in a slash/."},
                                           TextCase{"digit 0", "digit 0."},
                                           TextCase{"Ошибка", "Ошибка."}));

using ErrorBoxTest = ProgramTest;

TEST_F(ErrorBoxTest, DoubleClickWithNoLineSelectedReportsTheIndexAndOpensNothing)
{
    ASSERT_EQ(form1().selectedLineIndex(), -1);
    BoxWatcher boxes;
    // What a double-click in the list runs when no line is selected.
    form1().ListBox1DblClick();

    ASSERT_EQ(boxes.boxes().size(), 1);
    const SeenBox& box = boxes.boxes().front();
    EXPECT_EQ(box.name, QStringLiteral("ErrorBox"));
    EXPECT_EQ(box.title, ui::applicationTitle());
    EXPECT_EQ(box.text, QStringLiteral("List index out of bounds (-1)"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons.size(), 1);
    EXPECT_TRUE(box.closedByKey);

    EXPECT_FALSE(form2().isVisible());
    EXPECT_EQ(form2().Edit1->text(), QString());
    EXPECT_EQ(form2().Button1->text(), QStringLiteral("Изменить"));
    EXPECT_TRUE(waitActive(form1()));
}

TEST_F(ErrorBoxTest, ReadOnlyOutputFileIsReportedAndTheDialogStaysOpen)
{
    testing::TempWorkingDir cwd;
    const auto file = cwd.file("eggdrop.conf");
    testing::writeFile(file, "earlier file\r\n");
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::group_read
                                           | std::filesystem::perms::others_read);

    ui::TForm2& dialog = form2();
    click(form1().Button1);
    ASSERT_TRUE(waitActive(dialog));
    for (int step = 1; step < 10; ++step)
        click(dialog.Button1);
    ASSERT_EQ(guideStep(), 10);
    dialog.Edit1->setText(QStringLiteral("set ctcp-version \"brim\""));

    {
        BoxWatcher boxes(Qt::Key_Escape);
        click(dialog.Button1);
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().front().name, QStringLiteral("ErrorBox"));
        EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("Cannot create file eggdrop.conf."));
        EXPECT_EQ(boxes.boxes().front().icon, QMessageBox::Critical);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(waitActive(dialog));
    EXPECT_EQ(guideStep(), 10);
    EXPECT_EQ(line(389), "set ctcp-version \"brim\"");
    EXPECT_EQ(testing::readFile(file), "earlier file\r\n");

    // Once the file may be written, pressing again finishes the setup.
    std::filesystem::permissions(file, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    {
        BoxWatcher boxes;
        click(dialog.Button1);
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().front().name, QStringLiteral("MessageBox"));
    }
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_NE(testing::readFile(file), "earlier file\r\n");
}

// The runner itself: nothing escapes it, requests deferred during a handler
// wait for its end, and a failing handler's deferred requests still happen.
TEST(HandlerRunnerTest, DeferredActionsWaitForTheOutermostHandler)
{
    ui::HandlerRunner runner;
    std::vector<std::string> order;
    runner.run([&] {
        runner.defer([&] { order.push_back("deferred"); });
        runner.run([&] { order.push_back("inner"); });
        order.push_back("outer end");
    });
    EXPECT_EQ(order, (std::vector<std::string>{"inner", "outer end", "deferred"}));

    order.clear();
    runner.defer([&] { order.push_back("at once"); });
    EXPECT_EQ(order, std::vector<std::string>{"at once"});
}

TEST(HandlerRunnerTest, AFailureIsShownAndStopsAtTheRunner)
{
    ui::HandlerRunner runner;
    bool deferredRan = false;
    BoxWatcher boxes;
    runner.run([&] {
        runner.defer([&] { deferredRan = true; });
        throw std::runtime_error("Broken here");
    });
    runner.run([] { throw 42; });
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes().at(0).text, QStringLiteral("Broken here."));
    EXPECT_EQ(boxes.boxes().at(0).title, ui::applicationTitle());
    EXPECT_FALSE(boxes.boxes().at(1).text.isEmpty());
    EXPECT_TRUE(deferredRan);
    EXPECT_FALSE(runner.handlerRunning());
}

} // namespace
} // namespace brimvale::uitest
