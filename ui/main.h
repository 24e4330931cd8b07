#pragma once

#include "document/config_lines.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QTabWidget;

namespace brimvale::editing {
class MainWindowHandlers;
}

namespace brimvale::ui {

class HandlerRunner;
class LineListBox;
class PushButton;
class RadioButton;

// The main window: the configuration's lines with the controls that start
// each editing action on the tab "Конфиг", and the About tab. It owns the
// lines (they are the items of ListBox1) for the whole run.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Builds the window hidden, fills the lines from the template and checks
    // "EggDrop 1.6.17" before any handler is attached, so that none runs.
    TForm1(HandlerRunner& runner, const QFont& font);
    ~TForm1() override;

    // Connects the window's events to the editing logic.
    void attach(editing::MainWindowHandlers& handlers) noexcept { handlers_ = &handlers; }

    ConfigLines& lines() noexcept { return lines_; }
    int selectedLineIndex() const;

    // The dialog is about to come up / has just gone.
    void dialogOpening() noexcept { firstActivationPending_ = false; }
    void dialogClosed();

    // Event handlers, each run through the HandlerRunner.
    void Button1Click();
    void ListBox1DblClick();
    void Button3Click();
    void FormActivate();
    void RadioButton1Click();
    void RadioButton2Click();

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QLabel* Label1;
    LineListBox* ListBox1;
    PushButton* Button1;
    PushButton* Button3;
    QGroupBox* GroupBox2;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label13;
    QLabel* Label14;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label17;
    QGroupBox* GroupBox1;
    RadioButton* RadioButton1;
    RadioButton* RadioButton2;

protected:
    bool event(QEvent* event) override;

private:

    ConfigLines lines_;
    HandlerRunner& runner_;
    editing::MainWindowHandlers* handlers_ = nullptr;
    bool firstActivationPending_ = true;
};

} // namespace brimvale::ui
