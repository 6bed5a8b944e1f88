// The cost of one pane search (RichEdit_FindText) where a line is long: a
// backward search from the end of one line of 100,000 characters for a text that
// occurs on every third character, or only at the line's start; the same from
// the end of a text of 1,000,000 bytes in short lines (a common letter, and a
// character only at its start); and a forward search that starts near the end of
// the long line.
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

// A platform with `text` in TranslationPane, set as the platform.
struct SearchedPane {
    HeadlessPlatform platform;
    explicit SearchedPane(const std::string& text) {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        RichEdit_SetText(TranslationPane, text.c_str());
    }
    ~SearchedPane() { SetPlatform(nullptr); }
};

std::string Repeated(const std::string& piece, std::size_t size) {
    std::string text;
    while (text.size() < size)
        text += piece;
    text.resize(size);
    return text;
}

void Search(benchmark::State& state, const std::string& text, bool backwards, const char* what) {
    SearchedPane pane(text);
    const std::int32_t length = RichEdit_GetTextLength(TranslationPane);
    const std::int32_t from = backwards ? length : length - 8;
    const std::int32_t to = backwards ? 0 : length;
    for (auto _ : state) {
        std::int32_t found = RichEdit_FindText(TranslationPane, from, to, what);
        benchmark::DoNotOptimize(found);
    }
    state.counters["characters"] = length;
    state.counters["found"] = RichEdit_FindText(TranslationPane, from, to, what);
}

void BackwardSearchLongLineManyMatches(benchmark::State& state) {
    Search(state, Repeated("ab ", 100000), true, "a");
}
BENCHMARK(BackwardSearchLongLineManyMatches)->Unit(benchmark::kMicrosecond);

void BackwardSearchLongLineMatchAtStart(benchmark::State& state) {
    std::string text(1, 'x');
    text += Repeated("ab ", 99999);
    Search(state, text, true, "x");
}
BENCHMARK(BackwardSearchLongLineMatchAtStart)->Unit(benchmark::kMicrosecond);

void BackwardSearchBigText(benchmark::State& state) { Search(state, BigText(), true, "e"); }
BENCHMARK(BackwardSearchBigText)->Unit(benchmark::kMicrosecond);

void BackwardSearchBigTextMatchAtStart(benchmark::State& state) {
    std::string text(1, '\x01');
    text += BigText();
    Search(state, text, true, "\x01");
}
BENCHMARK(BackwardSearchBigTextMatchAtStart)->Unit(benchmark::kMicrosecond);

void ForwardSearchNearEndOfLongLine(benchmark::State& state) {
    Search(state, Repeated("ab ", 100000), false, "a");
}
BENCHMARK(ForwardSearchNearEndOfLongLine)->Unit(benchmark::kMicrosecond);

} // namespace
