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

bool ColourMarks::LineHasColour(std::int32_t line, Colour colour, bool withBreak) const {
    if (line < 0 || line >= LineCount()) return false;
    const Line& target = lines_[static_cast<std::size_t>(line)];
    std::int32_t cells = target.cells - (withBreak ? 0 : 1);
    for (const Run& run : target.runs) {
        if (cells <= 0) break;
        if (run.colour == colour) return true;
        cells -= run.length;
    }
    // Cells beyond the runs are black.
    return colour == Black && cells > 0;
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

Colour ColourMarks::ColourBefore(std::int32_t line, std::int32_t cell) const {
    if (line < 0 || line >= LineCount()) return Black;
    if (cell > 0) return ColourAt(line, cell - 1);
    if (line > 0) return ColourAt(line - 1, lines_[static_cast<std::size_t>(line - 1)].cells - 1);
    return Black;
}

void ColourMarks::PaintSpan(std::int32_t line, std::int32_t offset, std::int32_t cells,
                            Colour colour) {
    for (; cells > 0 && line >= 0 && line < LineCount(); ++line) {
        const std::int32_t lineCells = lines_[static_cast<std::size_t>(line)].cells;
        const std::int32_t take = std::max(0, std::min(cells, lineCells - offset));
        Paint(line, offset, offset + take, colour);
        cells -= take;
        offset = 0;
    }
}

bool ColourMarks::Copy(std::int32_t line, std::int32_t offset, std::int32_t cells,
                       Stretch& out) const {
    out = Stretch();
    out.cells = cells;
    if (line < 0 || line >= LineCount() || offset < 0 || cells < 0) return false;
    std::int32_t done = 0;
    for (std::size_t l = static_cast<std::size_t>(line); done < cells; ++l, offset = 0) {
        if (l >= lines_.size()) return false;
        const Line& source = lines_[l];
        if (offset > source.cells) return false;
        const std::int32_t take = std::min(cells - done, source.cells - offset);
        AppendSlice(source, offset, offset + take, out.runs);
        done += take;
        // The stretch took the line's last cell, its break.
        if (take > 0 && offset + take == source.cells) out.breaks.push_back(done - 1);
    }
    return true;
}

bool ColourMarks::FindEnd(std::int32_t line, std::int32_t offset, std::int32_t removed,
                          std::size_t& last, std::int32_t& tailFrom) const {
    if (line < 0 || line >= LineCount() || offset < 0 || removed < 0) return false;
    last = static_cast<std::size_t>(line);
    if (offset > lines_[last].cells) return false;
    std::int64_t rest = static_cast<std::int64_t>(offset) + removed;
    while (rest >= lines_[last].cells && last + 1 < lines_.size()) {
        rest -= lines_[last].cells;
        ++last;
    }
    if (rest > lines_[last].cells) return false;
    tailFrom = static_cast<std::int32_t>(rest);
    return true;
}

bool ColourMarks::Replace(std::int32_t line, std::int32_t offset, std::int32_t removed,
                          const Stretch& inserted) {
    std::size_t last = 0;
    std::int32_t tailFrom = 0;
    if (!FindEnd(line, offset, removed, last, tailFrom) || inserted.cells < 0) return false;
    std::int32_t previous = -1;
    for (std::int32_t at : inserted.breaks) {
        if (at <= previous || at >= inserted.cells) return false;
        previous = at;
    }
    const std::size_t first = static_cast<std::size_t>(line);

    // What is left of the first old line, the inserted cells and what is left of
    // the last old line form one stretch, which is cut into the new lines.
    std::vector<Run> joined;
    AppendSlice(lines_[first], 0, offset, joined);
    std::int32_t coloured = 0;
    for (const Run& run : inserted.runs) {
        const std::int32_t k = std::min(run.length, inserted.cells - coloured);
        AppendRun(joined, k, run.colour);
        coloured += std::max(k, 0);
    }
    AppendRun(joined, inserted.cells - coloured, Black);
    AppendSlice(lines_[last], tailFrom, lines_[last].cells, joined);

    // A new line ends at each inserted break; the first starts with what is
    // left of the first old line and the last ends with the rest of the last.
    std::vector<Line> replacement(inserted.breaks.size() + 1);
    std::int32_t lineStart = -offset;
    for (std::size_t i = 0; i < inserted.breaks.size(); ++i) {
        replacement[i].cells = inserted.breaks[i] + 1 - lineStart;
        lineStart = inserted.breaks[i] + 1;
    }
    replacement.back().cells = inserted.cells - lineStart + (lines_[last].cells - tailFrom);

    std::size_t runIndex = 0;
    std::int32_t usedOfRun = 0;
    for (Line& target : replacement) {
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

bool ColourMarks::Replace(std::int32_t line, std::int32_t offset, std::int32_t removed,
                          std::int32_t added, const std::vector<std::int32_t>& newLineCells) {
    std::size_t last = 0;
    std::int32_t tailFrom = 0;
    if (added < 0 || newLineCells.empty() || !FindEnd(line, offset, removed, last, tailFrom)) {
        return false;
    }
    // The new lines must hold exactly what is left of the old ones and the new
    // cells; their ends before the last are the inserted breaks.
    Stretch inserted;
    inserted.cells = added;
    std::int64_t end = -static_cast<std::int64_t>(offset);
    for (std::size_t i = 0; i + 1 < newLineCells.size(); ++i) {
        end += newLineCells[i];
        if (end < 1 || end > added) return false;
        inserted.breaks.push_back(static_cast<std::int32_t>(end - 1));
    }
    if (end + newLineCells.back() != added + (lines_[last].cells - tailFrom)) return false;
    inserted.runs.push_back({added, ColourBefore(line, offset)});
    return Replace(line, offset, removed, inserted);
}
