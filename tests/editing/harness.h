#pragma once

#include "document/config_lines.h"
#include "editing/view.h"
#include "editing/workflow.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace brimvale::editing::testing {

// UTF-8 test text as the Windows-1251 bytes that the workflow handles.
std::string cp(const char* utf8);

// One command the logic gave the windows. Queries (edit text, selected
// row) are not recorded: they change nothing on screen.
struct Call {
    enum Kind { SetEditText, SetCaption, ShowDialog, RequestClose, CloseMain, ShowMessage };
    Kind kind;
    std::string text;
    bool operator==(const Call&) const = default;
};
void PrintTo(const Call& call, std::ostream* out);

// What the windows look like at one moment.
struct Snapshot {
    bool dialogShown = false;
    int dialogMode = 0;
    int guideStep = 0;
    std::string caption;
    std::string editText;
    bool closeRequested = false;
    std::optional<std::string> outputFile; // eggdrop.conf in the working directory
};

// A view that records every command in order. The edit field is a plain
// string that the logic sets and the "user" types into; the selected row
// is whatever the test scripts.
class RecordingView : public View {
public:
    std::string editText() const override { return edit; }
    void setEditText(const std::string& text) override;
    void setConfirmCaption(const std::string& text) override;
    void showDialogModal() override;
    void requestDialogClose() override;
    void closeMainWindow() override;
    int selectedLineIndex() const override { return selected; }
    void showMessage(const std::string& text) override;

    std::vector<Call> calls;
    std::string edit;
    std::string caption;
    int selected = -1;
    bool showPending = false;
    bool closePending = false;
    // Called from showMessage, while the box would be on screen.
    std::function<void()> onMessage;
};

// The two windows around the logic, keeping the promises that the Qt
// windows must keep: the dialog's activation runs once as it comes up, a
// close request takes effect only when the running handler has finished
// (also when it failed), and the main window is activated again once the
// dialog has gone.
class Session {
public:
    Session();

    // User actions.
    void select(int index) { view.selected = index; }
    void type(const std::string& text) { view.edit = text; }
    void doubleClick() { run([this] { flow.main.ListBox1DblClick(); }); }
    void createConfig() { run([this] { flow.main.Button1Click(); }); }
    void exit() { run([this] { flow.main.Button3Click(); }); }
    void pickEggDrop() { run([this] { flow.main.RadioButton1Click(); }); }
    void pickWinDrop() { run([this] { flow.main.RadioButton2Click(); }); }
    void confirm() { run([this] { flow.change.Button1Click(); }); }
    void cancel() { run([this] { flow.change.Button2Click(); }); }
    void closeBox();

    // Opens guided setup and confirms steps 1 to k - 1, storing text(step).
    void guideTo(int k);
    static std::string guidedText(int step);

    Snapshot snapshot() const;
    std::vector<std::string> allLines() const;

    ConfigLines lines;
    RecordingView view;
    Workflow flow;
    bool dialogShown = false;
    // The windows as they were while the completion message was up.
    std::vector<Snapshot> atMessage;

private:
    void run(const std::function<void()>& handler);
    void settle();
};

// The template's lines, as a fresh document holds them.
const std::vector<std::string>& templateLines();

// eggdrop.conf as it must be for these lines: each followed by CR LF.
std::string expectedFile(const std::vector<std::string>& lines);

} // namespace brimvale::editing::testing
