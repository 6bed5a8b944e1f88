#include "batch/marks.h"

#include "panes/richedit.h"
#include "platform/platform.h"

namespace {

const char* ColourName(Colour colour) {
    switch (colour) {
    case ColourRed:
        return "red";
    case ColourMagenta:
        return "magenta";
    case ColourBlue:
        return "blue";
    case ColourDarkGreen:
        return "green";
    default:
        return nullptr;
    }
}

void PrintMark(std::ostream& out, const std::string& path, int line, int first, int last,
               Colour colour, MarkCount& count) {
    const char* name = ColourName(colour);
    if (name == nullptr) return;
    out << path << ':' << line << ':' << first << '-' << last << ": " << name << '\n';
    ++count.marks;
}

} // namespace

MarkCount PrintMarks(std::ostream& out, int pane, const std::string& path) {
    MarkCount count;
    Pane& p = *ThePlatform().GetPane(pane);
    std::int32_t lines = p.LineCount();
    std::int32_t textLength = p.TextLength();
    for (std::int32_t line = 0; line < lines; ++line) {
        std::int32_t start = p.LineIndex(line);
        std::int32_t next = line + 1 < lines ? p.LineIndex(line + 1) : -1;
        bool hasLineEnd = next >= 0;
        std::int32_t length = hasLineEnd ? next - start - 1 : textLength - start;
        bool red = false;
        if (length == 0) {
            if (hasLineEnd) {
                Colour colour = p.CharColour(start);
                red = colour == ColourRed;
                PrintMark(out, path, line + 1, 0, 0, colour, count);
            }
        } else {
            std::int32_t column = 0;
            while (column < length) {
                Colour colour = p.CharColour(start + column);
                std::int32_t end = column + 1;
                while (end < length && p.CharColour(start + end) == colour)
                    ++end;
                red = red || colour == ColourRed;
                PrintMark(out, path, line + 1, column + 1, end, colour, count);
                column = end;
            }
        }
        if (red) ++count.redLines;
    }
    return count;
}
