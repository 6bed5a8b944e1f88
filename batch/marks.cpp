#include "batch/marks.h"

#include "platform/platform.h"

const Rule UnexplainedMark{"unexplained-mark",
                           "The place is marked, but no aid said why; please report this."};

namespace {

bool NeedsRule(Colour colour) { return colour == ColourRed || colour == ColourMagenta; }

bool Shown(Colour colour) {
    return NeedsRule(colour) || colour == ColourBlue || colour == ColourDarkGreen;
}

// Whether the finding is behind the mark: same pane, line and colour, and its
// columns (all of them, for a whole line) reach into the mark's.
bool Explains(const Finding& finding, int pane, const Mark& mark) {
    if (finding.pane != pane || finding.line + 1 != mark.line || finding.colour != mark.colour) {
        return false;
    }
    if (finding.firstColumn == 0 && finding.lastColumn == 0) return true;
    return finding.firstColumn <= mark.lastColumn && mark.firstColumn <= finding.lastColumn;
}

void Add(std::vector<Mark>& marks, int pane, const std::vector<Finding>& findings,
         std::int32_t line, std::int32_t first, std::int32_t last, Colour colour) {
    if (!Shown(colour)) return;
    Mark mark{line + 1, first, last, colour, nullptr, {0, 0}};
    if (NeedsRule(colour)) {
        mark.rule = &UnexplainedMark;
        for (auto it = findings.rbegin(); it != findings.rend(); ++it) {
            if (!Explains(*it, pane, mark)) continue;
            mark.rule = it->rule;
            mark.values[0] = it->values[0];
            mark.values[1] = it->values[1];
            break;
        }
    }
    marks.push_back(mark);
}

} // namespace

std::vector<Mark> PaneMarks(int pane, const std::vector<Finding>& findings) {
    std::vector<Mark> marks;
    Pane& p = *ThePlatform().GetPane(pane);
    const std::int32_t lines = p.LineCount();
    const std::int32_t textLength = p.TextLength();
    for (std::int32_t line = 0; line < lines; ++line) {
        const std::int32_t start = p.LineIndex(line);
        const std::int32_t next = line + 1 < lines ? p.LineIndex(line + 1) : -1;
        const bool hasLineEnd = next >= 0;
        const std::int32_t length = hasLineEnd ? next - start - 1 : textLength - start;
        if (length == 0) {
            if (hasLineEnd) Add(marks, pane, findings, line, 0, 0, p.CharColour(start));
            continue;
        }
        std::int32_t column = 0;
        while (column < length) {
            const Colour colour = p.CharColour(start + column);
            std::int32_t end = column + 1;
            while (end < length && p.CharColour(start + end) == colour)
                ++end;
            Add(marks, pane, findings, line, column + 1, end, colour);
            column = end;
        }
    }
    return marks;
}

int RedLines(const std::vector<Mark>& marks) {
    int lines = 0;
    std::int32_t last = 0;
    for (const Mark& mark : marks) {
        if (mark.colour != ColourRed || mark.line == last) continue;
        last = mark.line;
        ++lines;
    }
    return lines;
}
