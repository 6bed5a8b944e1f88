// The mask and menu aids in the real window, offscreen, each file of about
// 1,000,000 bytes: "i-Check" of a mask pair, "i-Check" and "i-Merge" of a menu
// pair (the merge changes every tenth line). Each includes the repaint it causes.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/format_pairs.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
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

// The window with a pair loaded from a temporary folder, as the editor loads it.
class FormatWindow {
  public:
    FormatWindow(const std::string& name, const Pair& pair)
        : folder_(fs::temp_directory_path() /
                  ("verbodex-format-bench-" + std::to_string(::getpid()))) {
        const fs::path original = folder_ / "de" / name;
        const fs::path translation = folder_ / "en" / name;
        fs::create_directories(original.parent_path());
        fs::create_directories(translation.parent_path());
        std::ofstream(original, std::ios::binary) << pair.original;
        std::ofstream(translation, std::ios::binary) << pair.translation;
        ResetAppState();
        SetPlatform(&platform_);
        platform_.SetWindowProcedures(CommandProcedures());
        platform_.BuildMainWindow(true);
        platform_.Window()->resize(1000, 700);
        platform_.Window()->show();
        ConfigurePanes();
        std::strcpy(appState.originalPath, original.c_str());
        appState.originalPathLength = static_cast<std::int32_t>(original.string().size());
        std::strcpy(appState.translationPath, translation.c_str());
        appState.translationPathLength = static_cast<std::int32_t>(translation.string().size());
        Load();
    }
    ~FormatWindow() {
        platform_.Window()->hide();
        SetPlatform(nullptr);
        fs::remove_all(folder_);
    }
    // Loads the pair afresh, dropping what an earlier merge changed.
    void Load() {
        appState.modified = 0;
        platform_.SendCommand(MakeCommand(LoadOriginalCommand));
        platform_.SendCommand(MakeCommand(LoadTranslationCommand));
        QApplication::processEvents();
    }
    void Press(int button) {
        platform_.SendCommand(MakeCommand(button));
        QApplication::processEvents();
    }

  private:
    QtPlatform platform_;
    fs::path folder_;
};

void CheckMaskInWindow(benchmark::State& state) {
    FormatWindow window("M0001.MSK", BigMaskPair());
    for (auto _ : state)
        window.Press(IdCheck);
    state.counters["kind"] = static_cast<int>(appState.fileKind);
}
BENCHMARK(CheckMaskInWindow)->Unit(benchmark::kMillisecond);

void CheckMenuInWindow(benchmark::State& state) {
    FormatWindow window("M001.MNU", BigMenuPair());
    for (auto _ : state)
        window.Press(IdCheck);
    state.counters["kind"] = static_cast<int>(appState.fileKind);
}
BENCHMARK(CheckMenuInWindow)->Unit(benchmark::kMillisecond);

void MergeMenuInWindow(benchmark::State& state) {
    FormatWindow window("M001.MNU", BigMenuPair());
    for (auto _ : state) {
        state.PauseTiming();
        window.Load();
        state.ResumeTiming();
        window.Press(IdMerge);
    }
    state.counters["modified"] = appState.modified;
}
BENCHMARK(MergeMenuInWindow)->Unit(benchmark::kMillisecond);

} // namespace
