// Sizes and positions: the stored layout at the stored text height, and
// the same layout scaled when the window font's text is higher.

#include "gui_fixture.h"

#include "ui/change.h"
#include "ui/desktop_position.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/push_button.h"
#include "ui/radio_button.h"
#include "ui/scale.h"
#include "ui/window_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

namespace brimvale::uitest {
namespace {

TEST(ScaleTest, RoundsToTheNearestPixel)
{
    EXPECT_EQ(ui::Scale(13)(652), 652);
    EXPECT_EQ(ui::Scale(16)(652), 802);  // 802.46
    EXPECT_EQ(ui::Scale(16)(13), 16);
    EXPECT_EQ(ui::Scale(14)(8), 9);      // 8.62
    EXPECT_EQ(ui::Scale(15)(26), 30);    // exactly 30
    EXPECT_EQ(ui::Scale(20)(13), 20);
    EXPECT_EQ(ui::Scale(10)(1), 1);      // 0.77
}

TEST(DesktopCentreTest, HalvesTheDifferenceRoundingDownAndNeverBelowZero)
{
    EXPECT_EQ(ui::desktopCentre({658, 461}, {1920, 1080}), QPoint(631, 309));
    EXPECT_EQ(ui::desktopCentre({657, 460}, {1920, 1080}), QPoint(631, 310));
    EXPECT_EQ(ui::desktopCentre({800, 600}, {640, 480}), QPoint(0, 0));
    // Two monitors side by side: the middle of both together.
    EXPECT_EQ(ui::desktopCentre({426, 160}, {3840, 1080}), QPoint(1707, 460));
}

TEST(WindowFontTest, ElevenPixelPlainSansSerif)
{
    const QFont font = ui::windowFont();
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_FALSE(font.bold());
    EXPECT_FALSE(font.italic());
}

struct Box {
    const char* name;
    QRect actual;
    QRect stored;
};

class LayoutTest : public ::testing::TestWithParam<int> {
protected:
    // The font: the window font, or the same face with larger characters.
    QFont font() const
    {
        QFont f = ui::windowFont();
        if (GetParam() != 0)
            f.setPixelSize(GetParam());
        return f;
    }
};

TEST_P(LayoutTest, EveryPositionAndSizeScalesWithTheTextHeight)
{
    const QFont f = font();
    const ui::Scale scale = ui::Scale::forFont(f);
    if (GetParam() == 0) {
        // The stored layout is what this machine's window font gives.
        ASSERT_EQ(QFontMetrics(f).height(), 13) << "window font " << f.family().toStdString();
    } else {
        ASSERT_GT(scale.textHeight(), 13);
    }

    ui::Program program(f);
    program.show();
    ui::TForm1& main = program.form1();
    ui::TForm2& dialog = program.form2();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    const Box boxes[] = {
        {"Form1 client", QRect(QPoint(), main.size()), scale.rect(0, 0, 652, 435)},
        {"PageControl1", main.PageControl1->geometry(), scale.rect(0, 0, 652, 435)},
        {"ListBox1", main.ListBox1->geometry(), scale.rect(8, 32, 633, 305)},
        {"Button1", main.Button1->geometry(), scale.rect(160, 344, 129, 25)},
        {"Button3", main.Button3->geometry(), scale.rect(160, 376, 129, 25)},
        {"GroupBox1", main.GroupBox1->geometry(), scale.rect(8, 344, 145, 57)},
        {"RadioButton1", main.RadioButton1->geometry(), scale.rect(8, 16, 113, 17)},
        {"RadioButton2", main.RadioButton2->geometry(), scale.rect(8, 32, 113, 17)},
        {"GroupBox2", main.GroupBox2->geometry(), scale.rect(8, 8, 433, 177)},
        {"Form2 client", QRect(QPoint(), dialog.size()), scale.rect(0, 0, 420, 132)},
        {"Edit1", dialog.Edit1->geometry(), scale.rect(8, 48, 401, 21)},
        {"Form2.Button1", dialog.Button1->geometry(), scale.rect(256, 96, 75, 25)},
        {"Form2.Button2", dialog.Button2->geometry(), scale.rect(336, 96, 75, 25)},
    };
    for (const Box& box : boxes)
        EXPECT_EQ(box.actual, box.stored) << box.name;

    if (GetParam() == 0) {
        EXPECT_EQ(main.size(), QSize(652, 435));
        EXPECT_EQ(dialog.size(), QSize(420, 132));
        EXPECT_EQ(main.ListBox1->geometry(), QRect(8, 32, 633, 305));
    }

    // Labels: placed by the layout, as wide as their text, one line high.
    const struct {
        QLabel* label;
        int left;
        int top;
    } labels[] = {
        {main.Label1, 8, 8},     {main.Label8, 8, 24},    {main.Label9, 8, 40},   {main.Label10, 8, 56},
        {main.Label11, 8, 72},   {main.Label13, 8, 112},  {main.Label14, 16, 128}, {main.Label15, 56, 128},
        {main.Label16, 16, 144}, {main.Label17, 56, 144}, {dialog.Label1, 8, 24},
    };
    for (const auto& entry : labels) {
        const QRect expected(scale(entry.left), scale(entry.top),
                             QFontMetrics(entry.label->font()).horizontalAdvance(entry.label->text()), scale(13));
        EXPECT_EQ(entry.label->geometry(), expected) << entry.label->objectName().toStdString();
    }

    // Rows as high as the text; the main window centred on the desktop with
    // its frame.
    EXPECT_EQ(main.ListBox1->visualRect(main.ListBox1->model()->index(0, 0)).height(), scale(13));
    const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
    EXPECT_EQ(main.frameGeometry().topLeft(), ui::desktopCentre(main.frameGeometry().size(), desktop));
}

INSTANTIATE_TEST_SUITE_P(TextHeights, LayoutTest, ::testing::Values(0, 15, 20),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return param.param == 0 ? std::string("Stored") : "PixelSize" + std::to_string(param.param);
                         });

} // namespace
} // namespace brimvale::uitest
