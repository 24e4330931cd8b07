#pragma once

#include <QDialog>
#include <QPointer>

class QLabel;

namespace brimvale::editing {
class DialogHandlers;
}

namespace brimvale::ui {

class HandlerRunner;
class OneLineEdit;
class PushButton;

// The field value dialog: one configuration line in a one-line field, a
// confirm button and "Отмена". Built once at start and reused for every
// edit, so its position and its focused control carry over between showings.
//
// It decides nothing itself: its buttons run the editing handlers, and it
// closes only when asked (requestClose), by the handlers, the close box or
// Alt+F4. Enter and Esc never confirm or close it; neither button is ever a
// default button.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(QWidget* owner, HandlerRunner& runner, const QFont& font);
    ~TForm2() override;

    void attach(editing::DialogHandlers& handlers) noexcept { handlers_ = &handlers; }

    // Brings the dialog up over every other window of the program and runs
    // its activation handler once. Returns at once; the other windows take
    // no input until the dialog has closed.
    void showModal();

    // Closes the dialog once the running handler has finished, at once when
    // none is running.
    void requestClose();

    // Event handlers, each run through the HandlerRunner.
    void FormActivate();
    void Button1Click();
    void Button2Click();

    QLabel* Label1;
    OneLineEdit* Edit1;
    PushButton* Button1;
    PushButton* Button2;

signals:
    void opening();
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void closeNow();

    HandlerRunner& runner_;
    editing::DialogHandlers* handlers_ = nullptr;
    bool shownBefore_ = false;
    bool closePending_ = false;
    QPointer<QWidget> lastFocus_;
};

} // namespace brimvale::ui
