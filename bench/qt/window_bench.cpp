// The editor's own commands in the real window, offscreen, on the generated
// dialog-text pairs of 250,000, 500,000 and 1,000,000 bytes: loading both files
// (with the colouring every load applies), "i-Check" and "i-Merge", and taking
// the merge back and doing it again with its colours. Each includes the repaint
// it causes. PeakMemoryOfWindow gives the peak resident memory of the whole
// process with the pair loaded and after each aid; run it on its own
// (--benchmark_filter=PeakMemory) so that no other benchmark has raised the peak
// before.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "common/process_memory.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_pane.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void SetPath(char* path, std::int32_t& length, const std::string& text) {
    std::strcpy(path, text.c_str());
    length = static_cast<std::int32_t>(text.size());
}

// The window with the pair written to a temporary folder and both paths set.
struct PairWindow {
    QtPlatform platform;
    fs::path folder = fs::temp_directory_path() / ("verbodex-bench-" + std::to_string(::getpid()));

    explicit PairWindow(std::size_t bytes) {
        fs::create_directories(folder / "de");
        fs::create_directories(folder / "en");
        const Pair& pair = LaggingPair(bytes);
        std::ofstream(folder / "de" / "DIALOG.INI", std::ios::binary) << pair.original;
        std::ofstream(folder / "en" / "DIALOG.INI", std::ios::binary) << pair.translation;
        ResetAppState();
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        platform.BuildMainWindow(true);
        platform.Window()->resize(1000, 700);
        platform.Window()->show();
        ConfigurePanes();
        SetPath(appState.originalPath, appState.originalPathLength,
                (folder / "de" / "DIALOG.INI").string());
        SetPath(appState.translationPath, appState.translationPathLength,
                (folder / "en" / "DIALOG.INI").string());
        QApplication::processEvents();
    }
    ~PairWindow() {
        platform.Window()->hide();
        SetPlatform(nullptr);
        fs::remove_all(folder);
    }
    // Loads the pair afresh; a merged translation of an earlier round is dropped
    // without the save prompt.
    void Load() {
        appState.modified = 0;
        platform.SendCommand(MakeCommand(LoadOriginalCommand));
        platform.SendCommand(MakeCommand(LoadTranslationCommand));
        QApplication::processEvents();
    }
};

void PairSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(250000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

std::size_t Bytes(const benchmark::State& state) {
    return static_cast<std::size_t>(state.range(0));
}

void LoadAndColourPair(benchmark::State& state) {
    PairWindow window(Bytes(state));
    for (auto _ : state)
        window.Load();
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(LoadAndColourPair)->Apply(PairSizes);

void CheckPairInWindow(benchmark::State& state) {
    PairWindow window(Bytes(state));
    window.Load();
    for (auto _ : state) {
        window.platform.SendCommand(MakeCommand(IdCheck));
        QApplication::processEvents();
    }
}
BENCHMARK(CheckPairInWindow)->Apply(PairSizes);

void MergePairInWindow(benchmark::State& state) {
    PairWindow window(Bytes(state));
    for (auto _ : state) {
        state.PauseTiming();
        window.Load();
        state.ResumeTiming();
        window.platform.SendCommand(MakeCommand(IdMerge));
        QApplication::processEvents();
    }
}
BENCHMARK(MergePairInWindow)->Apply(PairSizes);

// One round: the pair loaded, then checked, then merged, with the process's peak
// resident memory after each step.
void PeakMemoryOfWindow(benchmark::State& state) {
    PairWindow window(Bytes(state));
    for (auto _ : state) {
        window.Load();
        state.counters["loadedMB"] = PeakResidentMegabytes();
        window.platform.SendCommand(MakeCommand(IdCheck));
        QApplication::processEvents();
        state.counters["checkedMB"] = PeakResidentMegabytes();
        window.platform.SendCommand(MakeCommand(IdMerge));
        QApplication::processEvents();
        state.counters["mergedMB"] = PeakResidentMegabytes();
    }
}
BENCHMARK(PeakMemoryOfWindow)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

// Undo and redo of the whole merge, as Ctrl+Z and Ctrl+Y do it; the colour
// history gives every line its colour back each way.
void UndoAndRedoMergeInWindow(benchmark::State& state) {
    PairWindow window(1000000);
    window.Load();
    window.platform.SendCommand(MakeCommand(IdMerge));
    QtPane& pane = *window.platform.PaneWidget(TranslationPane);
    for (auto _ : state) {
        pane.undo();
        QApplication::processEvents();
        pane.redo();
        QApplication::processEvents();
    }
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(UndoAndRedoMergeInWindow)->Unit(benchmark::kMillisecond);

} // namespace
