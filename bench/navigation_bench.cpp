// The search for a corresponding line on the generated 1,000,000-byte pair,
// headless: the caret in the last section, once with the translation as
// generated and once lacking every section below the first, where the search
// falls back through all the original's headings.
#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "common/generated_pair.h"
#include "common/lacking_sections.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

struct HeadlessPair {
    HeadlessPlatform platform;
    explicit HeadlessPair(const std::string& translation) {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        RichEdit_SetText(OriginalPane, BigPair().original.c_str());
        RichEdit_SetText(TranslationPane, translation.c_str());
    }
    ~HeadlessPair() { SetPlatform(nullptr); }
};

void FindFromLastSection(benchmark::State& state, const std::string& translation) {
    HeadlessPair pair(translation);
    const std::int32_t line = RichEdit_GetLineCount(OriginalPane) - 2;
    CorrespondingLine found;
    for (auto _ : state) {
        found = FindCorrespondingLine(OriginalPane, line, TranslationPane);
        benchmark::DoNotOptimize(found);
    }
    state.counters["sourceLine"] = found.sourceLine;
    state.counters["targetLine"] = found.targetLine;
}

void FindCorrespondingLineInSection(benchmark::State& state) {
    FindFromLastSection(state, BigPair().translation);
}
BENCHMARK(FindCorrespondingLineInSection)->Unit(benchmark::kMillisecond);

void FindCorrespondingLineLackingSections(benchmark::State& state) {
    FindFromLastSection(state, TranslationLackingSections());
}
BENCHMARK(FindCorrespondingLineLackingSections)->Unit(benchmark::kMillisecond);

} // namespace
