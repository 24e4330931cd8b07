// What a pasted text of a megabyte costs the windows. Ten lines of 1 MiB
// each (Russian and ASCII mixed) stand next to each other in the list, so
// that all ten are on screen at once; every action is measured with those
// lines (/large:1) and with the template's own lines in their place
// (/large:0), so the difference is what the large texts add.
//
// The real windows are built and shown on Qt's offscreen platform, which
// this benchmark selects for itself; the program never looks at it.
//
//   build/dev/benchmarks/large_text/large_text_benchmark
//       --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// Instruction counts that repeat from run to run, for finding where the time
// goes (one benchmark at a time):
//
//   valgrind --tool=callgrind build/dev/benchmarks/large_text/large_text_benchmark
//       --benchmark_filter='BM_PaintVisibleRows/large:1' --benchmark_min_time=0.01

#include "document/config_lines.h"
#include "ui/app_identity.h"
#include "ui/change.h"
#include "ui/line_list_box.h"
#include "ui/main.h"
#include "ui/one_line_edit.h"
#include "ui/startup.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QPixmap>
#include <QScrollBar>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>

namespace {

using namespace brimvale;

constexpr int kFirstLargeLine = 300;
constexpr int kLargeLines = 10;
constexpr std::size_t kLargeLineBytes = std::size_t{1} << 20;

// One megabyte of Windows-1251 text; `which` shifts the start so that no
// two lines are alike.
std::string largeLine(int which)
{
    static const std::string piece =
        ui::toCp1251(QStringLiteral("set nick \"Бримвейл\"; канал #помощь, порт 3333, ключ «секрет» — "));
    std::string line;
    line.reserve(kLargeLineBytes + piece.size());
    while (line.size() < kLargeLineBytes)
        line += piece;
    line.resize(kLargeLineBytes);
    std::rotate(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(which) * 7, line.end());
    return line;
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The program as a user who pasted the large texts sees it: the main window
// shown and active, the first large line selected and at the top of the
// list, so that all ten large rows are painted with every repaint.
class Session {
public:
    explicit Session(bool large)
    {
        program_.show();
        waitActive(form1());
        if (large) {
            for (int i = 0; i < kLargeLines; ++i)
                form1().lines().replace(kFirstLargeLine + i, largeLine(i));
        }
        ui::LineListBox* list = form1().ListBox1;
        const QModelIndex first = list->model()->index(kFirstLargeLine, 0);
        list->setCurrentIndex(first);
        list->scrollTo(first, QAbstractItemView::PositionAtTop);
        settle();
    }

    ui::TForm1& form1() { return program_.form1(); }
    ui::TForm2& form2() { return program_.form2(); }
    ui::LineListBox& list() { return *program_.form1().ListBox1; }

    // A double-click's handler on the selected line, with the dialog painted.
    void openDialog()
    {
        form1().ListBox1DblClick();
        settle();
    }

    void cancelDialog()
    {
        form2().Button2Click();
        settle();
    }

    static void waitActive(QWidget& window)
    {
        const QDeadlineTimer deadline(5000);
        while (QApplication::activeWindow() != &window && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

private:
    ui::Program program_;
};

void sendKey(QWidget* widget, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &release);
}

// A full repaint of the list with the large rows on screen.
void BM_PaintVisibleRows(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    QWidget* viewport = session.list().viewport();
    for (auto _ : state) {
        QPixmap picture = viewport->grab();
        benchmark::DoNotOptimize(picture);
    }
}

// One notch of the mouse wheel (three rows) up or down over the large rows,
// each followed by the repaint it brings.
void BM_ScrollOneNotch(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    QScrollBar* bar = session.list().verticalScrollBar();
    QWidget* viewport = session.list().viewport();
    const int top = bar->value();
    const int around[] = {top - 3, top, top + 3, top};
    std::size_t step = 0;
    for (auto _ : state) {
        bar->setValue(around[step++ % std::size(around)]);
        viewport->repaint();
    }
}

// Page by page from the first row to the last and back to the top, as
// dragging the scroll bar's thumb would; one pass per iteration.
void BM_ScrollWholeList(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    QScrollBar* bar = session.list().verticalScrollBar();
    QWidget* viewport = session.list().viewport();
    for (auto _ : state) {
        for (int value = 0; value <= bar->maximum(); value += bar->pageStep()) {
            bar->setValue(value);
            viewport->repaint();
        }
        bar->setValue(0);
        viewport->repaint();
    }
}

// A double-click's handler on a large line: the line read, set into Edit1
// and the dialog shown and painted. Closing it again is not counted.
void BM_OpenDialog(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    for (auto _ : state) {
        session.openDialog();
        state.PauseTiming();
        session.cancelDialog();
        state.ResumeTiming();
    }
}

// One character typed at the end of the text in Edit1 and erased again,
// each followed by the field's repaint.
void BM_TypeAndErase(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    session.openDialog();
    ui::OneLineEdit* edit = session.form2().Edit1;
    edit->setFocus(Qt::OtherFocusReason);
    edit->end(false);
    settle();
    for (auto _ : state) {
        sendKey(edit, 0x0416, QStringLiteral("ж"));
        edit->repaint();
        sendKey(edit, Qt::Key_Backspace, QString());
        edit->repaint();
    }
    session.cancelDialog();
}

// The confirm button with the dialog open on a large line: the field's text
// encoded, stored in place of the line, the dialog closed and the main
// window repainted. Opening the dialog again is not counted.
void BM_ConfirmEdit(benchmark::State& state)
{
    Session session(state.range(0) != 0);
    session.openDialog();
    for (auto _ : state) {
        session.form2().Button1Click();
        settle();
        state.PauseTiming();
        session.openDialog();
        state.ResumeTiming();
    }
    session.cancelDialog();
}

void largeOrNot(benchmark::internal::Benchmark* bench)
{
    bench->ArgName("large")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
}

BENCHMARK(BM_PaintVisibleRows)->Apply(largeOrNot);
BENCHMARK(BM_ScrollOneNotch)->Apply(largeOrNot);
BENCHMARK(BM_ScrollWholeList)->Apply(largeOrNot);
BENCHMARK(BM_OpenDialog)->Apply(largeOrNot);
BENCHMARK(BM_TypeAndErase)->Apply(largeOrNot);
BENCHMARK(BM_ConfirmEdit)->Apply(largeOrNot);

} // namespace

int main(int argc, char** argv)
{
    // Chosen here, before Qt starts; the program itself reads no
    // environment of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::initialiseApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
