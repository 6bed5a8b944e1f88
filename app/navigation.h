// Moving through the pair: both panes scrolled together, and the line of one
// pane brought to the height of its counterpart in the other.
#pragma once

#include <cstdint>

enum class ScrollStep {
    LineUp,    // "/\" and the up-down control's upper arrow
    LineDown,  // "\/" and the lower arrow
    LinesUp,   // "/\/\": 15 lines
    LinesDown, // "\/\/"
};

// Scrolls OriginalPane, then TranslationPane, by the same step. A pane already
// at its top or bottom stays where it is, so the panes can drift apart.
void ScrollBothPanes(ScrollStep step);

// A line of the source pane and the line of the target pane that corresponds to
// it: the same section heading and, within the section, the same key.
struct CorrespondingLine {
    bool found = false;
    std::int32_t sourceLine = 0;
    std::int32_t targetLine = 0;
};

// Looks for the counterpart of the source's line `line` (or of the nearest line
// above it that can have one) in the target. Keys are matched in order; when
// the target lacks the section, the nearest section above that it has stands in.
// Files without headings never yield a counterpart.
CorrespondingLine FindCorrespondingLine(int source, std::int32_t line, int target);

// "=<" and ">=": scrolls the target so that the counterpart of the source's
// caret line stands at the height of its source line. The focus, the source's
// selection and its scroll position stay as they are; without a counterpart
// nothing moves.
void AlignCorrespondingLine(int source, int target);

// Brings `other` to the counterpart of line `line` of `pane`, at the height the
// pane shows that line at (after a search or a step to a marked line).
void FollowInOtherPane(int pane, std::int32_t line, int other);
