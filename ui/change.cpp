#include "ui/change.h"

#include "editing/workflow.h"
#include "ui/desktop_position.h"
#include "ui/handler_runner.h"
#include "ui/layout.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/scale.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

namespace brimvale::ui {

TForm2::TForm2(QWidget* owner, HandlerRunner& runner, const QFont& font)
    : QDialog(owner,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      runner_(runner)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Смена значения поля"));
    setFont(font);
    setWindowModality(Qt::ApplicationModal);
    setSizeGripEnabled(false);
    const Scale scale = Scale::forFont(font);
    setFixedSize(scale(420), scale(132));

    Label1 = makeLabel(QStringLiteral("Значение поля:"), this, scale, 8, 24, QStringLiteral("Label1"));

    Edit1 = place(new OneLineEdit(this), QStringLiteral("Edit1"), scale.rect(8, 48, 401, 21));

    Button1 = place(new PushButton(QStringLiteral("Изменить"), this),
                    QStringLiteral("Button1"), scale.rect(256, 96, 75, 25));

    Button2 = place(new PushButton(QStringLiteral("Отмена"), this),
                    QStringLiteral("Button2"), scale.rect(336, 96, 75, 25));

    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

TForm2::~TForm2() = default;

void TForm2::showModal()
{
    emit opening();
    if (!shownBefore_) {
        // Only the first showing places the dialog; afterwards it stays
        // where it was last, moved by the user or not.
        centreOnDesktop(*this);
    }
    show();
    activateWindow();
    if (!shownBefore_) {
        Edit1->setFocus(Qt::OtherFocusReason);
        Edit1->selectAll();
    } else if (lastFocus_) {
        lastFocus_->setFocus(Qt::OtherFocusReason);
        if (lastFocus_ == Edit1)
            Edit1->deselect();
    }
    shownBefore_ = true;
    // Once per showing, before the dialog takes any input; never again for
    // a message box over it or a return from another program.
    FormActivate();
}

void TForm2::requestClose()
{
    if (closePending_)
        return;
    closePending_ = true;
    runner_.defer([this] { closeNow(); });
}

void TForm2::closeNow()
{
    closePending_ = false;
    if (!isVisible())
        return;
    lastFocus_ = focusWidget();
    hide();
    emit closed();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // QDialog would press a default button on Enter and close on Esc; this
    // dialog has neither. Enter on a focused button never gets here: the
    // button takes it.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // The close box and Alt+F4 do what "Отмена" does, without its handler;
    // the dialog goes away by hiding, never by Qt's own reject().
    event->ignore();
    requestClose();
}

void TForm2::FormActivate()
{
    runner_.runMember(handlers_, &editing::DialogHandlers::FormActivate);
}

void TForm2::Button1Click()
{
    runner_.runMember(handlers_, &editing::DialogHandlers::Button1Click);
}

void TForm2::Button2Click()
{
    runner_.runMember(handlers_, &editing::DialogHandlers::Button2Click);
}

} // namespace brimvale::ui
