#include "paint_once.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace brimvale::bench {

namespace {

// Leaves the loop once the first paint of the watched window has finished.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void selectPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int runUntilPainted(QWidget& window)
{
    FirstPaint watcher;
    window.installEventFilter(&watcher);
    return QApplication::exec();
}

} // namespace brimvale::bench
