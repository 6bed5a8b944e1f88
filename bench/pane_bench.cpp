// The cost of the pane operations the aids lean on, on a pane of 1,000,000
// bytes: reading a line (hundreds of thousands of times per check), finding a
// line's start, colouring a line, and inserting thousands of lines in sequence
// (a merge).
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

// A platform with the big text in TranslationPane, set as the platform.
struct BigPane {
    HeadlessPlatform platform;
    BigPane() {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        RichEdit_SetText(TranslationPane, BigText().c_str());
    }
    ~BigPane() { SetPlatform(nullptr); }
};

std::vector<std::int32_t> RandomLines(std::int32_t count) {
    std::mt19937 random(7);
    std::vector<std::int32_t> lines(4096);
    for (std::int32_t& line : lines)
        line = static_cast<std::int32_t>(random() % count);
    return lines;
}

void GetTextLineRandom(benchmark::State& state) {
    BigPane pane;
    std::vector<std::int32_t> lines = RandomLines(RichEdit_GetLineCount(TranslationPane));
    char buffer[320];
    std::size_t i = 0;
    for (auto _ : state) {
        std::int32_t n = RichEdit_GetTextLine(TranslationPane, lines[i++ & 4095], buffer, 320);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer);
    }
    state.counters["lines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(GetTextLineRandom);

void GetTextLineSequential(benchmark::State& state) {
    BigPane pane;
    std::int32_t count = RichEdit_GetLineCount(TranslationPane);
    char buffer[320];
    std::int32_t line = 0;
    for (auto _ : state) {
        std::int32_t n = RichEdit_GetTextLine(TranslationPane, line, buffer, 320);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(buffer);
        if (++line == count) line = 0;
    }
}
BENCHMARK(GetTextLineSequential);

void LineIndexRandom(benchmark::State& state) {
    BigPane pane;
    std::vector<std::int32_t> lines = RandomLines(RichEdit_GetLineCount(TranslationPane));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RichEdit_LineIndex(TranslationPane, lines[i++ & 4095]));
    }
}
BENCHMARK(LineIndexRandom);

void SetLineColorRandom(benchmark::State& state) {
    BigPane pane;
    std::vector<std::int32_t> lines = RandomLines(RichEdit_GetLineCount(TranslationPane));
    std::size_t i = 0;
    for (auto _ : state) {
        Colour colour = (i & 1) != 0 ? ColourRed : ColourBlack;
        benchmark::DoNotOptimize(RichEdit_SetLineColor(TranslationPane, lines[i++ & 4095], colour));
    }
}
BENCHMARK(SetLineColorRandom);

// 3,000 lines inserted one after another through the pane, as a merge does.
void Insert3000Lines(benchmark::State& state) {
    BigPane pane;
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, BigText().c_str());
        state.ResumeTiming();
        for (std::int32_t i = 0; i < 3000; ++i) {
            RichEdit_InsertAtLine(TranslationPane, 100 + 8 * i,
                                  "NEWKEY=\"inserted by the merge\"\r");
        }
    }
    state.counters["lines/s"] = benchmark::Counter(3000.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(Insert3000Lines)->Unit(benchmark::kMillisecond);

} // namespace
