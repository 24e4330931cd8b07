#include "ui/app_identity.h"

#include <QApplication>
#include <QIcon>

// Q_INIT_RESOURCE must be used from the global namespace; the icon lives in
// a static library, so nothing would pull its resource in otherwise.
static void initialiseIconResource()
{
    Q_INIT_RESOURCE(brimvale);
}

namespace brimvale::ui {

QString applicationTitle()
{
    return QStringLiteral("Генератор файлов конфигурации ботов Eggdrop/WinDrop 1.6.17");
}

void initialiseApplication()
{
    initialiseIconResource();
    QCoreApplication::setApplicationName(QStringLiteral("Brimvale"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
    // Lets desktops match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("brimvale"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brimvale/brimvale.png")));
}

} // namespace brimvale::ui
