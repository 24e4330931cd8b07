#include "harness.h"

#include "document/cp1251.h"
#include "document/output_file.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace brimvale::editing::testing {

std::string cp(const char* utf8) { return cp1251::fromUtf8(utf8); }

void PrintTo(const Call& call, std::ostream* out)
{
    static const char* const names[] = {"setEditText", "setConfirmCaption", "showDialogModal",
                                        "requestDialogClose", "closeMainWindow", "showMessage"};
    *out << names[call.kind] << "(\"" << cp1251::toUtf8(call.text) << "\")";
}

void RecordingView::setEditText(const std::string& text)
{
    calls.push_back({Call::SetEditText, text});
    edit = text;
}

void RecordingView::setConfirmCaption(const std::string& text)
{
    calls.push_back({Call::SetCaption, text});
    caption = text;
}

void RecordingView::showDialogModal()
{
    calls.push_back({Call::ShowDialog, {}});
    showPending = true;
}

void RecordingView::requestDialogClose()
{
    calls.push_back({Call::RequestClose, {}});
    closePending = true;
}

void RecordingView::closeMainWindow() { calls.push_back({Call::CloseMain, {}}); }

void RecordingView::showMessage(const std::string& text)
{
    calls.push_back({Call::ShowMessage, text});
    if (onMessage)
        onMessage();
}

Session::Session() : flow(lines, view)
{
    lines.fill();
    view.onMessage = [this] { atMessage.push_back(snapshot()); };
    // The main window becomes active at start-up.
    flow.main.FormActivate();
}

void Session::run(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        settle();
        throw;
    }
    settle();
}

void Session::settle()
{
    if (view.showPending) {
        view.showPending = false;
        dialogShown = true;
        flow.change.FormActivate();
    }
    if (view.closePending) {
        view.closePending = false;
        if (dialogShown) {
            dialogShown = false;
            flow.main.FormActivate();
        }
    }
}

void Session::closeBox()
{
    view.closePending = true;
    settle();
}

void Session::guideTo(int k)
{
    createConfig();
    for (int step = 1; step < k; ++step) {
        type(guidedText(step));
        confirm();
    }
}

std::string Session::guidedText(int step)
{
    return cp("set шаг ") + std::to_string(step);
}

Snapshot Session::snapshot() const
{
    Snapshot s;
    s.dialogShown = dialogShown;
    s.dialogMode = flow.main.dialogMode();
    s.guideStep = flow.change.guideStep();
    s.caption = view.caption;
    s.editText = view.edit;
    s.closeRequested = view.closePending;
    if (std::filesystem::exists(OutputFileName))
        s.outputFile = brimvale::testing::readFile(OutputFileName);
    return s;
}

std::vector<std::string> Session::allLines() const
{
    std::vector<std::string> all;
    for (int i = 0; i < lines.count(); ++i)
        all.push_back(lines.at(i));
    return all;
}

const std::vector<std::string>& templateLines()
{
    static const std::vector<std::string> all = [] {
        ConfigLines fresh;
        fresh.fill();
        std::vector<std::string> result;
        for (int i = 0; i < fresh.count(); ++i)
            result.push_back(fresh.at(i));
        return result;
    }();
    return all;
}

std::string expectedFile(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace brimvale::editing::testing
