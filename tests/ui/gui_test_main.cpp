// The GUI tests' own main: Qt needs its application object before any
// widget exists, and these tests run on the offscreen platform unless the
// caller chose another one.

#include "ui/app_identity.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    brimvale::ui::initialiseApplication();
    return RUN_ALL_TESTS();
}
