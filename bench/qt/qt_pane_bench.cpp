// The cost of the Qt pane on a 1,000,000-byte text: loading it, colouring every
// line as the colouring aids do (drawing off, one colour per line, drawing on
// with a repaint), reading every line, and inserting thousands of lines in one
// undo group as a merge does. Runs offscreen unless QT_QPA_PLATFORM says else.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>

namespace {

// The real window, shown offscreen, with the big text in TranslationPane.
struct BigPane {
    QtPlatform platform;
    BigPane() {
        ResetAppState();
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        platform.BuildMainWindow(false);
        platform.Window()->resize(1000, 700);
        platform.Window()->show();
        // The text limit and change notification of the translation pane.
        ConfigurePanes();
        RichEdit_SetText(TranslationPane, BigText().c_str());
        QApplication::processEvents();
    }
    ~BigPane() {
        platform.Window()->hide();
        SetPlatform(nullptr);
        ResetAppState();
    }
    QtPane& pane() { return *platform.PaneWidget(TranslationPane); }
};

void LoadMillionBytes(benchmark::State& state) {
    BigPane big;
    for (auto _ : state) {
        RichEdit_SetText(TranslationPane, BigText().c_str());
        QApplication::processEvents();
    }
    state.counters["lines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(LoadMillionBytes)->Unit(benchmark::kMillisecond);

void ColourEveryLine(benchmark::State& state) {
    BigPane big;
    const std::int32_t count = RichEdit_GetLineCount(TranslationPane);
    int round = 0;
    for (auto _ : state) {
        const Colour colour = (round++ & 1) != 0 ? ColourRed : ColourBlue;
        RichEdit_SetRedraw(TranslationPane, false);
        for (std::int32_t line = 0; line < count; ++line) {
            RichEdit_SetLineColor(TranslationPane, line, colour);
        }
        RichEdit_SetRedraw(TranslationPane, true);
        big.pane().viewport()->repaint();
    }
    state.counters["lines"] = count;
}
BENCHMARK(ColourEveryLine)->Unit(benchmark::kMillisecond);

void ReadEveryLine(benchmark::State& state) {
    BigPane big;
    const std::int32_t count = RichEdit_GetLineCount(TranslationPane);
    char buffer[320];
    for (auto _ : state) {
        for (std::int32_t line = 0; line < count; ++line) {
            benchmark::DoNotOptimize(RichEdit_GetTextLine(TranslationPane, line, buffer, 320));
        }
        benchmark::DoNotOptimize(buffer);
    }
    state.counters["lines"] = count;
}
BENCHMARK(ReadEveryLine)->Unit(benchmark::kMillisecond);

void GetTextLineRandom(benchmark::State& state) {
    BigPane big;
    const std::int32_t count = RichEdit_GetLineCount(TranslationPane);
    std::mt19937 random(7);
    char buffer[320];
    for (auto _ : state) {
        const std::int32_t line = static_cast<std::int32_t>(random() % count);
        benchmark::DoNotOptimize(RichEdit_GetTextLine(TranslationPane, line, buffer, 320));
        benchmark::DoNotOptimize(buffer);
    }
}
BENCHMARK(GetTextLineRandom);

// Short lines, so that the text stays within the translation pane's limit.
void InsertThreeThousandLinesInOneGroup(benchmark::State& state) {
    BigPane big;
    std::mt19937 random(3);
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, BigText().c_str());
        const std::int32_t count = RichEdit_GetLineCount(TranslationPane);
        state.ResumeTiming();
        RichEdit_SetRedraw(TranslationPane, false);
        RichEdit_BeginUndoGroup(TranslationPane);
        for (int i = 0; i < 3000; ++i) {
            const std::int32_t line = static_cast<std::int32_t>(random() % count);
            RichEdit_InsertAtLine(TranslationPane, line, "N=\"i\"\r");
            RichEdit_SetLineColor(TranslationPane, line, ColourMagenta);
        }
        RichEdit_EndUndoGroup(TranslationPane);
        RichEdit_SetRedraw(TranslationPane, true);
        big.pane().viewport()->repaint();
    }
}
BENCHMARK(InsertThreeThousandLinesInOneGroup)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
