// The dialog's life, event by event: each row starts from one state,
// applies one user action and checks what the windows were told, which
// lines changed, whether eggdrop.conf was written, and the state after.

#include "harness.h"

#include "document/output_file.h"
#include "editing/workflow.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brimvale::editing::testing {
namespace {

struct State {
    bool dialogShown;
    int dialogMode;
    // Left empty where the state does not show it.
    std::optional<int> guideStep;
    std::optional<std::string> caption;
    std::optional<std::string> editText;
};

State idle() { return {false, 0, std::nullopt, std::nullopt, std::nullopt}; }

struct Row {
    std::string name;
    std::function<void(Session&)> from;
    std::function<void(Session&)> event;
    std::vector<Call> calls;
    std::map<int, std::string> stored; // every line the event changes
    bool writesFile = false;
    // The completion message is up between the write and the close request.
    bool finishes = false;
    std::optional<State> to; // empty: the program ends
};

const std::string& line(int index) { return templateLines()[static_cast<std::size_t>(index)]; }

int guideLine(int step) { return GuideLines[static_cast<std::size_t>(step - 1)]; }

const int Row200 = 200; // a line no guided step touches

std::vector<Row> rows()
{
    const std::string change = cp("Изменить");
    const std::string next = cp("Далее");
    const std::string typed = cp("  введённый текст ");
    std::vector<Row> table;

    // Idle is reached in several ways; the dialog must open the same way
    // from each of them.
    struct Origin {
        std::string name;
        std::function<void(Session&)> reach;
        std::string line8;
    };
    const std::vector<Origin> origins{
        {"fresh start", [](Session&) {}, line(8)},
        {"after a finished guided setup",
         [](Session& s) {
             s.guideTo(10);
             s.confirm();
         },
         Session::guidedText(1)},
        {"after a guided setup cancelled at step 4",
         [](Session& s) {
             s.guideTo(4);
             s.cancel();
         },
         Session::guidedText(1)},
        {"after a single-line edit of line 8",
         [](Session& s) {
             s.select(8);
             s.doubleClick();
             s.type("set username \"x\"");
             s.confirm();
         },
         "set username \"x\""},
    };
    for (const Origin& origin : origins) {
        table.push_back({"Idle (" + origin.name + "), double-click on a line", origin.reach,
                         [](Session& s) {
                             s.select(Row200);
                             s.doubleClick();
                         },
                         {{Call::SetEditText, line(Row200)}, {Call::SetCaption, change}, {Call::ShowDialog, {}}},
                         {},
                         false,
                         false,
                         State{true, 0, 1, change, line(Row200)}});
        table.push_back({"Idle (" + origin.name + "), Создать Конфиг", origin.reach,
                         [](Session& s) { s.createConfig(); },
                         {{Call::SetCaption, next}, {Call::SetEditText, origin.line8}, {Call::ShowDialog, {}}},
                         {},
                         false,
                         false,
                         State{true, 1, 1, next, origin.line8}});
    }

    table.push_back({"Idle, EggDrop chosen", [](Session& s) { s.pickWinDrop(); },
                     [](Session& s) { s.pickEggDrop(); }, {}, {{94, R"(set temp-path "/tmp")"}}, false, false, idle()});
    table.push_back({"Idle, WinDrop chosen", [](Session&) {}, [](Session& s) { s.pickWinDrop(); }, {},
                     {{94, R"(set temp-path "tmp/")"}}, false, false, idle()});
    table.push_back({"Idle, Выход", [](Session&) {}, [](Session& s) { s.exit(); }, {{Call::CloseMain, {}}}, {},
                     false, false, std::nullopt});

    const auto editing = [](Session& s) {
        s.select(Row200);
        s.doubleClick();
    };
    table.push_back({"Editing a line, Изменить", editing,
                     [typed](Session& s) {
                         s.type(typed);
                         s.confirm();
                     },
                     {{Call::RequestClose, {}}}, {{Row200, typed}}, false, false, idle()});
    table.push_back({"Editing a line, Отмена", editing,
                     [typed](Session& s) {
                         s.type(typed);
                         s.cancel();
                     },
                     {{Call::RequestClose, {}}}, {}, false, false, idle()});
    table.push_back({"Editing a line, close box", editing,
                     [typed](Session& s) {
                         s.type(typed);
                         s.closeBox();
                     },
                     {}, {}, false, false, idle()});

    for (int k = 1; k <= 10; ++k) {
        const std::string step = "Guided step " + std::to_string(k);
        const auto reach = [k](Session& s) { s.guideTo(k); };
        if (k < 10) {
            table.push_back({step + ", Далее", reach,
                             [typed](Session& s) {
                                 s.type(typed);
                                 s.confirm();
                             },
                             {{Call::SetEditText, line(guideLine(k + 1))}}, {{guideLine(k), typed}}, false, false,
                             State{true, 1, k + 1, next, line(guideLine(k + 1))}});
        } else {
            table.push_back({step + ", Далее", reach,
                             [typed](Session& s) {
                                 s.type(typed);
                                 s.confirm();
                             },
                             {{Call::ShowMessage, cp("генерация eggdrop.conf завершена.")}, {Call::RequestClose, {}}},
                             {{389, typed}}, true, true, idle()});
        }
        table.push_back({step + ", Отмена", reach,
                         [typed](Session& s) {
                             s.type(typed);
                             s.cancel();
                         },
                         {{Call::RequestClose, {}}}, {}, false, false, idle()});
        table.push_back({step + ", close box", reach,
                         [typed](Session& s) {
                             s.type(typed);
                             s.closeBox();
                         },
                         {}, {}, false, false, idle()});
    }
    return table;
}

std::optional<std::string> outputFile()
{
    if (!std::filesystem::exists(OutputFileName))
        return std::nullopt;
    return brimvale::testing::readFile(OutputFileName);
}

void expectState(const Snapshot& actual, const State& expected)
{
    EXPECT_EQ(actual.dialogShown, expected.dialogShown);
    EXPECT_EQ(actual.dialogMode, expected.dialogMode);
    if (expected.guideStep) {
        EXPECT_EQ(actual.guideStep, *expected.guideStep);
    }
    if (expected.caption) {
        EXPECT_EQ(actual.caption, *expected.caption);
    }
    if (expected.editText) {
        EXPECT_EQ(actual.editText, *expected.editText);
    }
}

TEST(DialogStateTable, EachEventInEachStateHasItsEffectAndNextState)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        brimvale::testing::TempWorkingDir dir;
        Session s;
        row.from(s);
        const std::vector<std::string> before = s.allLines();
        const std::optional<std::string> fileBefore = outputFile();
        s.view.calls.clear();
        s.atMessage.clear();

        row.event(s);

        EXPECT_EQ(s.view.calls, row.calls);

        std::vector<std::string> expected = before;
        for (const auto& [index, text] : row.stored)
            expected[static_cast<std::size_t>(index)] = text;
        EXPECT_EQ(s.allLines(), expected);

        if (row.writesFile) {
            EXPECT_EQ(outputFile(), expectedFile(expected));
        } else {
            EXPECT_EQ(outputFile(), fileBefore);
        }

        if (row.finishes) {
            // Finishing: the file is complete on disk while the message is
            // up, and the dialog is still there, not yet asked to close.
            ASSERT_EQ(s.atMessage.size(), 1u);
            const Snapshot& finishing = s.atMessage.front();
            expectState(finishing, State{true, 1, 10, cp("Далее"), row.stored.at(389)});
            EXPECT_FALSE(finishing.closeRequested);
            EXPECT_EQ(finishing.outputFile, expectedFile(expected));
        }

        if (row.to) {
            expectState(s.snapshot(), *row.to);
        }
    }
}

} // namespace
} // namespace brimvale::editing::testing
