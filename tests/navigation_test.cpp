// "=<" and ">=": the counterpart of a pane's caret line in the other pane, found
// by section heading and key, and brought to the same height.
#include "app/control_ids.h"
#include "app/navigation.h"
#include "headless_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += lines[i];
    }
    return text;
}

// The search for a corresponding line step by step as the editor has always
// done it: the target read from its top for every heading tried, and from the
// last match on for every key. The program's own search must give the same.
class LiteralSearch {
  public:
    explicit LiteralSearch(HeadlessPlatform& platform) : platform_(platform) {}

    CorrespondingLine Find(int source, std::int32_t line, int target) {
        CorrespondingLine none;
        const std::int32_t lastT = platform_.PaneById(target).LineCount() - 1;
        if (lastT <= 0) return none;
        const std::int32_t lastS = platform_.PaneById(source).LineCount() - 1;
        if (lastS <= 0) return none;
        std::int32_t limit = line;
        if (line > lastS || line < 0) return none;
        std::int32_t p = line;
        for (;;) {
            if (p < 0) return none;
            const std::int32_t n = Read(source, p, a_);
            if (n != 0 && !Comment(a_, n)) break;
            --p;
        }
        std::int32_t s = -1;
        std::int32_t t0 = -1;
        for (;;) {
            s = -1;
            for (std::int32_t i = p; i >= 0 && s < 0; --i) {
                const std::int32_t n = Read(source, i, a_);
                if (HeadingEnd(a_, n) > 0) s = i;
            }
            if (s < 0) return none;
            const std::int32_t n = Read(source, s, a_);
            const std::int32_t column = HeadingEnd(a_, n);
            for (std::int32_t t = 0; t <= lastT && t0 < 0; ++t) {
                const std::int32_t m = Read(target, t, b_);
                if (m == 0 || Comment(b_, m)) continue;
                if (HeadingEnd(b_, m) == column && std::memcmp(a_, b_, column) == 0) t0 = t;
            }
            if (t0 >= 0) break;
            limit = lastS;
            p = s - 1;
            if (p < 0) return none;
        }
        CorrespondingLine pair{true, s, t0};
        for (std::int32_t i = s + 1; i <= limit; ++i) {
            const std::int32_t n = Read(source, i, a_);
            if (n == 0 || Comment(a_, n)) continue;
            if (a_[0] == '[') break;
            const char* equals = static_cast<const char*>(std::memchr(a_, '=', n));
            if (equals == nullptr) continue;
            const std::int32_t k = static_cast<std::int32_t>(equals - a_) + 1;
            for (std::int32_t t = pair.targetLine + 1; t <= lastT; ++t) {
                const std::int32_t m = Read(target, t, b_);
                if (m == 0 || Comment(b_, m)) continue;
                if (b_[0] == '[') break;
                const char* e = static_cast<const char*>(std::memchr(b_, '=', m));
                if (e != nullptr && e - b_ + 1 == k && std::memcmp(a_, b_, k) == 0) {
                    pair = CorrespondingLine{true, i, t};
                    break;
                }
            }
        }
        return pair;
    }

  private:
    static bool Comment(const char* line, std::int32_t n) {
        return n > 0 && (line[0] == ';' || line[0] == '!');
    }
    // The 1-based column of the "]" of a heading line; 0 for any other line.
    static std::int32_t HeadingEnd(const char* line, std::int32_t n) {
        if (n == 0 || line[0] != '[') return 0;
        const char* bracket = static_cast<const char*>(std::memchr(line, ']', n));
        return bracket == nullptr ? 0 : static_cast<std::int32_t>(bracket - line) + 1;
    }
    std::int32_t Read(int pane, std::int32_t line, char* buffer) {
        return RichEdit_GetTextLine(pane, line, buffer, LineCapacity);
    }

    HeadlessPlatform& platform_;
    char a_[LineCapacity];
    char b_[LineCapacity];
};

class NavigationTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.Open();
        // One visible line, so that a pane can bring any line to the top.
        platform.PaneById(OriginalPane).SetPageLines(1);
        platform.PaneById(TranslationPane).SetPageLines(1);
    }
};

const std::vector<std::string> threeSections = {
    "; header",  // 0
    "[ONE]",     // 1
    "A=1",       // 2
    "B=2",       // 3
    "",          // 4
    "[TWO]",     // 5
    "A=1",       // 6
    "C=3",       // 7
    "; note",    // 8
    "",          // 9
    "[THREE]",   // 10
    "A=1",       // 11
    "B=2",       // 12
    "C=3",       // 13
    "; comment", // 14
    "; comment", // 15
    "[FOUR]",    // 16
    "Z=26",      // 17
};

TEST_F(NavigationTest, align_bringsTheCounterpartOfTheCaretLineToItsHeight) {
    struct Case {
        const char* name;
        std::vector<std::string> target;
        std::int32_t caretLine;
        // The source line and its counterpart; found false: nothing moves.
        bool found;
        std::int32_t s, t;
    } cases[] = {
        {"the same key in the third section, lines further down",
         {"; other header", "; more", "[ONE]", "A=x", "[TWO]", "[THREE]", "; c", "A=x", "B=y",
          "C=z", "[FOUR]", "Z=0"},
         12,
         true,
         12,
         8},
        {"two lines below the section's last key: that key (limit is the caret)",
         {"[ONE]", "[TWO]", "[THREE]", "A=x", "B=y", "C=z", "[FOUR]"},
         15,
         true,
         13,
         5},
        {"a blank before '=' in the target: the key before it",
         {"[ONE]", "[TWO]", "[THREE]", "A=x", "B =y", "C=z", "[FOUR]"},
         12,
         true,
         11,
         3},
        {"keys in order: A stands last in the target, so B and C before it are not found",
         {"[THREE]", "B=y", "C=z", "A=x"},
         13,
         true,
         11,
         3},
        {"a key before the first heading of the target section is not looked at",
         {"A=x", "[THREE]", "B=y"},
         12,
         true,
         12,
         2},
        {"the caret on a heading: the headings, no key search",
         {"[THREE]", "A=x", "B=y", "C=z"},
         10,
         true,
         10,
         0},
        {"the caret above the first heading: nothing moves",
         {"[ONE]", "A=x", "[TWO]"},
         0,
         false,
         0,
         0},
        {"a section the target lacks: the last matchable key of the one above",
         {"[ONE]", "A=x", "[TWO]", "A=x", "C=y", "D=z", "[FOUR]"},
         12,
         true,
         7,
         4},
        {"sections lacking all the way up: nothing moves",
         {"[five]", "A=x", "[six]"},
         12,
         false,
         0,
         0},
        {"headings compare with case: [three] is not [THREE]",
         {"[TWO]", "A=x", "[three]", "A=x", "B=y"},
         11,
         true,
         6,
         1},
        {"the first of two equal target headings",
         {"[THREE]", "A=1", "[THREE]", "A=1", "B=2"},
         12,
         true,
         11,
         1},
        {"the key search stops at the target's next bracket line",
         {"[THREE]", "A=1", "[X", "B=2"},
         12,
         true,
         11,
         1},
        {"a target of one line never takes part", {"[THREE]"}, 10, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, Lines(threeSections));
        // Comments, which never correspond, give the target room to scroll.
        std::vector<std::string> target = c.target;
        if (target.size() > 1) target.resize(target.size() + 20, ";");
        SetPaneText(TranslationPane, Lines(target));
        const std::int32_t caret = RichEdit_LineIndex(OriginalPane, c.caretLine) + 1;
        RichEdit_SetSel(OriginalPane, caret, caret);
        RichEdit_ScrollToLine(OriginalPane, 12);
        RichEdit_ScrollToLine(TranslationPane, 1);
        const std::int32_t before = RichEdit_GetFirstVisibleLine(TranslationPane);
        // As far as the target can scroll.
        const std::int32_t lastTop = RichEdit_GetLineCount(TranslationPane) - 1;
        const std::int32_t expectedTop = c.found ? std::clamp(c.t - c.s + 12, 0, lastTop) : before;
        platform.FocusControl(IdSave);

        platform.Click(IdAlignRight);

        EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), expectedTop);
        // The source and the focus are not touched.
        std::int32_t start = 0;
        std::int32_t end = 0;
        RichEdit_GetSel(OriginalPane, start, end);
        EXPECT_EQ(start, caret);
        EXPECT_EQ(end, caret);
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 12);
        EXPECT_EQ(platform.FocusedControl(), IdSave);
    }
}

TEST_F(NavigationTest, alignLeft_bringsTheOriginalToTheTranslationsCaretLine) {
    SetPaneText(OriginalPane, Lines(threeSections));
    SetPaneText(TranslationPane, Lines({"[TWO]", "; note", "C=3", "", "[ONE]", "B=2"}));
    const std::int32_t caret = RichEdit_LineIndex(TranslationPane, 2);
    RichEdit_SetSel(TranslationPane, caret, caret);
    RichEdit_ScrollToLine(TranslationPane, 1);
    platform.Click(IdAlignLeft);
    // Line 7 of the original ("C=3") stands where line 2 of the translation does.
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 7 - 2 + 1);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 1);
}

TEST_F(NavigationTest, lineTerms_followTheLinesAsTheLineBufferReadsThem) {
    const std::string longTail(LineCapacity, 'x');
    struct Case {
        const char* name;
        std::vector<std::string> source, target;
        std::int32_t line;
        bool found;
        std::int32_t s, t;
    } cases[] = {
        {"an '=' beyond the line buffer makes no key",
         {"[S]", "K=1", longTail + "=2"},
         {"[S]", "K=1", longTail + "=2"},
         2,
         true,
         1,
         1},
        {"a heading whose ']' lies beyond the line buffer is none",
         {"[S]", "K=1", "[" + longTail + "]", "L=1"},
         {"[S]", "K=1", "L=1"},
         3,
         true,
         1,
         1},
        {"a bracket line without ']' is no heading but ends the key search",
         {"[S]", "K=1", "[T", "L=1"},
         {"[S]", "K=1", "L=1"},
         3,
         true,
         1,
         1},
        {"'!' starts a comment as ';' does",
         {"[S]", "K=1", "!x"},
         {"[S]", "!x", "K=1"},
         2,
         true,
         1,
         2},
        {"text after ']' is not part of the heading",
         {"[S] one", "K=1"},
         {"[S] two", "K=1"},
         1,
         true,
         1,
         1},
        {"a file without headings never corresponds",
         {"0001 Name", "K=1"},
         {"0001 Name", "K=1"},
         1,
         false,
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, Lines(c.source));
        SetPaneText(TranslationPane, Lines(c.target));
        const CorrespondingLine pair = FindCorrespondingLine(OriginalPane, c.line, TranslationPane);
        EXPECT_EQ(pair.found, c.found);
        if (pair.found && c.found) {
            EXPECT_EQ(pair.sourceLine, c.s);
            EXPECT_EQ(pair.targetLine, c.t);
        }
    }
}

// Lines drawn from a small stock, so that headings and keys meet often, with
// the cases the line terms tell apart.
std::string RandomLine(std::mt19937& random) {
    static const char* const stock[] = {
        "[A]",  "[B]", "[C]",      "[D]",  "[a]", "[A", "[A]x",  "[ A]", "[K=1]", "K1=", "K2=v",
        "K1 =", "k1=", "K3=\"x\"", "K2=w", ";c",  "!c", "; K1=", "",     "text",  "=",   "[]",
    };
    const unsigned roll = random() % 40;
    if (roll == 0) return std::string(LineCapacity - 1, 'y') + "=v";
    if (roll == 1) return "[" + std::string(LineCapacity, 'z') + "]";
    return stock[random() % (sizeof(stock) / sizeof(stock[0]))];
}

std::vector<std::string> RandomLines(std::mt19937& random) {
    std::vector<std::string> lines(random() % 30);
    for (std::string& line : lines)
        line = RandomLine(random);
    return lines;
}

// The target, more often than not, is the source with a few changes, as a
// translation is.
std::vector<std::string> Mutated(std::vector<std::string> lines, std::mt19937& random) {
    const int changes = static_cast<int>(random() % 5);
    for (int i = 0; i < changes && !lines.empty(); ++i) {
        const std::size_t at = random() % lines.size();
        switch (random() % 3) {
        case 0:
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
            break;
        case 1:
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), RandomLine(random));
            break;
        default:
            std::swap(lines[at], lines[random() % lines.size()]);
        }
    }
    return lines;
}

TEST_F(NavigationTest, findCorrespondingLine_givesWhatTheLiteralSearchGivesOnRandomPairs) {
    // VERBODEX_ORACLE_PAIRS sets a longer run.
    const char* pairsSetting = std::getenv("VERBODEX_ORACLE_PAIRS");
    const long pairs = pairsSetting != nullptr ? std::atol(pairsSetting) : 400;
    std::mt19937 random(2024);
    LiteralSearch literal(platform);
    long compared = 0;
    for (long round = 0; round < pairs; ++round) {
        const std::vector<std::string> source = RandomLines(random);
        const std::vector<std::string> target =
            random() % 3 == 0 ? RandomLines(random) : Mutated(source, random);
        // A final line break leaves an empty last line.
        const char* ending = random() % 2 == 0 ? "\r\n" : "";
        SetPaneText(OriginalPane, Lines(source) + ending);
        SetPaneText(TranslationPane, Lines(target) + ending);
        for (int direction = 0; direction < 2; ++direction) {
            const int from = direction == 0 ? OriginalPane : TranslationPane;
            const int to = direction == 0 ? TranslationPane : OriginalPane;
            const std::int32_t count = RichEdit_GetLineCount(from);
            for (std::int32_t line = -1; line <= count; ++line) {
                const CorrespondingLine expected = literal.Find(from, line, to);
                const CorrespondingLine actual = FindCorrespondingLine(from, line, to);
                ++compared;
                ASSERT_EQ(actual.found, expected.found) << round << " " << line;
                if (!expected.found) continue;
                ASSERT_EQ(actual.sourceLine, expected.sourceLine) << round << " " << line;
                ASSERT_EQ(actual.targetLine, expected.targetLine) << round << " " << line;
            }
        }
    }
    RecordProperty("compared", static_cast<int>(compared));
}

} // namespace
