// "i-Check" and "i-Merge" on generated dialog-text pairs of 250,000, 500,000 and
// 1,000,000 bytes whose translation lags the original (common/generated_pair.h):
// doubling the pair should at most double the time.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>
#include <cstddef>

namespace {

constexpr int TranslationLimit = 999990;

struct PairPanes {
    HeadlessPlatform platform;
    const Pair& pair;
    explicit PairPanes(std::size_t bytes) : pair(LaggingPair(bytes)) {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        ResetAppState();
        platform.PaneById(OriginalPane).SetTextLimit(TranslationLimit);
        platform.PaneById(TranslationPane).SetTextLimit(TranslationLimit);
        RichEdit_SetText(OriginalPane, pair.original.c_str());
        RichEdit_SetText(TranslationPane, pair.translation.c_str());
        appState.fileKind = FileKind::DialogIni;
    }
    ~PairPanes() { SetPlatform(nullptr); }
};

void PairSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(250000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

void BM_Check(benchmark::State& state) {
    PairPanes panes(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        panes.platform.SendCommand(MakeCommand(IdCheck));
    state.counters["originalLines"] = RichEdit_GetLineCount(OriginalPane);
    state.counters["missingSections"] = panes.pair.missingSections;
}
BENCHMARK(BM_Check)->Apply(PairSizes);

void BM_Merge(benchmark::State& state) {
    PairPanes panes(static_cast<std::size_t>(state.range(0)));
    std::int32_t inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, panes.pair.translation.c_str());
        const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
        state.ResumeTiming();
        panes.platform.SendCommand(MakeCommand(IdMerge));
        inserted = RichEdit_GetLineCount(TranslationPane) - before;
    }
    state.counters["insertedLines"] = inserted;
}
BENCHMARK(BM_Merge)->Apply(PairSizes);

} // namespace
