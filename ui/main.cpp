#include "ui/main.h"

#include "editing/workflow.h"
#include "ui/app_identity.h"
#include "ui/handler_runner.h"
#include "ui/layout.h"
#include "ui/line_list_box.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/scale.h"
#include "ui/window_font.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

namespace brimvale::ui {

TForm1::TForm1(HandlerRunner& runner, const QFont& font)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                  | Qt::MSWindowsFixedSizeDialogHint),
      runner_(runner)
{
    lines_.fill();

    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    setFont(font);
    const Scale scale = Scale::forFont(font);
    setFixedSize(scale(652), scale(435));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, 0, width(), height());
    PageControl1->setTabPosition(QTabWidget::North);
    PageControl1->setUsesScrollButtons(false);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Конфиг"));
    PageControl1->addTab(TabSheet2, QStringLiteral("О программе"));

    // Tab "Конфиг".
    Label1 = makeLabel(QStringLiteral("Файл конфигурации:"), TabSheet1, scale, 8, 8, QStringLiteral("Label1"));

    ListBox1 = place(new LineListBox(lines_, scale(13), TabSheet1),
                     QStringLiteral("ListBox1"), scale.rect(8, 32, 633, 305));

    Button1 = place(new PushButton(QStringLiteral("Создать Конфиг"), TabSheet1),
                    QStringLiteral("Button1"), scale.rect(160, 344, 129, 25));

    Button3 = place(new PushButton(QStringLiteral("Выход"), TabSheet1),
                    QStringLiteral("Button3"), scale.rect(160, 376, 129, 25));

    GroupBox1 = place(new QGroupBox(QStringLiteral("Версия бота:"), TabSheet1),
                      QStringLiteral("GroupBox1"), scale.rect(8, 344, 145, 57));

    RadioButton1 = place(new RadioButton(QStringLiteral("EggDrop 1.6.17"), GroupBox1),
                         QStringLiteral("RadioButton1"), scale.rect(8, 16, 113, 17));
    RadioButton2 = place(new RadioButton(QStringLiteral("WinDrop 1.6.17"), GroupBox1),
                         QStringLiteral("RadioButton2"), scale.rect(8, 32, 113, 17));
    // Checked before anything listens, so that no handler runs at start and
    // line 94 keeps the template's text.
    RadioButton1->setChecked(true);

    // Tab "О программе": texts only, nothing takes the focus.
    GroupBox2 = place(new QGroupBox(TabSheet2), QStringLiteral("GroupBox2"), scale.rect(8, 8, 433, 177));
    GroupBox2->setFocusPolicy(Qt::NoFocus);
    Label8 = makeLabel(QStringLiteral("Название: Brimvale"), GroupBox2, scale, 8, 24, QStringLiteral("Label8"));
    Label9 = makeLabel(QStringLiteral("Версия: 1.0.0.0"), GroupBox2, scale, 8, 40, QStringLiteral("Label9"));
    Label10 = makeLabel(QStringLiteral("Авторские права: © 2026 разработчики Brimvale"), GroupBox2, scale, 8, 56,
                        QStringLiteral("Label10"));
    Label11 = makeLabel(
        QStringLiteral("Описание: Генератор файлов конфигурации для ботов Eggdrop/WinDrop 1.6.17"), GroupBox2,
        scale, 8, 72, QStringLiteral("Label11"));
    Label13 = makeLabel(QStringLiteral("Наши контакты:"), GroupBox2, scale, 8, 112, QStringLiteral("Label13"));
    Label14 = makeLabel(QStringLiteral("Сайт: "), GroupBox2, scale, 16, 128, QStringLiteral("Label14"));
    const QFont bold = boldFont(font);
    Label15 = makeLabel(QStringLiteral("brimvale.example.org"), GroupBox2, scale, 56, 128, QStringLiteral("Label15"),
                        &bold);
    Label16 = makeLabel(QStringLiteral("Почта:"), GroupBox2, scale, 16, 144, QStringLiteral("Label16"));
    Label17 = makeLabel(QStringLiteral("brimvale@example.com"), GroupBox2, scale, 56, 144, QStringLiteral("Label17"),
                        &bold);

    PageControl1->setCurrentWidget(TabSheet1);

    // Tab cycle: tab strip, ListBox1, Button1, Button3, the checked radio
    // button, and round again. Everything else here takes no focus.
    QWidget* tabStrip = PageControl1->tabBar();
    setTabOrder(tabStrip, ListBox1);
    setTabOrder(ListBox1, Button1);
    setTabOrder(Button1, Button3);
    setTabOrder(Button3, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);

    connect(ListBox1, &LineListBox::doubleClick, this, &TForm1::ListBox1DblClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    // A radio button's handler runs only as it turns from unchecked to
    // checked: a click on the checked one toggles nothing.
    connect(RadioButton1, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            RadioButton1Click();
    });
    connect(RadioButton2, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            RadioButton2Click();
    });
}

TForm1::~TForm1()
{
    // The list's model listens to lines_, which as a member dies before
    // QWidget's destructor would delete the children; the controls go first.
    delete PageControl1;
}

int TForm1::selectedLineIndex() const
{
    return ListBox1->selectedIndex();
}

void TForm1::dialogClosed()
{
    activateWindow();
    FormActivate();
}

bool TForm1::event(QEvent* event)
{
    // The first activation of the window starts the workflow in single-line
    // mode; later activations matter only after the dialog, which reports
    // its closing itself (dialogClosed), so that a stray activation from the
    // desktop while the dialog is up cannot change the mode under it.
    if (event->type() == QEvent::WindowActivate && firstActivationPending_) {
        firstActivationPending_ = false;
        FormActivate();
    }
    return QWidget::event(event);
}

void TForm1::Button1Click()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::Button1Click);
}

void TForm1::ListBox1DblClick()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::ListBox1DblClick);
}

void TForm1::Button3Click()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::Button3Click);
}

void TForm1::FormActivate()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::FormActivate);
}

void TForm1::RadioButton1Click()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::RadioButton1Click);
}

void TForm1::RadioButton2Click()
{
    runner_.runMember(handlers_, &editing::MainWindowHandlers::RadioButton2Click);
}

} // namespace brimvale::ui
