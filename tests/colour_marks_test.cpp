#include "platform/colour_marks.h"

#include <gtest/gtest.h>
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

} // namespace
