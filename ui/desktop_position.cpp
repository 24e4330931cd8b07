#include "ui/desktop_position.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace brimvale::ui {

QPoint desktopCentre(QSize window, QSize desktop) noexcept
{
    return {std::max(0, (desktop.width() - window.width()) / 2),
            std::max(0, (desktop.height() - window.height()) / 2)};
}

void centreOnDesktop(QWidget& window)
{
    // The platform window must exist for its frame to be known.
    window.winId();
    QMargins frame;
    if (const QWindow* handle = window.windowHandle())
        frame = handle->frameMargins();
    const QSize outer = window.size().grownBy(frame);

    QSize desktop = outer;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        desktop = screen->virtualSize();
    // QWidget::move places the frame's top-left corner.
    window.move(desktopCentre(outer, desktop));
}

} // namespace brimvale::ui
