#include "aids/findings.h"

#include "panes/richedit.h"

namespace {

FindingSink* findingSink = nullptr;

void Report(int pane, std::int32_t line, std::int32_t firstColumn, std::int32_t lastColumn,
            Colour colour, const Rule& rule, std::int32_t value0, std::int32_t value1) {
    findingSink->Report(
        Finding{pane, line, firstColumn, lastColumn, colour, &rule, {value0, value1}});
}

} // namespace

void SetFindingSink(FindingSink* sink) { findingSink = sink; }

FindingSink* TheFindingSink() { return findingSink; }

bool MarkLine(int pane, std::int32_t line, Colour colour, const Rule& rule, std::int32_t value0,
              std::int32_t value1) {
    const bool coloured = RichEdit_SetLineColor(pane, line, colour);
    if (findingSink != nullptr && coloured) Report(pane, line, 0, 0, colour, rule, value0, value1);
    return coloured;
}

bool MarkRange(int pane, std::int32_t from, std::int32_t to, Colour colour, const Rule& rule,
               std::int32_t value0, std::int32_t value1) {
    const bool coloured = RichEdit_SetTextColor(pane, from, to, colour);
    if (findingSink != nullptr && coloured && to > from) {
        const std::int32_t line = RichEdit_LineFromChar(pane, from);
        const std::int32_t start = RichEdit_LineIndex(pane, line);
        Report(pane, line, from - start + 1, to - start, colour, rule, value0, value1);
    }
    return coloured;
}
