#include "ui/message_boxes.h"

#include "ui/app_identity.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

namespace brimvale::ui {

namespace {

// Qt centres a message box over its parent; this one stands in the middle
// of the screen it is on, whatever window it belongs to.
class ScreenCentredMessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (event->spontaneous())
            return;
        const QScreen* where = screen();
        if (!where)
            return;
        QMargins frame;
        if (const QWindow* handle = windowHandle())
            frame = handle->frameMargins();
        const QSize outer = size().grownBy(frame);
        const QRect area = where->geometry();
        move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
    }
};

// The window a box belongs to: the open dialog if there is one, otherwise
// the active window.
QWidget* boxOwner()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

// Runs the box; afterwards gives activation back to the window that had it,
// which desktops do not always do for a window that was blocked.
void runModal(QMessageBox& box)
{
    QPointer<QWidget> wasActive = QApplication::activeWindow();
    box.setTextFormat(Qt::PlainText);
    box.exec();
    if (wasActive && wasActive->isVisible())
        wasActive->activateWindow();
}

} // namespace

void showErrorBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, boxOwner());
    box.setObjectName(QStringLiteral("ErrorBox"));
    runModal(box);
}

void showMessageBox(const QString& text)
{
    ScreenCentredMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::NoButton, boxOwner());
    box.setObjectName(QStringLiteral("MessageBox"));
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    runModal(box);
}

} // namespace brimvale::ui
