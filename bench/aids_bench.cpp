// "i-Check" and "i-Merge" on the generated dialog-text pair of 1,000,000 bytes.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int TranslationLimit = 999990;

struct BigPair_Panes {
    HeadlessPlatform platform;
    BigPair_Panes() {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        ResetAppState();
        platform.PaneById(OriginalPane).SetTextLimit(TranslationLimit);
        platform.PaneById(TranslationPane).SetTextLimit(TranslationLimit);
        RichEdit_SetText(OriginalPane, BigPair().original.c_str());
        RichEdit_SetText(TranslationPane, BigPair().translation.c_str());
        appState.fileKind = FileKind::DialogIni;
    }
    ~BigPair_Panes() { SetPlatform(nullptr); }
};

void BM_Check(benchmark::State& state) {
    BigPair_Panes panes;
    for (auto _ : state)
        panes.platform.SendCommand(MakeCommand(IdCheck));
    state.counters["originalLines"] = RichEdit_GetLineCount(OriginalPane);
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_Merge(benchmark::State& state) {
    BigPair_Panes panes;
    std::int32_t inserted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, BigPair().translation.c_str());
        const std::int32_t before = RichEdit_GetLineCount(TranslationPane);
        state.ResumeTiming();
        panes.platform.SendCommand(MakeCommand(IdMerge));
        inserted = RichEdit_GetLineCount(TranslationPane) - before;
    }
    state.counters["insertedLines"] = inserted;
}
BENCHMARK(BM_Merge)->Unit(benchmark::kMillisecond);

} // namespace
