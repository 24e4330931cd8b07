#include "ui/windows_view.h"

#include "ui/change.h"
#include "ui/handler_runner.h"
#include "ui/main.h"
#include "ui/message_boxes.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/text_codec.h"

namespace brimvale::ui {

std::string WindowsView::editText() const
{
    return toCp1251(dialog_.Edit1->text());
}

void WindowsView::setEditText(const std::string& text)
{
    dialog_.Edit1->setText(fromCp1251(text));
}

void WindowsView::setConfirmCaption(const std::string& caption)
{
    dialog_.Button1->setText(fromCp1251(caption));
}

void WindowsView::showDialogModal()
{
    dialog_.showModal();
}

void WindowsView::requestDialogClose()
{
    dialog_.requestClose();
}

void WindowsView::closeMainWindow()
{
    // Closing the main window ends the program; let the handler that asked
    // finish first.
    runner_.defer([this] { main_.close(); });
}

int WindowsView::selectedLineIndex() const
{
    return main_.selectedLineIndex();
}

void WindowsView::showMessage(const std::string& text)
{
    showMessageBox(fromCp1251(text));
}

} // namespace brimvale::ui
