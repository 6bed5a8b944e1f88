// The two rules every aid that works through whole panes keeps, each a scope
// guard so that no aid writes them out again:
//
// - an aid that only colours keeps `modified` as it found it, since colour
//   requests in TranslationPane may be reported as changes of the text;
// - drawing of the panes an aid works on is off for the whole run (every colour
//   and every insertion moves the selection) and on again at the end, which
//   repaints each pane once. Where both panes take part, OriginalPane comes
//   first, both when drawing goes off and when it comes on again.
#pragma once

#include "app/app_state.h"
#include "panes/richedit.h"

#include <cstdint>
#include <initializer_list>

// Puts `modified` back, at the end of the scope, to what it was at its start.
class KeepModifiedAsFound {
  public:
    KeepModifiedAsFound() : found_(appState.modified) {}
    ~KeepModifiedAsFound() { appState.modified = found_; }
    KeepModifiedAsFound(const KeepModifiedAsFound&) = delete;
    KeepModifiedAsFound& operator=(const KeepModifiedAsFound&) = delete;

  private:
    std::int32_t found_;
};

// Switches drawing of the given panes off, in the order given, and on again in
// the same order at the end of the scope.
class DrawingOffForRun {
  public:
    explicit DrawingOffForRun(std::initializer_list<int> panes) {
        for (int pane : panes) {
            if (count_ == MaxPanes) break; // there are two panes
            panes_[count_++] = pane;
            RichEdit_SetRedraw(pane, false);
        }
    }
    ~DrawingOffForRun() {
        for (int i = 0; i < count_; ++i)
            RichEdit_SetRedraw(panes_[i], true);
    }
    DrawingOffForRun(const DrawingOffForRun&) = delete;
    DrawingOffForRun& operator=(const DrawingOffForRun&) = delete;

  private:
    static constexpr int MaxPanes = 2;
    int panes_[MaxPanes] = {};
    int count_ = 0;
};
