#include "editing/workflow.h"

#include "document/config_lines.h"
#include "document/output_file.h"
#include "editing/view.h"

#include <cstddef>
#include <utility>

// None of these handlers catches anything: a step that fails raises, the
// handler stops there, and whatever it changed before stays changed. The
// window layer reports the failure in its one error box.
namespace brimvale::editing {

namespace {

// The line at guided position `step` (1 to 10). The dialog's activation
// always puts the step in range before the user can confirm; at() turns a
// broken caller into an exception rather than a read past the table.
int guideLine(int step)
{
    return GuideLines.at(static_cast<std::size_t>(step - 1));
}

constexpr int LastGuideStep = static_cast<int>(GuideLines.size());

} // namespace

// Single-line editing starts on the selected row. With no row selected the
// read fails, and the dialog is neither filled nor opened.
void MainWindowHandlers::ListBox1DblClick()
{
    const int index = view_.selectedLineIndex();
    std::string text = lines_.read(index);
    view_.setEditText(text);
    view_.setConfirmCaption(Texts::changeCaption());
    view_.showDialogModal();
}

// Guided setup starts on the first guided line, as that line is now.
void MainWindowHandlers::Button1Click()
{
    view_.setConfirmCaption(Texts::nextCaption());
    DialogMode = 1;
    std::string text = lines_.read(guideLine(1));
    view_.setEditText(text);
    view_.showDialogModal();
}

// Exit: nothing is written, whatever was edited.
void MainWindowHandlers::Button3Click()
{
    view_.closeMainWindow();
}

// The main window is active again only once the dialog has gone, so this is
// where every way of leaving the dialog ends up back in single-line mode.
void MainWindowHandlers::FormActivate()
{
    DialogMode = 0;
}

void MainWindowHandlers::RadioButton1Click()
{
    lines_.replace(TempPathLine, Texts::eggdropTempPath());
}

void MainWindowHandlers::RadioButton2Click()
{
    lines_.replace(TempPathLine, Texts::windropTempPath());
}

// Runs once per showing of the dialog, so a guided setup always begins at
// its first line, and a message box over the dialog does not restart it.
void DialogHandlers::FormActivate()
{
    GuideStep = 1;
}

void DialogHandlers::Button1Click()
{
    if (main_.dialogMode() == 0) {
        std::string text = view_.editText();
        const int index = view_.selectedLineIndex();
        lines_.replace(index, std::move(text));
        view_.requestDialogClose();
        return;
    }

    if (GuideStep == LastGuideStep) {
        lines_.replace(guideLine(GuideStep), view_.editText());
        // The user is told of completion only once the file is really there.
        // When the write fails the error surfaces instead, the dialog stays
        // at this step with every stored line kept, and the user can mend
        // the cause and press again, or cancel.
        writeOutputFile(lines_);
        view_.showMessage(Texts::completionMessage());
        view_.requestDialogClose();
        return;
    }

    lines_.replace(guideLine(GuideStep), view_.editText());
    std::string next = lines_.read(guideLine(GuideStep + 1));
    view_.setEditText(next);
    ++GuideStep;
}

// Cancel stores nothing; the guided steps already confirmed stay stored.
void DialogHandlers::Button2Click()
{
    view_.requestDialogClose();
}

} // namespace brimvale::editing
