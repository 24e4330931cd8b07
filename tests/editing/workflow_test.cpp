#include "harness.h"

#include "document/config_lines.h"
#include "document/errors.h"
#include "document/output_file.h"
#include "editing/workflow.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace brimvale::editing::testing {
namespace {

using brimvale::testing::readFile;
using brimvale::testing::TempWorkingDir;
using brimvale::testing::writeFile;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string bytes(std::initializer_list<unsigned char> values) { return std::string(values.begin(), values.end()); }

// Records the order in which lines are replaced.
class ReplacedLines : public ConfigLinesListener {
public:
    void linesFilled() override {}
    void lineReplaced(int index) override { indices.push_back(index); }
    std::vector<int> indices;
};

// Ten texts as a user might type them: Cyrillic, spaces at the ends, a
// different port and server.
const char* const GuidedInput[10] = {
    R"(set username "бот")",
    R"(set admin "Иван <email: ivan@example.org>")",
    R"(set network "RusNet")",
    "listen 4444 all",
    R"(set owner "Иван")",
    R"(set nick "Бот")",
    R"(set altnick "Бот_")",
    R"(set realname "Мой бот")",
    "  irc.example.net:6667  ",
    R"(set ctcp-version "Ёжик 1.0")",
};

TEST(FixedTexts, AreWindows1251Bytes)
{
    EXPECT_EQ(Texts::changeCaption(), bytes({0xC8, 0xE7, 0xEC, 0xE5, 0xED, 0xE8, 0xF2, 0xFC}));
    EXPECT_EQ(Texts::nextCaption(), bytes({0xC4, 0xE0, 0xEB, 0xE5, 0xE5}));
    EXPECT_EQ(Texts::completionMessage(),
              bytes({0xE3, 0xE5, 0xED, 0xE5, 0xF0, 0xE0, 0xF6, 0xE8, 0xFF}) + " eggdrop.conf " +
                  bytes({0xE7, 0xE0, 0xE2, 0xE5, 0xF0, 0xF8, 0xE5, 0xED, 0xE0, 0x2E}));
    EXPECT_EQ(Texts::eggdropTempPath(), R"(set temp-path "/tmp")");
    EXPECT_EQ(Texts::windropTempPath(), R"(set temp-path "tmp/")");
}

TEST(GuidedSetup, StoresTheTenLinesInOrderWritesThemAndOnlyThenReportsCompletion)
{
    TempWorkingDir dir;
    Session s;
    ReplacedLines replaced;
    s.lines.setListener(&replaced);

    std::vector<std::string> expected = templateLines();
    s.createConfig();
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        const int index = GuideLines[at(step - 1)];
        EXPECT_EQ(s.view.edit, templateLines()[at(index)]);
        EXPECT_EQ(s.flow.change.guideStep(), step);
        EXPECT_FALSE(fs::exists(OutputFileName));
        s.type(cp(GuidedInput[step - 1]));
        expected[at(index)] = cp(GuidedInput[step - 1]);
        s.confirm();
    }

    EXPECT_EQ(replaced.indices, std::vector<int>(GuideLines.begin(), GuideLines.end()));
    // Every other line, 94 included, is still the template's.
    EXPECT_EQ(s.allLines(), expected);

    const std::string file = readFile(dir.file("eggdrop.conf"));
    EXPECT_EQ(file, expectedFile(expected));
    EXPECT_EQ(std::count(file.begin(), file.end(), '\r'), 648);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 648);
    // The typed ident, one byte per Cyrillic letter, ended by CR LF.
    EXPECT_NE(file.find("\r\nset username \"" + bytes({0xE1, 0xEE, 0xF2}) + "\"\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n  irc.example.net:6667  \r\n"), std::string::npos);

    // The message came once the file was complete, before the close request.
    ASSERT_EQ(s.atMessage.size(), 1u);
    EXPECT_EQ(s.atMessage[0].outputFile, file);
    EXPECT_TRUE(s.atMessage[0].dialogShown);
    EXPECT_FALSE(s.atMessage[0].closeRequested);
    ASSERT_GE(s.view.calls.size(), 2u);
    EXPECT_EQ(s.view.calls[s.view.calls.size() - 2], (Call{Call::ShowMessage, Texts::completionMessage()}));
    EXPECT_EQ(s.view.calls.back(), (Call{Call::RequestClose, {}}));

    EXPECT_FALSE(s.dialogShown);
    EXPECT_EQ(s.flow.main.dialogMode(), 0);
}

TEST(GuidedSetup, CancelAtAnyStepKeepsTheEarlierStepsAndWritesNothing)
{
    for (const bool byCloseBox : {false, true}) {
        for (int k = 1; k <= 10; ++k) {
            SCOPED_TRACE(std::string(byCloseBox ? "close box" : "Отмена") + " at step " + std::to_string(k));
            TempWorkingDir dir;
            Session s;
            s.guideTo(k);
            s.type(cp("не сохранять"));
            if (byCloseBox)
                s.closeBox();
            else
                s.cancel();

            std::vector<std::string> expected = templateLines();
            for (int step = 1; step < k; ++step)
                expected[at(GuideLines[at(step - 1)])] = Session::guidedText(step);
            EXPECT_EQ(s.allLines(), expected);
            EXPECT_FALSE(fs::exists(dir.file("eggdrop.conf")));
            EXPECT_FALSE(s.dialogShown);
            EXPECT_EQ(s.flow.main.dialogMode(), 0);

            // Starting again begins at step 1 on line 8 as it is now.
            s.createConfig();
            EXPECT_EQ(s.flow.change.guideStep(), 1);
            EXPECT_EQ(s.flow.main.dialogMode(), 1);
            EXPECT_EQ(s.view.edit, expected[8]);
        }
    }
}

TEST(GuidedSetup, EachStepShowsItsLineAsASingleLineEditLeftIt)
{
    TempWorkingDir dir;
    Session s;
    std::vector<std::string> expected = templateLines();
    for (const int index : GuideLines) {
        s.select(index);
        s.doubleClick();
        s.type(cp("правка строки ") + std::to_string(index));
        s.confirm();
        expected[at(index)] = cp("правка строки ") + std::to_string(index);
    }
    s.select(-1);

    s.createConfig();
    for (int step = 1; step <= 10; ++step) {
        SCOPED_TRACE(step);
        EXPECT_EQ(s.view.edit, expected[at(GuideLines[at(step - 1)])]);
        s.confirm(); // as shown
    }
    EXPECT_EQ(s.allLines(), expected);
    EXPECT_EQ(readFile(dir.file("eggdrop.conf")), expectedFile(expected));
}

struct SingleEdit {
    const char* name;
    int line;
    std::optional<std::string> typed; // empty: confirm the text as shown
};

TEST(SingleLineEdit, StoresTheEditTextExactlyInTheSelectedLineOnly)
{
    const std::vector<SingleEdit> cases{
        {"new text in a guided line", 8, cp(R"(set username "другой")")},
        {"text confirmed unchanged", 140, std::nullopt},
        {"empty text", 300, ""},
        {"spaces at both ends kept", 292, R"(   set nick "Lamest"   )"},
        {"only spaces", 12, "   "},
        {"first line", 0, "# my bot"},
        {"last line", 647, cp("не команда вовсе")},
    };
    for (const SingleEdit& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingDir dir;
        Session s;
        s.select(c.line);
        s.doubleClick();
        EXPECT_EQ(s.view.edit, templateLines()[at(c.line)]);
        EXPECT_EQ(s.view.caption, Texts::changeCaption());
        if (c.typed)
            s.type(*c.typed);
        s.confirm();

        std::vector<std::string> expected = templateLines();
        expected[at(c.line)] = c.typed.value_or(templateLines()[at(c.line)]);
        EXPECT_EQ(s.allLines(), expected);
        // The dialog has gone, with no guided step after it, and nothing
        // was written.
        EXPECT_FALSE(s.dialogShown);
        EXPECT_EQ(s.flow.main.dialogMode(), 0);
        EXPECT_FALSE(fs::exists(dir.file("eggdrop.conf")));

        // The next completed guided setup writes the line as it was stored:
        // an empty one as CR LF alone, spaces untouched.
        s.select(-1);
        s.createConfig();
        for (int step = 1; step <= 10; ++step)
            s.confirm(); // as shown
        EXPECT_EQ(readFile(dir.file("eggdrop.conf")), expectedFile(expected));
    }
}

TEST(SingleLineEdit, DoubleClickWithNoLineSelectedFailsAndOpensNothing)
{
    Session s;
    // Leave the dialog holding something else first: an abandoned guided
    // setup leaves "Далее" and line 8.
    s.createConfig();
    s.cancel();
    s.select(-1);
    s.view.calls.clear();

    try {
        s.doubleClick();
        FAIL() << "no error raised";
    } catch (const EStringListError& error) {
        EXPECT_STREQ(error.what(), "List index out of bounds (-1)");
    }
    EXPECT_TRUE(s.view.calls.empty());
    EXPECT_FALSE(s.dialogShown);
    EXPECT_EQ(s.view.edit, templateLines()[8]);
    EXPECT_EQ(s.view.caption, Texts::nextCaption());
    EXPECT_EQ(s.flow.main.dialogMode(), 0);
    EXPECT_EQ(s.allLines(), templateLines());
}

struct VersionCase {
    const char* name;
    // W: WinDrop chosen, E: EggDrop chosen, X: a single-line edit of line 94
    const char* actions;
    const char* line94;
};

TEST(VersionSwitch, RewritesTheTempPathLineWhateverItHeld)
{
    const std::vector<VersionCase> cases{
        {"WinDrop", "W", R"(set temp-path "tmp/")"},
        {"WinDrop then EggDrop", "WE", R"(set temp-path "/tmp")"},
        {"edit, WinDrop, EggDrop", "XWE", R"(set temp-path "/tmp")"},
        {"WinDrop, edit, EggDrop", "WXE", R"(set temp-path "/tmp")"},
        {"edit, then EggDrop chosen again", "XE", R"(set temp-path "/tmp")"},
        {"edit, then WinDrop", "XW", R"(set temp-path "tmp/")"},
        {"EggDrop when it is already chosen", "E", R"(set temp-path "/tmp")"},
        {"an edit alone stays", "X", R"(set temp-path "/var/bot")"},
    };
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.name);
        TempWorkingDir dir;
        Session s;
        for (const char* action = c.actions; *action != '\0'; ++action) {
            switch (*action) {
            case 'W': s.pickWinDrop(); break;
            case 'E': s.pickEggDrop(); break;
            default:
                s.select(94);
                s.doubleClick();
                s.type(R"(set temp-path "/var/bot")");
                s.confirm();
                s.select(-1);
            }
        }
        std::vector<std::string> expected = templateLines();
        expected[94] = c.line94;
        EXPECT_EQ(s.allLines(), expected);
        EXPECT_FALSE(fs::exists(dir.file("eggdrop.conf")));
    }
}

TEST(GuidedSetup, FailedWriteKeepsTheDialogAtTheLastStepUntilItSucceeds)
{
    TempWorkingDir dir;
    const fs::path file = dir.file("eggdrop.conf");
    const std::string earlier = "earlier file\r\n";
    writeFile(file, earlier);
    // Read-only for everybody; the writer must refuse even when run as root.
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    Session s;
    s.guideTo(10);
    const std::string last = cp(R"(set ctcp-version "мой бот")");
    s.type(last);
    s.view.calls.clear();

    try {
        s.confirm();
        FAIL() << "no error raised";
    } catch (const EFCreateError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file eggdrop.conf");
    }
    EXPECT_TRUE(s.view.calls.empty()) << "no completion message, no close request";
    EXPECT_TRUE(s.atMessage.empty());
    EXPECT_TRUE(s.dialogShown);
    EXPECT_EQ(s.flow.main.dialogMode(), 1);
    EXPECT_EQ(s.flow.change.guideStep(), 10);
    EXPECT_EQ(s.view.edit, last);
    EXPECT_EQ(readFile(file), earlier);

    std::vector<std::string> expected = templateLines();
    for (int step = 1; step < 10; ++step)
        expected[at(GuideLines[at(step - 1)])] = Session::guidedText(step);
    expected[389] = last;
    EXPECT_EQ(s.allLines(), expected);

    // The user mends the cause and presses "Далее" again.
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    s.confirm();
    EXPECT_EQ(readFile(file), expectedFile(expected));
    EXPECT_EQ(s.view.calls,
              (std::vector<Call>{{Call::ShowMessage, Texts::completionMessage()}, {Call::RequestClose, {}}}));
    ASSERT_EQ(s.atMessage.size(), 1u);
    EXPECT_EQ(s.atMessage[0].outputFile, expectedFile(expected));
    EXPECT_FALSE(s.dialogShown);
    EXPECT_EQ(s.flow.main.dialogMode(), 0);
}

} // namespace
} // namespace brimvale::editing::testing
