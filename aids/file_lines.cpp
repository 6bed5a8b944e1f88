#include "aids/file_lines.h"

#include "panes/richedit.h"

std::int32_t FileLineCount(int pane) {
    const std::int32_t lines = RichEdit_GetLineCount(pane);
    const std::int32_t lastStart = RichEdit_LineIndex(pane, lines - 1);
    const bool lastIsEmpty = lastStart >= 0 && lastStart == RichEdit_GetTextLength(pane);
    return lastIsEmpty ? lines - 1 : lines;
}
