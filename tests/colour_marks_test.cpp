#include "platform/colour_history.h"
#include "platform/colour_marks.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr Colour K = MakeColour(0, 0, 0);
constexpr Colour R = MakeColour(255, 0, 0);
constexpr Colour B = MakeColour(0, 0, 255);

// Colours of every cell, line by line.
std::vector<std::vector<Colour>> Cells(const ColourMarks& marks) {
    std::vector<std::vector<Colour>> lines;
    for (std::int32_t line = 0; line < marks.LineCount(); ++line) {
        std::vector<Colour> cells;
        for (std::int32_t cell = 0; cell < marks.LineCells(line); ++cell) {
            cells.push_back(marks.ColourAt(line, cell));
        }
        lines.push_back(cells);
    }
    return lines;
}

// Three lines "ab\r" (red), "cd\r" (blue), "ef" (black, with its hidden cell).
ColourMarks ThreeLines() {
    ColourMarks marks;
    marks.Reset({3, 3, 3});
    marks.Paint(0, 0, 3, R);
    marks.Paint(1, 0, 3, B);
    return marks;
}

TEST(ColourMarks, replace_followsTheTextAroundTheChange) {
    struct Case {
        const char* what;
        // Line, offset, removed, added.
        std::vector<std::int32_t> change;
        std::vector<std::int32_t> newLineCells;
        std::vector<std::vector<Colour>> expected;
    };
    const Case cases[] = {
        {"typing inside a line takes the colour before it",
         {0, 1, 0, 2},
         {5},
         {{R, R, R, R, R}, {B, B, B}, {K, K, K}}},
        {"typing at a line start takes the previous break's colour",
         {1, 0, 0, 1},
         {4},
         {{R, R, R}, {R, B, B, B}, {K, K, K}}},
        {"a new line splits the colours of the line",
         {0, 1, 0, 1},
         {2, 2},
         {{R, R}, {R, R}, {B, B, B}, {K, K, K}}},
        {"deleting a break joins two colourings", {0, 2, 1, 0}, {5}, {{R, R, B, B, B}, {K, K, K}}},
        {"deleting across lines keeps both ends", {0, 1, 5, 0}, {4}, {{R, K, K, K}}},
        {"a replacement at the very start is black",
         {0, 0, 1, 1},
         {3},
         {{K, R, R}, {B, B, B}, {K, K, K}}},
    };
    for (const Case& c : cases) {
        ColourMarks marks = ThreeLines();
        ASSERT_TRUE(
            marks.Replace(c.change[0], c.change[1], c.change[2], c.change[3], c.newLineCells))
            << c.what;
        EXPECT_EQ(Cells(marks), c.expected) << c.what;
    }
}

TEST(ColourMarks, replace_refusesAChangeThatDoesNotFitTheLines) {
    ColourMarks marks = ThreeLines();
    // The new lines must hold exactly what is left plus what came in.
    EXPECT_FALSE(marks.Replace(0, 1, 0, 2, {4}));
    EXPECT_FALSE(marks.Replace(3, 0, 0, 1, {1}));
    EXPECT_FALSE(marks.Replace(2, 0, 50, 0, {1}));
    EXPECT_EQ(Cells(marks), Cells(ThreeLines()));
}

TEST(ColourMarks, paint_keepsNeighboursAndForgetsBlackLines) {
    ColourMarks marks = ThreeLines();
    marks.Paint(0, 1, 2, B);
    EXPECT_EQ(Cells(marks)[0], (std::vector<Colour>{R, B, R}));
    marks.Paint(0, -5, 50, K);
    EXPECT_TRUE(marks.Runs(0).empty());
    marks.PaintAll(K);
    for (std::int32_t line = 0; line < marks.LineCount(); ++line)
        EXPECT_TRUE(marks.Runs(line).empty());
}

// Cells as a plain list: each with its colour and whether it ends a line (the
// last one is the last line's hidden cell).
struct Cell {
    Colour colour;
    bool lineEnd;
    bool operator==(const Cell&) const = default;
};

std::vector<Cell> Flat(const ColourMarks& marks) {
    std::vector<Cell> cells;
    for (std::int32_t line = 0; line < marks.LineCount(); ++line) {
        for (std::int32_t cell = 0; cell < marks.LineCells(line); ++cell)
            cells.push_back({marks.ColourAt(line, cell), cell + 1 == marks.LineCells(line)});
    }
    return cells;
}

// Line and offset of a cell index.
std::pair<std::int32_t, std::int32_t> Locate(const std::vector<Cell>& cells, std::size_t index) {
    std::int32_t line = 0;
    std::int32_t offset = 0;
    for (std::size_t i = 0; i < index; ++i) {
        ++offset;
        if (cells[i].lineEnd) {
            ++line;
            offset = 0;
        }
    }
    return {line, offset};
}

// Random replacements (some sharing a history step, as merged typing does),
// colourings, undos and redos, on the marks with a colour history and on a plain
// list that keeps the removed cells of each change itself.
TEST(ColourHistory, randomChangesUndosAndRedos_matchAPlainList) {
    std::mt19937 random(11);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const Colour palette[] = {K, R, B};
    ColourMarks marks;
    marks.Reset({4, 1, 6, 3});
    ColourHistory history;
    std::vector<Cell> model = Flat(marks);
    struct Change {
        int step;
        std::size_t at;
        std::vector<Cell> removed;
        std::vector<Cell> inserted;
    };
    std::vector<Change> changes;
    std::size_t done = 0;
    int step = 0;
    // Puts `in` where the cells of `out` lie from `at` on, keeping them in `out`.
    auto swapCells = [&model](std::size_t at, std::vector<Cell>& out, const std::vector<Cell>& in) {
        const auto first = model.begin() + static_cast<std::ptrdiff_t>(at);
        const auto last = first + static_cast<std::ptrdiff_t>(out.size());
        out.assign(first, last);
        model.erase(first, last);
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), in.begin(), in.end());
    };

    for (int round = 0; round < 3000; ++round) {
        const int what = below(10);
        if (what < 5) {
            const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(model.size())));
            const std::size_t removed = static_cast<std::size_t>(
                below(static_cast<int>(std::min<std::size_t>(model.size() - at, 12))));
            Change change{0, at, {model.begin() + at, model.begin() + at + removed}, {}};
            ColourMarks::Stretch inserted;
            inserted.cells = below(8);
            for (std::int32_t i = 0; i < inserted.cells; ++i) {
                const Cell cell{palette[below(3)], below(4) == 0};
                if (cell.lineEnd) inserted.breaks.push_back(i);
                inserted.runs.push_back({1, cell.colour});
                change.inserted.push_back(cell);
            }
            const bool sameStep = done > 0 && done == changes.size() && below(4) == 0;
            change.step = sameStep ? step : ++step;
            const auto [line, offset] = Locate(model, at);
            history.Note(marks, line, offset, static_cast<std::int32_t>(removed), inserted.cells,
                         change.step);
            ASSERT_TRUE(marks.Replace(line, offset, static_cast<std::int32_t>(removed), inserted));
            model.erase(model.begin() + at, model.begin() + at + removed);
            model.insert(model.begin() + at, change.inserted.begin(), change.inserted.end());
            changes.resize(done);
            changes.push_back(std::move(change));
            done = changes.size();
        } else if (what < 7) {
            const std::size_t at = static_cast<std::size_t>(below(static_cast<int>(model.size())));
            const std::size_t cells = std::min<std::size_t>(model.size() - at, below(15));
            const Colour colour = palette[below(3)];
            const auto [line, offset] = Locate(model, at);
            marks.PaintSpan(line, offset, static_cast<std::int32_t>(cells), colour);
            for (std::size_t i = at; i < at + cells; ++i)
                model[i].colour = colour;
        } else if (what < 9 && done > 0) {
            // Undo one step: its changes last first, each giving back what it took.
            const int target = changes[done - 1].step - 1;
            for (; done > 0 && changes[done - 1].step > target; --done) {
                Change& change = changes[done - 1];
                swapCells(change.at, change.inserted, change.removed);
            }
            step = target;
            ASSERT_EQ(history.Undo(marks, step), ColourHistory::Replay::Done);
        } else if (done < changes.size()) {
            const int target = changes[done].step;
            for (; done < changes.size() && changes[done].step <= target; ++done) {
                Change& change = changes[done];
                swapCells(change.at, change.removed, change.inserted);
            }
            step = target;
            ASSERT_EQ(history.Redo(marks, step), ColourHistory::Replay::Done);
        }
        ASSERT_EQ(Flat(marks), model) << "round " << round;
    }
}

} // namespace
