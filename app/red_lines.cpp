#include "app/red_lines.h"

#include "app/control_ids.h"
#include "app/navigation.h"
#include "panes/richedit.h"
#include "platform/platform.h"

#include <cstdint>

void StepToRedLine(SearchDirection direction) {
    Platform& platform = ThePlatform();
    const int pane = PaneInUse();
    NotePaneInUse(pane);
    const int other = pane == OriginalPane ? TranslationPane : OriginalPane;

    // From the line of the selection's start: a step selects a whole line, whose
    // end lies on the next line, and the next step must not pass over that one.
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    const std::int32_t from = RichEdit_LineFromChar(pane, start);
    const std::int32_t count = RichEdit_GetLineCount(pane);
    const std::int32_t step = direction == SearchDirection::Forwards ? 1 : -1;
    std::int32_t line = from + step;
    while (line >= 0 && line < count && !RichEdit_LineHasColor(pane, line, ColourRed))
        line += step;
    if (line < 0 || line >= count) {
        platform.Beep();
        return;
    }

    const std::int32_t lineStart = RichEdit_LineIndex(pane, line);
    const std::int32_t next = RichEdit_LineIndex(pane, line + 1);
    const std::int32_t lineEnd = next < 0 ? RichEdit_GetTextLength(pane) : next - 1;
    // The caret at the line's start, the line selected.
    RichEdit_SetSel(pane, lineEnd, lineStart);
    RichEdit_ScrollCaret(pane);
    FollowInOtherPane(pane, line, other);
    platform.FocusControl(pane);
}
