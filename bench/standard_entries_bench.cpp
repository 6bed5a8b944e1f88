// "#-#" on generated DIALOG.INI translations of 1,000,000 bytes
// (common/repeated_values.h), headless:
//
// - StandardEntriesFirstDialog: from the click to the first dialog, answered
//   with Cancel (which ends the run at once), on both shapes.
// - StandardEntriesLaterDialogs: a run of up to 300 dialogs answered Yes, Next
//   and (argument 1) now and then No, or (argument 0) never No; the counters
//   give the time to the first dialog, and the longest and the mean time from
//   an answer to the next dialog.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/repeated_values.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t FileBytes = 1000000;

// Notes when each dialog opens and when it is answered.
class TimedPlatform : public HeadlessPlatform {
  public:
    int RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                       DialogParameter parameter) override {
        opened.push_back(Clock::now());
        const int result = HeadlessPlatform::RunModalDialog(form, procedures, parameter);
        answered.push_back(Clock::now());
        return result;
    }
    std::vector<Clock::time_point> opened;
    std::vector<Clock::time_point> answered;
};

struct TranslationPanes {
    TimedPlatform platform;
    explicit TranslationPanes(RepeatShape shape)
        : text(RepeatedValuesTranslation(FileBytes, shape)) {
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        ResetAppState();
        ConfigurePanes();
    }
    ~TranslationPanes() { SetPlatform(nullptr); }
    void Load() {
        RichEdit_SetText(TranslationPane, text.c_str());
        appState.fileKind = FileKind::DialogIni;
        platform.opened.clear();
        platform.answered.clear();
        platform.shownDialogs.clear();
        platform.dialogAnswers.clear();
    }
    const std::string& text;
};

void StandardEntriesFirstDialog(benchmark::State& state) {
    TranslationPanes panes(static_cast<RepeatShape>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        panes.Load();
        panes.platform.dialogAnswers.push_back(DialogAnswer{IDCANCEL, std::nullopt});
        state.ResumeTiming();
        panes.platform.SendCommand(MakeCommand(IdStandardEntries));
    }
    state.counters["lines"] = RichEdit_GetLineCount(TranslationPane);
    state.counters["dialogs"] = static_cast<double>(panes.platform.shownDialogs.size());
}
BENCHMARK(StandardEntriesFirstDialog)
    ->Arg(static_cast<int>(RepeatShape::Mixed))
    ->Arg(static_cast<int>(RepeatShape::LateRepeat))
    ->Unit(benchmark::kMillisecond);

void StandardEntriesLaterDialogs(benchmark::State& state) {
    TranslationPanes panes(RepeatShape::Mixed);
    DialogWaits worst;
    std::size_t dialogs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        panes.Load();
        std::mt19937 random(7);
        for (int i = 0; i < 300; ++i)
            panes.platform.dialogAnswers.push_back(
                DialogAnswer{RepeatedValuesAnswer(random, state.range(0) != 0), {}});
        state.ResumeTiming();
        const Clock::time_point click = Clock::now();
        panes.platform.SendCommand(MakeCommand(IdStandardEntries));
        state.PauseTiming();
        const TimedPlatform& p = panes.platform;
        dialogs = p.opened.size();
        worst.KeepWorst(WaitsOf(click, p.opened, p.answered));
        state.ResumeTiming();
    }
    ReportWaits(state, dialogs, worst);
    state.counters["linesAfter"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(StandardEntriesLaterDialogs)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
