#include "ui/startup.h"

#include "editing/workflow.h"
#include "ui/change.h"
#include "ui/desktop_position.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/window_font.h"
#include "ui/windows_view.h"

#include <QTabBar>
#include <QTabWidget>

namespace brimvale::ui {

Program::Program() : Program(windowFont()) {}

Program::Program(const QFont& font)
{
    form1_ = std::make_unique<TForm1>(runner_, font);
    form2_ = std::make_unique<TForm2>(form1_.get(), runner_, font);
    view_ = std::make_unique<WindowsView>(*form1_, *form2_, runner_);
    workflow_ = std::make_unique<editing::Workflow>(form1_->lines(), *view_);
    form1_->attach(workflow_->main);
    form2_->attach(workflow_->change);

    QObject::connect(form2_.get(), &TForm2::opening, form1_.get(), &TForm1::dialogOpening);
    QObject::connect(form2_.get(), &TForm2::closed, form1_.get(), &TForm1::dialogClosed);
}

Program::~Program()
{
    // The dialog is a child of the main window; it goes first, and the
    // workflow before either, as it refers to both through the view.
    workflow_.reset();
    view_.reset();
    form2_.reset();
    form1_.reset();
}

void Program::show()
{
    TForm1& window = *form1_;
    window.PageControl1->setCurrentWidget(window.TabSheet1);
    window.ListBox1->clearSelection();
    window.ListBox1->scrollToTop();
    centreOnDesktop(window);
    window.show();
    window.PageControl1->tabBar()->setFocus(Qt::OtherFocusReason);
    window.activateWindow();
}

} // namespace brimvale::ui
