// The program's own start-up, up to the first paint of the main window:
// both windows built, the main one shown and painted once, then stop.

#include "paint_once.h"

#include "ui/app_identity.h"
#include "ui/main.h"
#include "ui/startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    brimvale::bench::selectPlatform();
    QApplication application(argc, argv);
    brimvale::ui::initialiseApplication();

    brimvale::ui::Program program;
    program.show();
    return brimvale::bench::runUntilPainted(program.form1());
}
