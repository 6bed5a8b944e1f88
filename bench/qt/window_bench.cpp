// The editor's own commands in the real window, offscreen, on the generated
// 1,000,000-byte dialog-text pair: loading both files (with the colouring every
// load applies), "i-Check" and "i-Merge", and taking the merge back and doing it
// again with its colours. Each includes the repaint it causes.
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

    PairWindow() {
        fs::create_directories(folder / "de");
        fs::create_directories(folder / "en");
        std::ofstream(folder / "de" / "DIALOG.INI", std::ios::binary) << BigPair().original;
        std::ofstream(folder / "en" / "DIALOG.INI", std::ios::binary) << BigPair().translation;
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

void LoadAndColourPair(benchmark::State& state) {
    PairWindow window;
    for (auto _ : state)
        window.Load();
    state.counters["translationLines"] = RichEdit_GetLineCount(TranslationPane);
}
BENCHMARK(LoadAndColourPair)->Unit(benchmark::kMillisecond);

void CheckPairInWindow(benchmark::State& state) {
    PairWindow window;
    window.Load();
    for (auto _ : state) {
        window.platform.SendCommand(MakeCommand(IdCheck));
        QApplication::processEvents();
    }
}
BENCHMARK(CheckPairInWindow)->Unit(benchmark::kMillisecond);

void MergePairInWindow(benchmark::State& state) {
    PairWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.Load();
        state.ResumeTiming();
        window.platform.SendCommand(MakeCommand(IdMerge));
        QApplication::processEvents();
    }
}
BENCHMARK(MergePairInWindow)->Unit(benchmark::kMillisecond);

// Undo and redo of the whole merge, as Ctrl+Z and Ctrl+Y do it; the colour
// history gives every line its colour back each way.
void UndoAndRedoMergeInWindow(benchmark::State& state) {
    PairWindow window;
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
