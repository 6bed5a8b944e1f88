// "#-#" in the real window, offscreen, on the generated DIALOG.INI translations
// of 1,000,000 bytes (common/repeated_values.h), loaded as the editor loads
// them. Each dialog is the real one: built, shown, and answered by a click on
// its button as soon as it is up.
//
// - StandardEntriesFirstDialogInWindow: from the click on "#-#" until the first
//   dialog is up (answered with Cancel, which ends the run), on both shapes.
// - StandardEntriesLaterDialogsInWindow: a run of up to 300 dialogs answered
//   Yes, Next and (argument 1) now and then No, or (argument 0) never No; the
//   counters give the time to the first dialog, and the longest and the mean
//   time from an answer until the next dialog is up.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/repeated_values.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/modal_dialog.h"
#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t FileBytes = 1000000;

// Shows each dialog and clicks the next answer's button once it is up.
class AnsweringQtPlatform : public QtPlatform {
  public:
    int RunModalDialog(const WindowTemplate& form, const DialogProcedures& procedures,
                       DialogParameter parameter) override {
        ModalDialog dialog(form, true, procedures, parameter, Window());
        QTimer::singleShot(0, &dialog, [this, &dialog] {
            shown.push_back(Clock::now());
            int button = IDCANCEL;
            if (!answers.empty()) {
                button = answers.front();
                answers.pop_front();
            }
            if (auto* widget = qobject_cast<QAbstractButton*>(dialog.Control(button)))
                widget->click();
        });
        const int result = dialog.Run();
        answered.push_back(Clock::now());
        return result;
    }
    std::deque<int> answers;
    std::vector<Clock::time_point> shown;
    std::vector<Clock::time_point> answered;
};

class TranslationWindow {
  public:
    explicit TranslationWindow(RepeatShape shape)
        : folder_(fs::temp_directory_path() /
                  ("verbodex-standard-bench-" + std::to_string(::getpid()))) {
        const fs::path translation = folder_ / "en" / "DIALOG.INI";
        fs::create_directories(translation.parent_path());
        std::ofstream(translation, std::ios::binary) << RepeatedValuesTranslation(FileBytes, shape);
        ResetAppState();
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        platform.BuildMainWindow(true);
        platform.Window()->resize(1000, 700);
        platform.Window()->show();
        ConfigurePanes();
        std::strcpy(appState.translationPath, translation.c_str());
        appState.translationPathLength = static_cast<std::int32_t>(translation.string().size());
        QApplication::processEvents();
    }
    ~TranslationWindow() {
        platform.Window()->hide();
        SetPlatform(nullptr);
        fs::remove_all(folder_);
    }
    // Loads the translation afresh, dropping what an earlier run changed.
    void Load() {
        appState.modified = 0;
        platform.SendCommand(MakeCommand(LoadTranslationCommand));
        QApplication::processEvents();
        platform.shown.clear();
        platform.answered.clear();
    }

    AnsweringQtPlatform platform;

  private:
    fs::path folder_;
};

void StandardEntriesFirstDialogInWindow(benchmark::State& state) {
    TranslationWindow window(static_cast<RepeatShape>(state.range(0)));
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Load();
        window.platform.answers.assign({IDCANCEL});
        state.ResumeTiming();
        const Clock::time_point click = Clock::now();
        window.platform.SendCommand(MakeCommand(IdStandardEntries));
        state.PauseTiming();
        longest = std::max(longest, WaitsOf(click, window.platform.shown, {}).first);
        state.ResumeTiming();
    }
    state.counters["lines"] = RichEdit_GetLineCount(TranslationPane);
    state.counters["longestFirstMs"] = longest;
}
BENCHMARK(StandardEntriesFirstDialogInWindow)
    ->Arg(static_cast<int>(RepeatShape::Mixed))
    ->Arg(static_cast<int>(RepeatShape::LateRepeat))
    ->Unit(benchmark::kMillisecond);

void StandardEntriesLaterDialogsInWindow(benchmark::State& state) {
    TranslationWindow window(RepeatShape::Mixed);
    DialogWaits worst;
    std::size_t dialogs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Load();
        std::mt19937 random(7);
        window.platform.answers.clear();
        for (int i = 0; i < 300; ++i)
            window.platform.answers.push_back(RepeatedValuesAnswer(random, state.range(0) != 0));
        state.ResumeTiming();
        const Clock::time_point click = Clock::now();
        window.platform.SendCommand(MakeCommand(IdStandardEntries));
        QApplication::processEvents();
        state.PauseTiming();
        const AnsweringQtPlatform& p = window.platform;
        dialogs = p.shown.size();
        worst.KeepWorst(WaitsOf(click, p.shown, p.answered));
        state.ResumeTiming();
    }
    ReportWaits(state, dialogs, worst);
}
BENCHMARK(StandardEntriesLaterDialogsInWindow)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
