#include "platform/colour_marks.h"

#include <algorithm>
#include <utility>

namespace {

constexpr Colour Black = MakeColour(0, 0, 0);

const std::vector<ColourMarks::Run> noRuns;

} // namespace

ColourMarks::ColourMarks() { Reset({1}); }

void ColourMarks::Reset(const std::vector<std::int32_t>& lineCells) {
    lines_.assign(std::max<std::size_t>(lineCells.size(), 1), Line{1, {}});
    for (std::size_t i = 0; i < lineCells.size(); ++i)
        lines_[i].cells = lineCells[i];
}

std::int32_t ColourMarks::LineCells(std::int32_t line) const {
    if (line < 0 || line >= LineCount()) return 0;
    return lines_[static_cast<std::size_t>(line)].cells;
}

Colour ColourMarks::ColourAt(std::int32_t line, std::int32_t cell) const {
    if (line < 0 || line >= LineCount()) return Black;
    std::int32_t start = 0;
    for (const Run& run : lines_[static_cast<std::size_t>(line)].runs) {
        if (cell < start + run.length) return run.colour;
        start += run.length;
    }
    return Black;
}

const std::vector<ColourMarks::Run>& ColourMarks::Runs(std::int32_t line) const {
    if (line < 0 || line >= LineCount()) return noRuns;
    return lines_[static_cast<std::size_t>(line)].runs;
}

void ColourMarks::AppendRun(std::vector<Run>& runs, std::int32_t length, Colour colour) {
    if (length <= 0) return;
    if (!runs.empty() && runs.back().colour == colour) {
        runs.back().length += length;
    } else {
        runs.push_back({length, colour});
    }
}

// A line that is black throughout keeps no runs, so that a pane that was never
// coloured costs nothing beyond one count per line.
void ColourMarks::DropIfBlack(std::vector<Run>& runs) {
    if (std::all_of(runs.begin(), runs.end(), [](const Run& run) { return run.colour == Black; })) {
        runs.clear();
    }
}

void ColourMarks::AppendSlice(const Line& line, std::int32_t from, std::int32_t to,
                              std::vector<Run>& out) {
    if (from >= to) return;
    std::int32_t start = 0;
    for (const Run& run : line.runs) {
        std::int32_t end = start + run.length;
        std::int32_t a = std::max(start, from);
        std::int32_t b = std::min(end, to);
        if (a < b) AppendRun(out, b - a, run.colour);
        start = end;
        if (start >= to) return;
    }
    // Cells beyond the runs are black.
    AppendRun(out, to - std::max(start, from), Black);
}

void ColourMarks::Paint(std::int32_t line, std::int32_t from, std::int32_t to, Colour colour) {
    if (line < 0 || line >= LineCount()) return;
    Line& target = lines_[static_cast<std::size_t>(line)];
    from = std::clamp(from, 0, target.cells);
    to = std::clamp(to, 0, target.cells);
    if (from >= to) return;
    if (from == 0 && to == target.cells) {
        // The common case of the aids: a whole line in one colour.
        target.runs.clear();
        if (colour != Black) target.runs.push_back({target.cells, colour});
        return;
    }
    std::vector<Run> runs;
    AppendSlice(target, 0, from, runs);
    AppendRun(runs, to - from, colour);
    AppendSlice(target, to, target.cells, runs);
    DropIfBlack(runs);
    target.runs = std::move(runs);
}

void ColourMarks::PaintAll(Colour colour) {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Line& line = lines_[i];
        line.runs.clear();
        if (colour != Black) line.runs.push_back({line.cells, colour});
    }
}

bool ColourMarks::Replace(std::int32_t line, std::int32_t offset, std::int32_t removed,
                          std::int32_t added, const std::vector<std::int32_t>& newLineCells) {
    if (line < 0 || line >= LineCount() || offset < 0 || removed < 0 || added < 0 ||
        newLineCells.empty()) {
        return false;
    }
    const std::size_t first = static_cast<std::size_t>(line);
    if (offset > lines_[first].cells) return false;

    // The old line that holds the end of the removed stretch, and the cell there.
    std::size_t last = first;
    std::int64_t rest = static_cast<std::int64_t>(offset) + removed;
    while (rest >= lines_[last].cells && last + 1 < lines_.size()) {
        rest -= lines_[last].cells;
        ++last;
    }
    if (rest > lines_[last].cells) return false;
    const std::int32_t tailFrom = static_cast<std::int32_t>(rest);

    Colour before = Black;
    if (offset > 0) {
        before = ColourAt(line, offset - 1);
    } else if (line > 0) {
        before = ColourAt(line - 1, lines_[first - 1].cells - 1);
    }

    // What is left of the first old line, the new cells and what is left of the
    // last old line form one stretch, which is cut into the new lines.
    std::vector<Run> joined;
    AppendSlice(lines_[first], 0, offset, joined);
    AppendRun(joined, added, before);
    AppendSlice(lines_[last], tailFrom, lines_[last].cells, joined);
    std::int64_t joinedCells =
        static_cast<std::int64_t>(offset) + added + (lines_[last].cells - tailFrom);
    std::int64_t newCells = 0;
    for (std::int32_t cells : newLineCells)
        newCells += cells;
    if (newCells != joinedCells) return false;

    std::vector<Line> replacement(newLineCells.size());
    std::size_t runIndex = 0;
    std::int32_t usedOfRun = 0;
    for (std::size_t i = 0; i < newLineCells.size(); ++i) {
        Line& target = replacement[i];
        target.cells = newLineCells[i];
        std::int32_t wanted = target.cells;
        while (wanted > 0 && runIndex < joined.size()) {
            std::int32_t k = std::min(wanted, joined[runIndex].length - usedOfRun);
            AppendRun(target.runs, k, joined[runIndex].colour);
            wanted -= k;
            usedOfRun += k;
            if (usedOfRun == joined[runIndex].length) {
                ++runIndex;
                usedOfRun = 0;
            }
        }
        DropIfBlack(target.runs);
    }

    const std::size_t oldCount = last - first + 1;
    if (oldCount > replacement.size()) {
        lines_.erase(first + replacement.size(), oldCount - replacement.size());
    } else {
        lines_.insert(first + oldCount, replacement.size() - oldCount);
    }
    for (std::size_t i = 0; i < replacement.size(); ++i)
        lines_[first + i] = std::move(replacement[i]);
    return true;
}
