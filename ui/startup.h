#pragma once

#include "ui/handler_runner.h"

#include <QFont>

#include <memory>

namespace brimvale::editing {
struct Workflow;
}

namespace brimvale::ui {

class TForm1;
class TForm2;
class WindowsView;

// The program's two windows and the editing workflow between them, built in
// start-up order: the main window (which fills the lines), then the dialog,
// hidden. Nothing here runs an event loop, so tests and benchmarks can build
// and show the windows and drive them as they like.
class Program {
public:
    // Needs a QApplication; initialiseApplication() should have run.
    explicit Program(const QFont& font);
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the main window centred on the desktop with "Конфиг" in front,
    // no line selected, line 0 at the top and the focus on the tab strip.
    void show();

    TForm1& form1() noexcept { return *form1_; }
    TForm2& form2() noexcept { return *form2_; }
    editing::Workflow& workflow() noexcept { return *workflow_; }

private:
    HandlerRunner runner_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<WindowsView> view_;
    std::unique_ptr<editing::Workflow> workflow_;
};

} // namespace brimvale::ui
