// Moving through the pair: both panes scrolled together.
#pragma once

enum class ScrollStep {
    LineUp,    // "/\" and the up-down control's upper arrow
    LineDown,  // "\/" and the lower arrow
    LinesUp,   // "/\/\": 15 lines
    LinesDown, // "\/\/"
};

// Scrolls OriginalPane, then TranslationPane, by the same step. A pane already
// at its top or bottom stays where it is, so the panes can drift apart.
void ScrollBothPanes(ScrollStep step);
