#include "aids/pane_lines.h"

#include "panes/richedit.h"

PaneLines::PaneLines(int pane, std::int32_t count) {
    starts_.reserve(static_cast<std::size_t>(count > 0 ? count : 0) + 1);
    starts_.push_back(0);
    char line[LineCapacity];
    for (std::int32_t m = 0; m < count; ++m) {
        const int n = RichEdit_GetTextLine(pane, m, line, LineCapacity);
        bytes_.append(line, static_cast<std::size_t>(n));
        starts_.push_back(static_cast<std::int32_t>(bytes_.size()));
    }
}
