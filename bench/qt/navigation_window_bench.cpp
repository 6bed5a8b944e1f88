// Moving through the generated 1,000,000-byte dialog-text pair in the real
// window, offscreen: one alignment (">="), one search step, one step to a red
// line (F8) and one update of the caret display, each with the repaint it
// causes. The worst cases are those of a translation that lacks the caret's
// section and every section above it (common/lacking_sections.h) and of a
// search or step that runs to the end of a pane without finding anything.
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "common/generated_pair.h"
#include "common/lacking_sections.h"
#include "panes/richedit.h"
#include "platform/qt/main_window_widget.h"
#include "platform/qt/qt_platform.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

// A platform that does not sound its beep a hundred times a second.
class QuietQtPlatform : public QtPlatform {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// The window with the pair in its panes.
struct PairWindow {
    QuietQtPlatform platform;
    explicit PairWindow(const std::string& translation) {
        ResetAppState();
        SetPlatform(&platform);
        platform.SetWindowProcedures(CommandProcedures());
        platform.BuildMainWindow(true);
        platform.Window()->resize(1000, 700);
        platform.Window()->show();
        ConfigurePanes();
        RichEdit_SetText(OriginalPane, BigPair().original.c_str());
        RichEdit_SetText(TranslationPane, translation.c_str());
        appState.fileKind = FileKind::DialogIni;
        QApplication::processEvents();
    }
    ~PairWindow() {
        platform.Window()->hide();
        SetPlatform(nullptr);
        ResetAppState();
    }
    void Send(std::uint32_t command) {
        platform.SendCommand(command);
        QApplication::processEvents();
    }
    void PlaceCaret(int pane, std::int32_t line) {
        const std::int32_t at = RichEdit_LineIndex(pane, line);
        RichEdit_SetSel(pane, at, at);
    }
};

// ">=" with the caret on a key line, alternately near the top and near the end
// of the original, so that the translation scrolls far each time.
void Align(benchmark::State& state, const std::string& translation) {
    PairWindow window(translation);
    const std::int32_t last = RichEdit_GetLineCount(OriginalPane) - 2;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.PlaceCaret(OriginalPane, round++ % 2 == 0 ? last : 40);
        state.ResumeTiming();
        window.Send(MakeCommand(IdAlignRight));
    }
}

void AlignInWindow(benchmark::State& state) { Align(state, BigPair().translation); }
BENCHMARK(AlignInWindow)->Unit(benchmark::kMillisecond);

void AlignLackingSectionsInWindow(benchmark::State& state) {
    Align(state, TranslationLackingSections());
}
BENCHMARK(AlignLackingSectionsInWindow)->Unit(benchmark::kMillisecond);

// ">" in the original for a text near its end: the search runs through almost
// the whole pane, selects, scrolls and brings the translation along.
void Search(benchmark::State& state, const std::string& translation, const char* text) {
    PairWindow window(translation);
    window.platform.SetControlText(IdSearchOriginalEdit, text);
    for (auto _ : state) {
        state.PauseTiming();
        RichEdit_SetSel(OriginalPane, 0, 0);
        state.ResumeTiming();
        window.Send(MakeCommand(IdSearchOriginalForward));
    }
    state.counters["beeps"] = window.platform.beeps;
}

// The original's last entry with a quoted value: a text found once, near the
// end.
std::string LastValueLine() {
    const std::string& original = BigPair().original;
    std::size_t end = original.size();
    for (;;) {
        const std::size_t start = original.rfind("\r\nKEY", end - 1) + 2;
        const std::string line = original.substr(start, original.find('\r', start) - start);
        if (line.find('"') != std::string::npos) return line;
        end = start - 2;
    }
}

void SearchStepInWindow(benchmark::State& state) {
    Search(state, BigPair().translation, LastValueLine().c_str());
}
BENCHMARK(SearchStepInWindow)->Unit(benchmark::kMillisecond);

void SearchStepLackingSectionsInWindow(benchmark::State& state) {
    Search(state, TranslationLackingSections(), LastValueLine().c_str());
}
BENCHMARK(SearchStepLackingSectionsInWindow)->Unit(benchmark::kMillisecond);

void SearchMissInWindow(benchmark::State& state) {
    Search(state, BigPair().translation, "not in the text");
}
BENCHMARK(SearchMissInWindow)->Unit(benchmark::kMillisecond);

// F8 in the original with 1,800 red lines spread over it, as a check of a
// large pair leaves them: from the top to the first red line, and from there
// on; at the end (the beep) back to the top.
void StepToRedInWindow(benchmark::State& state) {
    PairWindow window(BigPair().translation);
    const std::int32_t count = RichEdit_GetLineCount(OriginalPane);
    RichEdit_SetRedraw(OriginalPane, false);
    for (int i = 0; i < 1800; ++i)
        RichEdit_SetLineColor(OriginalPane, static_cast<std::int32_t>(i * (count / 1800)),
                              ColourRed);
    RichEdit_SetRedraw(OriginalPane, true);
    window.platform.FocusControl(OriginalPane);
    window.PlaceCaret(OriginalPane, 0);
    for (auto _ : state) {
        const int beeps = window.platform.beeps;
        window.Send(MakeCommand(NextRedLineCommand));
        if (window.platform.beeps != beeps) window.PlaceCaret(OriginalPane, 0);
    }
    state.counters["beeps"] = window.platform.beeps;
}
BENCHMARK(StepToRedInWindow)->Unit(benchmark::kMillisecond);

// The worst F8: from the top of the translation to its only red line, its last
// but one, so that the step looks at every line; and the translation lacks
// every section but the first, so that bringing the original along falls back
// through all the translation's headings.
void StepToRedLackingSectionsInWindow(benchmark::State& state) {
    PairWindow window(TranslationLackingSections());
    const std::int32_t target = RichEdit_GetLineCount(TranslationPane) - 2;
    RichEdit_SetLineColor(TranslationPane, target, ColourRed);
    window.platform.FocusControl(TranslationPane);
    for (auto _ : state) {
        state.PauseTiming();
        window.PlaceCaret(TranslationPane, 0);
        state.ResumeTiming();
        window.Send(MakeCommand(NextRedLineCommand));
    }
    state.counters["beeps"] = window.platform.beeps;
}

// F8 below the last red line: through the rest of the pane to the beep.
void StepToRedMissInWindow(benchmark::State& state) {
    PairWindow window(BigPair().translation);
    window.platform.FocusControl(TranslationPane);
    for (auto _ : state)
        window.Send(MakeCommand(NextRedLineCommand));
    state.counters["beeps"] = window.platform.beeps;
}
BENCHMARK(StepToRedMissInWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(StepToRedLackingSectionsInWindow)->Unit(benchmark::kMillisecond);

void ShowCaretPositionInWindow(benchmark::State& state) {
    PairWindow window(BigPair().translation);
    window.PlaceCaret(TranslationPane, RichEdit_GetLineCount(TranslationPane) - 2);
    const auto pane =
        reinterpret_cast<CommandParameter>(window.platform.ControlHandle(TranslationPane));
    for (auto _ : state) {
        window.platform.SendCommand(MakeCommand(CaretPositionCommand), pane);
        QApplication::processEvents();
    }
}
BENCHMARK(ShowCaretPositionInWindow)->Unit(benchmark::kMicrosecond);

} // namespace
