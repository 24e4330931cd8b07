#pragma once

#include "editing/view.h"

namespace brimvale::ui {

class HandlerRunner;
class TForm1;
class TForm2;

// What the editing handlers see of the two windows.
class WindowsView final : public editing::View {
public:
    WindowsView(TForm1& main, TForm2& dialog, HandlerRunner& runner) noexcept
        : main_(main), dialog_(dialog), runner_(runner)
    {
    }

    std::string editText() const override;
    void setEditText(const std::string& text) override;
    void setConfirmCaption(const std::string& caption) override;
    void showDialogModal() override;
    void requestDialogClose() override;
    void closeMainWindow() override;
    int selectedLineIndex() const override;
    void showMessage(const std::string& text) override;

private:
    TForm1& main_;
    TForm2& dialog_;
    HandlerRunner& runner_;
};

} // namespace brimvale::ui
