// The program: builds the two windows, shows the main one and runs until
// it is closed.

#include "ui/app_identity.h"
#include "ui/handler_runner.h"
#include "ui/message_boxes.h"
#include "ui/startup.h"

#include <QApplication>

#include <exception>

int main(int, char* argv[])
{
    // The program takes no arguments, and so passes none to Qt either.
    int argumentCount = 1;
    QApplication application(argumentCount, argv);
    brimvale::ui::initialiseApplication();

    try {
        brimvale::ui::Program program;
        program.show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Only building the windows can get here, before any loop runs.
        brimvale::ui::showErrorBox(brimvale::ui::errorBoxText(QString::fromUtf8(error.what())));
        return 1;
    }
}
