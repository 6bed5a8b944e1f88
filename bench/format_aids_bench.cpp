// "i-Check" of a mask pair, "i-Check" and "i-Merge" of a menu pair, each file of
// about 1,000,000 bytes, on the headless panes.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/format_pairs.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int TranslationLimit = 999990;

struct FormatPanes {
    HeadlessPlatform platform;
    FormatPanes(FileKind kind, const Pair& pair) {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        ResetAppState();
        platform.PaneById(OriginalPane).SetTextLimit(TranslationLimit);
        platform.PaneById(TranslationPane).SetTextLimit(TranslationLimit);
        RichEdit_SetText(OriginalPane, pair.original.c_str());
        RichEdit_SetText(TranslationPane, pair.translation.c_str());
        appState.fileKind = kind;
    }
    ~FormatPanes() { SetPlatform(nullptr); }
};

void BM_CheckMask(benchmark::State& state) {
    FormatPanes panes(FileKind::Mask, BigMaskPair());
    for (auto _ : state)
        panes.platform.SendCommand(MakeCommand(IdCheck));
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(BM_CheckMask)->Unit(benchmark::kMillisecond);

void BM_CheckMenu(benchmark::State& state) {
    FormatPanes panes(FileKind::Menu, BigMenuPair());
    for (auto _ : state)
        panes.platform.SendCommand(MakeCommand(IdCheck));
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(BM_CheckMenu)->Unit(benchmark::kMillisecond);

void BM_MergeMenu(benchmark::State& state) {
    FormatPanes panes(FileKind::Menu, BigMenuPair());
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetText(TranslationPane, BigMenuPair().translation.c_str());
        appState.modified = 0;
        state.ResumeTiming();
        panes.platform.SendCommand(MakeCommand(IdMerge));
    }
    int changed = 0;
    HeadlessPane& pane = panes.platform.PaneById(TranslationPane);
    for (std::int32_t line = 0; line < pane.LineCount(); ++line) {
        if (pane.CharColour(pane.LineIndex(line)) == ColourMagenta) ++changed;
    }
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
    state.counters["changedLines"] = changed;
}
BENCHMARK(BM_MergeMenu)->Unit(benchmark::kMillisecond);

} // namespace
