// What every pane must do: the requests of platform/pane.h and the RichEdit_
// operations built on them, stated once and run against each pane kind.
//
// A pane kind takes part by a harness type of this shape:
//
//     struct XxxPaneHarness {
//         // Makes a platform whose pane `id()` is the pane under test, empty,
//         // with change notification off and the default text limit, and
//         // SetPlatform()s it.
//         XxxPaneHarness();
//         // Leaves no platform set.
//         ~XxxPaneHarness();
//         Pane& pane();          // the pane under test
//         int id() const;        // its control id, 1003 (TranslationPane)
//         // The notification codes (EN_CHANGE, EN_MAXTEXT) the pane reported,
//         // in order; tests clear it. Recording must not show any UI.
//         std::vector<std::uint16_t>& notifications();
//     };
//
// and instantiates the suite with
//
//     INSTANTIATE_TYPED_TEST_SUITE_P(Xxx, PaneContract, XxxPaneHarness);
//
// The tests assume the pane shows fewer than 150 lines at once.
#pragma once

#include "panes/richedit.h"
#include "platform/pane.h"
#include "platform/pane_rules.h"
#include "stepwise_find.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

template <typename Harness> class PaneContract : public ::testing::Test {
  protected:
    Pane& pane() { return harness_.pane(); }
    int id() const { return harness_.id(); }
    std::vector<std::uint16_t>& notifications() { return harness_.notifications(); }

    // The whole text as the whole-text read gives it (CR LF line breaks).
    std::string Text() {
        std::vector<char> buffer(static_cast<std::size_t>(pane().TextLength()) * 2 + 1);
        std::int32_t n =
            RichEdit_GetText(id(), buffer.data(), static_cast<std::int32_t>(buffer.size()));
        return std::string(buffer.data(), static_cast<std::size_t>(n));
    }

    // Line `line` as RichEdit_GetTextLine reads it into a 320-byte blank buffer.
    std::string Line(std::int32_t line) {
        char buffer[320];
        std::memset(buffer, ' ', sizeof buffer);
        std::int32_t n = RichEdit_GetTextLine(id(), line, buffer, 320);
        return std::string(buffer, static_cast<std::size_t>(n));
    }

    std::pair<std::int32_t, std::int32_t> Selection() {
        std::int32_t start = -5;
        std::int32_t end = -5;
        RichEdit_GetSel(id(), start, end);
        return {start, end};
    }

    // Colour of every character of a line, its break included.
    std::vector<Colour> LineColours(std::int32_t line) {
        std::int32_t from = RichEdit_LineIndex(id(), line);
        std::int32_t to = RichEdit_LineIndex(id(), line + 1);
        if (to < 0) to = RichEdit_GetTextLength(id());
        std::vector<Colour> colours;
        for (std::int32_t i = from; i < to; ++i)
            colours.push_back(pane().CharColour(i));
        return colours;
    }

    bool LineIs(std::int32_t line, Colour colour) {
        for (Colour c : LineColours(line)) {
            if (c != colour) return false;
        }
        return true;
    }

  private:
    Harness harness_;
};

TYPED_TEST_SUITE_P(PaneContract);

TYPED_TEST_P(PaneContract, emptyPane_hasOneEmptyLineAndTheReadLeavesTheCapacityWord) {
    EXPECT_EQ(RichEdit_GetLineCount(this->id()), 1);
    EXPECT_EQ(RichEdit_GetTextLength(this->id()), 0);
    EXPECT_EQ(RichEdit_LineIndex(this->id(), 1), -1);
    EXPECT_EQ(this->Text(), "");
    char buffer[320];
    std::memset(buffer, ' ', sizeof buffer);
    ASSERT_EQ(RichEdit_GetTextLine(this->id(), 0, buffer, 320), 0);
    EXPECT_EQ(std::string(buffer, 3), "\x40\x01 ");
    EXPECT_EQ(RichEdit_StreamOutText(this->id(), buffer, 320), 0);
}

TYPED_TEST_P(PaneContract, getTextLine_givesTheBreakAsCrAndNeverPassesTheCapacity) {
    RichEdit_SetText(this->id(), "abc\r\nx");
    EXPECT_EQ(this->Line(0), "abc\r");
    EXPECT_EQ(this->Line(2), "");
    EXPECT_EQ(this->Line(-1), "");
    // A one-character read overwrites only the low byte of the capacity word.
    char buffer[320];
    std::memset(buffer, '#', sizeof buffer);
    ASSERT_EQ(RichEdit_GetTextLine(this->id(), 1, buffer, 320), 1);
    EXPECT_EQ(std::string(buffer, 3), "x\x01#");
    // A longer line is cut without its break.
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(RichEdit_GetTextLine(this->id(), 0, buffer, 3), 3);
    EXPECT_EQ(std::string(buffer, 4), "abc#");
}

TYPED_TEST_P(PaneContract, lineBreaks_crLfLoneCrAndLoneLfAreEachOneBreak) {
    struct Case {
        const char* in;
        std::int32_t lines;
        const char* out;
    };
    const Case cases[] = {
        {"a\r\nb", 2, "a\r\nb"},     {"a\rb", 2, "a\r\nb"},         {"a\nb", 2, "a\r\nb"},
        {"a\n\rb", 3, "a\r\n\r\nb"}, {"a\r\n\r\n", 3, "a\r\n\r\n"}, {"ab\0cd", 1, "ab"},
    };
    for (const Case& c : cases) {
        RichEdit_SetText(this->id(), c.in);
        EXPECT_EQ(RichEdit_GetLineCount(this->id()), c.lines) << c.in;
        EXPECT_EQ(this->Text(), c.out) << c.in;
    }
    // Inserted text is taken the same way.
    RichEdit_SetText(this->id(), "");
    RichEdit_ReplaceRange(this->id(), 0, 0, "1\r2\n3\r\n4");
    EXPECT_EQ(RichEdit_GetTextLength(this->id()), 7);
    EXPECT_EQ(this->Line(2), "3\r");
}

TYPED_TEST_P(PaneContract, everyByteButBreaksAndNulSurvivesTheRoundTrip) {
    std::string all;
    for (int c = 1; c < 256; ++c) {
        if (c != '\r' && c != '\n') all.push_back(static_cast<char>(c));
    }
    RichEdit_SetText(this->id(), all.c_str());
    EXPECT_EQ(this->Text(), all);
    EXPECT_EQ(this->Line(0), all);
    // The euro sign, German quotes, the unused 0x81 and a no-break space.
    RichEdit_ReplaceRange(this->id(), 0, -1, "\x80\x84\x93\x81\xA0\r");
    EXPECT_EQ(this->Line(0), "\x80\x84\x93\x81\xA0\r");
}

TYPED_TEST_P(PaneContract, positions_countTheBreakWithItsLineAndAreClamped) {
    RichEdit_SetText(this->id(), "ab\r\ncd\r\n");
    EXPECT_EQ(RichEdit_LineIndex(this->id(), 2), 6);
    EXPECT_EQ(RichEdit_LineIndex(this->id(), 3), -1);
    EXPECT_EQ(RichEdit_LineFromChar(this->id(), 2), 0);
    EXPECT_EQ(RichEdit_LineFromChar(this->id(), 3), 1);
    EXPECT_EQ(RichEdit_LineFromChar(this->id(), 100), 2);
    RichEdit_SetSel(this->id(), 2, -1);
    EXPECT_EQ(this->Selection(), std::make_pair(2, 6));
    RichEdit_SetSel(this->id(), 5, 100);
    EXPECT_EQ(this->Selection(), std::make_pair(5, 6));
}

TYPED_TEST_P(PaneContract, insertAtLine_keepsTheCaretAtItsNumber) {
    // Read-only refuses the user's typing, not the program's changes.
    this->pane().SetReadOnly(true);
    RichEdit_SetText(this->id(), "0123456789\r\n0123456789\r\n0123456789");
    RichEdit_SetSel(this->id(), 20, 20);
    RichEdit_InsertAtLine(this->id(), 0, "abcde");
    EXPECT_EQ(this->Selection(), std::make_pair(20, 20));
    EXPECT_EQ(this->Line(0), "abcde0123456789\r");
    // Breaks in the text make new lines before the old line.
    RichEdit_InsertAtLine(this->id(), 1, "x\ry\r");
    EXPECT_EQ(this->Line(2), "y\r");
    EXPECT_EQ(this->Line(3), "0123456789\r");
}

TYPED_TEST_P(PaneContract, replaceLine_replacesTheLineWithItsBreak) {
    RichEdit_SetText(this->id(), "one\r\ntwo\r\nthree");
    RichEdit_SetSel(this->id(), 1, 2);
    RichEdit_ReplaceLine(this->id(), 1, "TWO!\r");
    EXPECT_EQ(this->Text(), "one\r\nTWO!\r\nthree");
    EXPECT_EQ(this->Selection(), std::make_pair(1, 2));
    // Without a break the line joins the next one.
    RichEdit_ReplaceLine(this->id(), 0, "joined ");
    EXPECT_EQ(this->Text(), "joined TWO!\r\nthree");
    // The last line runs to the end of the text.
    RichEdit_ReplaceLine(this->id(), 1, "end\rmore");
    EXPECT_EQ(this->Text(), "joined TWO!\r\nend\r\nmore");
}

TYPED_TEST_P(PaneContract, linesThatDoNotExist_areLeftAlone) {
    // -1 is what the pane itself reads as the caret's line.
    for (const std::int32_t line : {5, -1}) {
        SCOPED_TRACE(line);
        RichEdit_SetText(this->id(), "a\r\nb");
        RichEdit_SetSel(this->id(), 3, 3);
        RichEdit_ReplaceLine(this->id(), line, "x\r");
        RichEdit_InsertAtLine(this->id(), line, "x\r");
        EXPECT_FALSE(RichEdit_SetLineColor(this->id(), line, ColourRed));
        EXPECT_EQ(this->Text(), "a\r\nb");
        EXPECT_EQ(this->Selection(), std::make_pair(3, 3));
        EXPECT_TRUE(this->LineIs(0, ColourBlack));
        EXPECT_TRUE(this->LineIs(1, ColourBlack));
    }
}

TYPED_TEST_P(PaneContract, findText_forwardsFirstBackwardsLastIgnoringCase) {
    // Matches at 2 and 7.
    RichEdit_SetText(this->id(), "xxabxxxABx\r\nxx");
    EXPECT_EQ(RichEdit_FindText(this->id(), 0, 10, "ab"), 2);
    EXPECT_EQ(RichEdit_FindText(this->id(), 10, 0, "ab"), 7);
    EXPECT_EQ(RichEdit_FindText(this->id(), 0, 10, "abc"), -1);
    EXPECT_EQ(RichEdit_FindText(this->id(), 10, 0, "abc"), -1);
    // A match must end by `to` forwards and by `from` backwards, so that an
    // occurrence selected by a backward search is not found again.
    EXPECT_EQ(RichEdit_FindText(this->id(), 3, 8, "ab"), -1);
    EXPECT_EQ(RichEdit_FindText(this->id(), 3, 9, "ab"), 7);
    EXPECT_EQ(RichEdit_FindText(this->id(), 2, 0, "a"), -1);
    EXPECT_EQ(RichEdit_FindText(this->id(), 3, 0, "a"), 2);
    // The pane's own request takes -1 for the end of the text.
    EXPECT_EQ(this->pane().FindText(3, -1, "AB"), 7);

    // Case pairs of the code page.
    RichEdit_SetText(this->id(), "x \xE4rger \x9Anell \xFF");
    EXPECT_EQ(this->pane().FindText(0, -1, "\xC4RGER"), 2);
    EXPECT_EQ(this->pane().FindText(0, -1, "\x8ANELL"), 8);
    EXPECT_EQ(this->pane().FindText(0, -1, "\x9F"), 14);
    // The multiplication and division signs are no case pair.
    RichEdit_SetText(this->id(), "a\xF7");
    EXPECT_EQ(this->pane().FindText(0, -1, "\xD7"), -1);
}

TYPED_TEST_P(PaneContract, findText_backwardsTheLastMatchOfTheRange) {
    const std::string longLine = std::string(10000, 'a') + "b" + std::string(10000, 'a');
    const struct {
        std::string text;
        std::int32_t from;
        std::int32_t to;
        const char* what;
        std::int32_t found;
    } cases[] = {
        // Overlapping matches; a match must end by `from`.
        {"aaaa", 4, 0, "aa", 2},
        {"aaaa", 3, 0, "aa", 1},
        {"aaaa", 4, 3, "aa", -1},
        {"aaaa", 4, 2, "AA", 2},
        // Across a line break, given as CR LF, CR or LF.
        {"ab\r\ncd", 5, 0, "b\r\nc", 1},
        {"ab\r\ncd", 3, 0, "b\r\nc", -1},
        {"ab\ncd", 4, 0, "B\nC", 1},
        {"ab\r\ncd\r", 6, 0, "\r", 5},
        // The last line without a break; `from` past the text is its end.
        {"ab\r\nab", 100, 0, "ab", 3},
        {"ab\r\nab", 4, 0, "ab", 0},
        {"\xE4x\xC4x", 4, 0, "\xC4X", 2},
        {"abab", 4, 0, "", -1},
        // A negative `to` is the text's start; a negative `from` has always given
        // the first match.
        {"abab", 4, -3, "ab", 2},
        {"abab", -1, -5, "ab", 0},
        // A long line: the match at its middle, and none when it may not end by
        // `from`.
        {longLine, 20001, 0, "b", 10000},
        {longLine, 20001, 0, "ab", 9999},
        {longLine, 20001, 0, "aa", 19999},
        {longLine, 10000, 0, "b", -1},
        {longLine, 20001, 10001, "ba", -1},
        {"x\r" + longLine + "\ry", 20005, 0, "\rY", 20003},
        {"x\r" + longLine + "\ry", 20004, 0, "\rY", -1},
        {"x\r" + longLine + "\ry", 20005, 0, "x\ra", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to << " " << c.what);
        RichEdit_SetText(this->id(), c.text.c_str());
        EXPECT_EQ(RichEdit_FindText(this->id(), c.from, c.to, c.what), c.found);
    }

    // Random texts with long lines against the steps from match to match.
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RandomSearches random(seed);
        const std::string text = random.Text();
        RichEdit_SetText(this->id(), text.c_str());
        const std::string paneText = PaneText(text.c_str());
        const std::int32_t length = this->pane().TextLength();
        for (int search = 0; search < 4; ++search) {
            const std::string what = random.Pattern(paneText);
            const std::int32_t from = random.Index(length);
            const std::int32_t to = random.Index(length);
            if (from <= to) continue;
            EXPECT_EQ(RichEdit_FindText(this->id(), from, to, what.c_str()),
                      StepwiseBackwardFind(this->pane(), from, to, what.c_str()))
                << "seed " << seed << ", " << from << ".." << to;
        }
    }
}

TYPED_TEST_P(PaneContract, colours_coverTheLineBreakAndPassToInsertedText) {
    RichEdit_SetText(this->id(), "ab\r\ncd\r\nef");
    RichEdit_SetSel(this->id(), 4, 5);
    EXPECT_TRUE(RichEdit_SetLineColor(this->id(), 1, ColourRed));
    EXPECT_TRUE(RichEdit_SetLineColor(this->id(), 2, ColourBlue));
    EXPECT_TRUE(RichEdit_SetTextColor(this->id(), 1, 2, ColourMagenta));
    EXPECT_EQ(this->Selection(), std::make_pair(4, 5));
    EXPECT_EQ(this->LineColours(0), (std::vector<Colour>{ColourBlack, ColourMagenta, ColourBlack}));
    EXPECT_EQ(this->LineColours(1), std::vector<Colour>(3, ColourRed));
    EXPECT_EQ(this->LineColours(2), std::vector<Colour>(2, ColourBlue));

    // New text takes the colour of the character before it; black at the start.
    RichEdit_ReplaceRange(this->id(), 4, 4, "X");
    RichEdit_ReplaceRange(this->id(), 0, 0, "Y");
    EXPECT_TRUE(this->LineIs(1, ColourRed));
    EXPECT_EQ(this->pane().CharColour(0), ColourBlack);

    EXPECT_TRUE(RichEdit_SetAllTextColor(this->id(), ColourDarkGreen));
    EXPECT_TRUE(this->LineIs(0, ColourDarkGreen));
    EXPECT_TRUE(this->LineIs(2, ColourDarkGreen));
}

TYPED_TEST_P(PaneContract, lineHasColour_countsTheBreakButNotTheLastLinesEnd) {
    RichEdit_SetText(this->id(), "ab\r\ncd\r\n");
    RichEdit_SetTextColor(this->id(), 2, 3, ColourRed);
    RichEdit_SetTextColor(this->id(), 3, 5, ColourBlue);
    const struct {
        std::int32_t line;
        Colour colour;
        bool has;
    } cases[] = {
        {0, ColourRed, true},   {0, ColourBlack, true},  {1, ColourBlue, true},
        {1, ColourBlack, true}, {1, ColourRed, false},   {2, ColourBlack, false},
        {2, ColourBlue, false}, {3, ColourBlack, false}, {-1, ColourBlack, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RichEdit_LineHasColor(this->id(), c.line, c.colour), c.has)
            << c.line << " " << c.colour;
    }
    // Everything in one colour leaves no black, not even the empty last line.
    RichEdit_SetAllTextColor(this->id(), ColourBlue);
    EXPECT_FALSE(RichEdit_LineHasColor(this->id(), 0, ColourBlack));
    EXPECT_FALSE(RichEdit_LineHasColor(this->id(), 2, ColourBlue));
}

TYPED_TEST_P(PaneContract, colours_areNeitherUndoStepsNorChanges) {
    RichEdit_SetText(this->id(), "one\r\ntwo\r\nthree");
    this->pane().SetChangeNotification(true);
    this->notifications().clear();
    RichEdit_SetAllTextColor(this->id(), ColourBlue);
    RichEdit_SetLineColor(this->id(), 2, ColourRed);
    EXPECT_TRUE(this->notifications().empty());
    EXPECT_FALSE(this->pane().CanUndo());

    // Undoing a text change keeps the colours given after it.
    RichEdit_InsertAtLine(this->id(), 0, "new\r");
    RichEdit_SetLineColor(this->id(), 1, ColourMagenta);
    this->pane().Undo();
    EXPECT_EQ(this->Text(), "one\r\ntwo\r\nthree");
    EXPECT_TRUE(this->LineIs(0, ColourMagenta));
    EXPECT_TRUE(this->LineIs(1, ColourBlue));
    EXPECT_TRUE(this->LineIs(2, ColourRed));
}

TYPED_TEST_P(PaneContract, undoGroup_undoesAsOneStep) {
    RichEdit_SetText(this->id(), "a\r\nb\r\nc");
    RichEdit_ReplaceLine(this->id(), 0, "A\r");
    RichEdit_BeginUndoGroup(this->id());
    RichEdit_InsertAtLine(this->id(), 1, "x\r");
    RichEdit_BeginUndoGroup(this->id());
    RichEdit_ReplaceLine(this->id(), 3, "C");
    RichEdit_EndUndoGroup(this->id());
    RichEdit_InsertAtLine(this->id(), 0, "y\r");
    RichEdit_EndUndoGroup(this->id());
    ASSERT_EQ(this->Text(), "y\r\nA\r\nx\r\nb\r\nC");

    this->pane().Undo();
    EXPECT_EQ(this->Text(), "A\r\nb\r\nc");
    this->pane().Undo();
    EXPECT_EQ(this->Text(), "a\r\nb\r\nc");
    // Setting the whole text forgets what could be undone.
    RichEdit_ReplaceLine(this->id(), 0, "z\r");
    RichEdit_SetText(this->id(), "new");
    EXPECT_FALSE(this->pane().CanUndo());
}

// An aid's step undone leaves the translator where he was reading, not at the top.
TYPED_TEST_P(PaneContract, undoGroup_keepsTheCaretAndTheViewWhereTheyWere) {
    std::string text;
    for (int line = 0; line < 700; ++line)
        text += "line " + std::to_string(line) + "\r\n";
    RichEdit_SetText(this->id(), text.c_str());
    const std::int32_t caret = RichEdit_LineIndex(this->id(), 600) + 2;
    this->pane().SetSel(caret, caret);
    this->pane().LineScroll(580 - this->pane().FirstVisibleLine());
    RichEdit_BeginUndoGroup(this->id());
    RichEdit_InsertAtLine(this->id(), 650, "new\r");
    RichEdit_EndUndoGroup(this->id());
    this->pane().Undo();
    std::int32_t start = -1, end = -1;
    this->pane().GetSel(start, end);
    // The caret goes to the change undone, as after any undo, below the caret.
    EXPECT_GE(this->pane().LineFromChar(start), 600);
    EXPECT_LE(this->pane().LineFromChar(start), 650);
    EXPECT_GT(this->pane().FirstVisibleLine(), 500);
}

TYPED_TEST_P(PaneContract, undo_givesRestoredTextTheColoursItHad) {
    RichEdit_SetText(this->id(), "a\r\nb\r\nc\r\nd\r\ne");
    RichEdit_SetLineColor(this->id(), 1, ColourRed);
    RichEdit_SetLineColor(this->id(), 2, ColourBlue);
    RichEdit_SetLineColor(this->id(), 3, ColourDarkGreen);
    // One step of several changes, as an aid makes them: the red line replaced,
    // the blue and the green line deleted, a magenta line inserted above.
    RichEdit_BeginUndoGroup(this->id());
    RichEdit_ReplaceLine(this->id(), 1, "B\r");
    RichEdit_ReplaceRange(this->id(), RichEdit_LineIndex(this->id(), 2),
                          RichEdit_LineIndex(this->id(), 4), "");
    RichEdit_InsertAtLine(this->id(), 0, "new\r");
    RichEdit_SetLineColor(this->id(), 0, ColourMagenta);
    RichEdit_EndUndoGroup(this->id());
    ASSERT_EQ(this->Text(), "new\r\na\r\nB\r\ne");
    // A colour given after the step belongs to a line the step did not touch.
    RichEdit_SetLineColor(this->id(), 3, ColourRed);

    this->pane().Undo();
    EXPECT_EQ(this->Text(), "a\r\nb\r\nc\r\nd\r\ne");
    const Colour expected[] = {ColourBlack, ColourRed, ColourBlue, ColourDarkGreen, ColourRed};
    for (std::int32_t line = 0; line < 5; ++line)
        EXPECT_TRUE(this->LineIs(line, expected[line])) << line;
}

TYPED_TEST_P(PaneContract, notifications_changeWhenAskedForAndTheLimitAlways) {
    RichEdit_SetText(this->id(), "quiet");
    RichEdit_ReplaceRange(this->id(), 0, 1, "Q");
    EXPECT_TRUE(this->notifications().empty());

    this->pane().SetChangeNotification(true);
    this->pane().SetTextLimit(6);
    // Setting the whole text is not limited.
    RichEdit_SetText(this->id(), "abcdefgh");
    // The whole replacement is refused when it would pass the limit.
    RichEdit_ReplaceRange(this->id(), 8, 8, "xy");
    EXPECT_EQ(this->Text(), "abcdefgh");
    // Shortening always goes through.
    RichEdit_ReplaceRange(this->id(), 0, 4, "");
    RichEdit_ReplaceRange(this->id(), 0, 0, "cd");
    RichEdit_ReplaceRange(this->id(), 0, 0, "b");
    EXPECT_EQ(this->Text(), "cdefgh");
    EXPECT_EQ(this->notifications(), (std::vector<std::uint16_t>{EN_CHANGE, EN_MAXTEXT, EN_CHANGE,
                                                                 EN_CHANGE, EN_MAXTEXT}));
}

TYPED_TEST_P(PaneContract, scrolling_stopsAtBothEnds) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    RichEdit_SetText(this->id(), text.c_str());
    RichEdit_ScrollToLine(this->id(), 50);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(this->id()), 50);
    RichEdit_ScrollOneLine(this->id(), true);
    RichEdit_ScrollLines(this->id(), -3);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(this->id()), 48);

    RichEdit_ScrollLines(this->id(), -1000);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(this->id()), 0);
    RichEdit_ScrollLines(this->id(), 100000);
    std::int32_t bottom = RichEdit_GetFirstVisibleLine(this->id());
    EXPECT_GT(bottom, 50);
    RichEdit_ScrollToLine(this->id(), 199);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(this->id()), bottom);

    // The caret's line comes into view.
    RichEdit_ScrollLines(this->id(), -1000);
    std::int32_t caret = RichEdit_LineIndex(this->id(), 180);
    RichEdit_SetSel(this->id(), caret, caret);
    RichEdit_ScrollCaret(this->id());
    EXPECT_LE(RichEdit_GetFirstVisibleLine(this->id()), 180);
    EXPECT_GT(RichEdit_GetFirstVisibleLine(this->id()), 30);
}

TYPED_TEST_P(PaneContract, selectingAndChanging_leaveTheViewWhereItIs) {
    std::string text;
    for (int i = 0; i < 400; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    RichEdit_SetText(this->id(), text.c_str());
    const std::int32_t caret = RichEdit_LineIndex(this->id(), 10);
    // Colouring lines goes through selections, with drawing on and with it off;
    // only the scroll requests and ScrollCaret move the view.
    for (const bool drawing : {true, false}) {
        SCOPED_TRACE(drawing);
        RichEdit_SetSel(this->id(), caret, caret);
        RichEdit_ScrollToLine(this->id(), 200);
        RichEdit_SetRedraw(this->id(), drawing);
        RichEdit_SetLineColor(this->id(), 205, ColourRed);
        RichEdit_SetLineColor(this->id(), 390, ColourRed);
        RichEdit_ReplaceRange(this->id(), RichEdit_LineIndex(this->id(), 300),
                              RichEdit_LineIndex(this->id(), 300), "x");
        RichEdit_SetSel(this->id(), RichEdit_LineIndex(this->id(), 2), -1);
        RichEdit_SetRedraw(this->id(), true);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(this->id()), 200);
    }
}

TYPED_TEST_P(PaneContract, wholeText_givesCrLfAndStopsAtTheCapacity) {
    RichEdit_SetText(this->id(), "0123456789");
    char small[8];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(RichEdit_StreamOutText(this->id(), small, 4), 4);
    EXPECT_EQ(std::string(small, 8), "0123####");
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(RichEdit_GetText(this->id(), small, 5), 4);
    EXPECT_EQ(std::string(small, 6), std::string("0123\0#", 6));

    // More than one chunk, with every break as CR LF, and a cut inside a chunk.
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "entry " + std::to_string(i) + "\r\n";
    RichEdit_SetText(this->id(), text.c_str());
    std::vector<char> buffer(text.size() + 1, '#');
    std::int32_t size = static_cast<std::int32_t>(text.size());
    EXPECT_EQ(RichEdit_StreamOutText(this->id(), buffer.data(), size + 1), size);
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), text + "#");
    std::vector<char> cut(1000, '#');
    EXPECT_EQ(RichEdit_StreamOutText(this->id(), cut.data(), 999), 999);
    EXPECT_EQ(std::string(cut.data(), 1000), text.substr(0, 999) + "#");
}

REGISTER_TYPED_TEST_SUITE_P(
    PaneContract, emptyPane_hasOneEmptyLineAndTheReadLeavesTheCapacityWord,
    getTextLine_givesTheBreakAsCrAndNeverPassesTheCapacity,
    lineBreaks_crLfLoneCrAndLoneLfAreEachOneBreak, everyByteButBreaksAndNulSurvivesTheRoundTrip,
    positions_countTheBreakWithItsLineAndAreClamped, insertAtLine_keepsTheCaretAtItsNumber,
    replaceLine_replacesTheLineWithItsBreak, linesThatDoNotExist_areLeftAlone,
    findText_forwardsFirstBackwardsLastIgnoringCase, findText_backwardsTheLastMatchOfTheRange,
    colours_coverTheLineBreakAndPassToInsertedText,
    lineHasColour_countsTheBreakButNotTheLastLinesEnd, colours_areNeitherUndoStepsNorChanges,
    undoGroup_undoesAsOneStep, undoGroup_keepsTheCaretAndTheViewWhereTheyWere,
    undo_givesRestoredTextTheColoursItHad, notifications_changeWhenAskedForAndTheLimitAlways,
    scrolling_stopsAtBothEnds, selectingAndChanging_leaveTheViewWhereItIs,
    wholeText_givesCrLfAndStopsAtTheCapacity);
