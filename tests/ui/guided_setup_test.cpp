// A whole guided setup driven by the keyboard alone, as a user without a
// mouse would run it, down to the bytes of the written file.

#include "gui_fixture.h"

#include "document/config_lines.h"
#include "document/output_file.h"
#include "editing/workflow.h"
#include "support/temp_dir.h"
#include "ui/app_identity.h"
#include "ui/change.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>

#include <array>

namespace brimvale::uitest {
namespace {

const std::array<QString, 10> typedValues{
    QStringLiteral("set username \"brim\""),
    QStringLiteral("set admin \"Админ <admin@example.org>\""),
    QStringLiteral("set network \"ExampleNet\""),
    QStringLiteral("listen 4444 all"),
    QStringLiteral("set owner \"Владелец\""),
    QStringLiteral("  set nick \"Brim\"  "),
    QStringLiteral("set altnick \"Brim_\""),
    QStringLiteral("set realname \"Бот Брим\""),
    QStringLiteral("irc.example.net:6667"),
    QStringLiteral(""),
};

class GuidedSetupTest : public ProgramTest, public ::testing::WithParamInterface<Qt::Key> {};

TEST_P(GuidedSetupTest, KeyboardOnlySetupWritesTheWholeFile)
{
    testing::TempWorkingDir cwd;
    ui::TForm1& window = form1();
    ui::TForm2& dialog = form2();

    ConfigLines expected;
    expected.fill();
    for (std::size_t i = 0; i < typedValues.size(); ++i)
        expected.replace(editing::GuideLines.at(i), cp1251(typedValues.at(i)));

    // Tab strip, then ListBox1, then "Создать Конфиг"; Enter presses it.
    ASSERT_EQ(QApplication::focusWidget(), window.PageControl1->tabBar());
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window.Button1);
    pressKey(Qt::Key_Return);
    ASSERT_TRUE(waitActive(dialog));
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("Далее"));

    BoxWatcher boxes(GetParam());
    for (std::size_t step = 0; step < typedValues.size(); ++step) {
        const int lineIndex = editing::GuideLines.at(step);
        EXPECT_EQ(guideStep(), static_cast<int>(step) + 1);
        EXPECT_EQ(dialog.Edit1->text(), ui::fromCp1251(line(lineIndex))) << "step " << step + 1;
        if (step > 0) {
            // The focus stayed on "Далее"; Shift+Tab goes back to the field
            // and selects all of it.
            ASSERT_EQ(QApplication::focusWidget(), dialog.Button1);
            pressKey(Qt::Key_Tab, Qt::ShiftModifier);
        }
        ASSERT_EQ(QApplication::focusWidget(), dialog.Edit1);
        ASSERT_EQ(dialog.Edit1->selectedText(), dialog.Edit1->text());
        if (typedValues.at(step).isEmpty())
            pressKey(Qt::Key_Delete);
        else
            typeText(typedValues.at(step));
        pressKey(Qt::Key_Tab);
        pressKey(Qt::Key_Return);
    }

    ASSERT_EQ(boxes.boxes().size(), 1);
    const SeenBox& done = boxes.boxes().front();
    EXPECT_EQ(done.name, QStringLiteral("MessageBox"));
    EXPECT_EQ(done.title, ui::applicationTitle());
    EXPECT_EQ(done.text, QStringLiteral("генерация eggdrop.conf завершена."));
    EXPECT_EQ(done.icon, QMessageBox::NoIcon);
    EXPECT_EQ(done.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(done.closedByKey);
    // Centred on the screen, not over the dialog.
    EXPECT_LE(std::abs(done.frame.center().x() - done.screen.center().x()), 1);
    EXPECT_LE(std::abs(done.frame.center().y() - done.screen.center().y()), 1);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialogMode(), 0);
    EXPECT_TRUE(waitActive(window));
    EXPECT_EQ(testing::readFile(cwd.file("eggdrop.conf")), buildOutputText(expected));
    for (int i = 0; i < expected.count(); ++i)
        ASSERT_EQ(line(i), expected.at(i)) << "line " << i;
}

INSTANTIATE_TEST_SUITE_P(CompletionDismissedBy, GuidedSetupTest, ::testing::Values(Qt::Key_Return, Qt::Key_Escape),
                         [](const ::testing::TestParamInfo<Qt::Key>& param) {
                             return std::string(param.param == Qt::Key_Return ? "Enter" : "Esc");
                         });

} // namespace
} // namespace brimvale::uitest
