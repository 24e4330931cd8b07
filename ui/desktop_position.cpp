#include "ui/desktop_position.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace brimvale::ui {

namespace {

QMargins frameOf(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void moveToCentre(QWidget& window, const QMargins& frame)
{
    QSize desktop = window.size().grownBy(frame);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        desktop = screen->virtualSize();
    // QWidget::move places the frame's top-left corner.
    window.move(desktopCentre(window.size().grownBy(frame), desktop));
}

// Some window managers frame a window only once it is on screen, so its
// frame may be unknown when it is first placed. When the frame shows up
// before the window is first painted, and the window still stands where it
// was put, it is placed again with the real frame.
class RecentreWhenFramed : public QObject {
public:
    RecentreWhenFramed(QWidget& window, const QMargins& assumed)
        : QObject(&window), window_(window), assumed_(assumed),
          client_(window.pos() + QPoint(assumed.left(), assumed.top()))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_)
            return false;
        if (event->type() == QEvent::Paint) {
            const QMargins frame = frameOf(window_);
            if (frame != assumed_ && window_.geometry().topLeft() == client_)
                moveToCentre(window_, frame);
            done();
        } else if (event->type() == QEvent::Hide) {
            done();
        }
        return false;
    }

private:
    void done()
    {
        window_.removeEventFilter(this);
        deleteLater();
    }

    QWidget& window_;
    QMargins assumed_;
    QPoint client_;
};

} // namespace

QPoint desktopCentre(QSize window, QSize desktop) noexcept
{
    return {std::max(0, (desktop.width() - window.width()) / 2),
            std::max(0, (desktop.height() - window.height()) / 2)};
}

void centreOnDesktop(QWidget& window)
{
    // The platform window must exist for its frame to be known, where the
    // platform knows it before showing.
    window.winId();
    const QMargins frame = frameOf(window);
    moveToCentre(window, frame);
    new RecentreWhenFramed(window, frame);
}

} // namespace brimvale::ui
