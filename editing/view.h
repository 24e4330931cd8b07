#pragma once

#include <string>

namespace brimvale::editing {

// What the editing handlers need of the two windows. All text is
// Windows-1251. The Qt windows implement it; tests use a recording fake.
class View {
public:
    virtual ~View() = default;

    // Field value dialog.
    virtual std::string editText() const = 0;
    virtual void setEditText(const std::string& text) = 0;
    virtual void setConfirmCaption(const std::string& caption) = 0;
    // Brings the dialog up modally. May return before the dialog closes, as
    // long as the main window takes no input until it has closed.
    virtual void showDialogModal() = 0;
    // Takes effect only when the handler that asked has finished: the
    // handler's later steps still run with the dialog on screen.
    virtual void requestDialogClose() = 0;

    // Main window.
    virtual void closeMainWindow() = 0;
    // The selected row of the line list, or -1 when none is selected.
    virtual int selectedLineIndex() const = 0;

    // A modal box titled with the application title, without an icon, with
    // one OK button; returns when the user has dismissed it.
    virtual void showMessage(const std::string& text) = 0;
};

} // namespace brimvale::editing
