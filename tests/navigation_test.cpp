// "=<" and ">=": the counterpart of a pane's caret line in the other pane, found
// by section heading and key, and brought to the same height.
#include "app/control_ids.h"
#include "app/navigation.h"
#include "headless_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// The search step by step as the editor has always done it, reading the target
// from its top for every heading tried and from the last match on for every
// key; the program's own search must give the same.
CorrespondingLine LiteralSearch(int source, std::int32_t line, int target) {
    char a[LineCapacity];
    char b[LineCapacity];
    const auto read = [](int pane, std::int32_t i, char* buffer) {
        return RichEdit_GetTextLine(pane, i, buffer, LineCapacity);
    };
    const auto comment = [](const char* l, int n) { return n > 0 && (l[0] == ';' || l[0] == '!'); };
    // The 1-based column of a heading's "]", 0 for any other line.
    const auto headingEnd = [](const char* l, int n) {
        const void* bracket = n > 0 && l[0] == '[' ? std::memchr(l, ']', n) : nullptr;
        return bracket == nullptr ? 0 : static_cast<int>(static_cast<const char*>(bracket) - l) + 1;
    };
    const std::int32_t lastT = RichEdit_GetLineCount(target) - 1;
    const std::int32_t lastS = RichEdit_GetLineCount(source) - 1;
    if (lastT <= 0 || lastS <= 0 || line > lastS || line < 0) return {};
    std::int32_t limit = line;
    std::int32_t p = line;
    for (int n = read(source, p, a); n == 0 || comment(a, n); n = read(source, p, a)) {
        if (--p < 0) return {};
    }
    std::int32_t s = -1;
    std::int32_t t0 = -1;
    while (t0 < 0) {
        for (s = p; s >= 0 && headingEnd(a, read(source, s, a)) == 0; --s) {
        }
        if (s < 0) return {};
        const int column = headingEnd(a, read(source, s, a));
        for (std::int32_t t = 0; t <= lastT && t0 < 0; ++t) {
            const int m = read(target, t, b);
            if (m > 0 && !comment(b, m) && headingEnd(b, m) == column &&
                std::memcmp(a, b, column) == 0) {
                t0 = t;
            }
        }
        if (t0 >= 0) break;
        limit = lastS;
        if ((p = s - 1) < 0) return {};
    }
    CorrespondingLine pair{true, s, t0};
    for (std::int32_t i = s + 1; i <= limit; ++i) {
        const int n = read(source, i, a);
        if (n == 0 || comment(a, n)) continue;
        if (a[0] == '[') break;
        const char* equals = static_cast<const char*>(std::memchr(a, '=', n));
        if (equals == nullptr) continue;
        const int k = static_cast<int>(equals - a) + 1;
        for (std::int32_t t = pair.targetLine + 1; t <= lastT; ++t) {
            const int m = read(target, t, b);
            if (m == 0 || comment(b, m)) continue;
            if (b[0] == '[') break;
            const char* e = static_cast<const char*>(std::memchr(b, '=', m));
            if (e != nullptr && e - b + 1 == k && std::memcmp(a, b, k) == 0) {
                pair = CorrespondingLine{true, i, t};
                break;
            }
        }
    }
    return pair;
}

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

TEST_F(NavigationTest, align_bringsTheCounterpartOfTheCaretLineToItsHeight) {
    const std::vector<std::string> original = {
        "; header", "[ONE]",   "A=1", "B=2", "",    "[TWO]",     "A=1",       "C=3",    "; note",
        "",         "[THREE]", "A=1", "B=2", "C=3", "; comment", "; comment", "[FOUR]", "Z=26"};
    // The target's lines stand between bars.
    struct Case {
        const char* name;
        std::int32_t caretLine;
        bool found; // and then the source line and its counterpart
        std::int32_t s, t;
        const char* target;
    } cases[] = {
        {"the same key in the third section, further down", 12, true, 12, 7,
         ";|[ONE]|A=x|[TWO]|[THREE]|; c|A=x|B=y|[FOUR]"},
        {"two lines below the section's last key: that key", 15, true, 13, 3,
         "[THREE]|A=x|B=y|C=z|[FOUR]"},
        {"a blank before '=' in the target: the key before it", 12, true, 11, 1,
         "[THREE]|A=x|B =y|C=z"},
        {"keys in order: B and C stand above the matched A", 13, true, 11, 3,
         "[THREE]|B=y|C=z|A=x"},
        {"the caret above the first heading: nothing", 0, false, 0, 0, "[ONE]|A=x"},
        {"a section the target lacks: the last matchable key above", 12, true, 7, 3,
         "[ONE]|[TWO]|A=x|C=y|[FOUR]"},
        {"the key search ends at the target's next bracket line", 12, true, 11, 1,
         "[THREE]|A=1|[X|B=2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPaneText(OriginalPane, Lines(original));
        // Blank lines, which never correspond, give the target room to scroll.
        std::string target = std::string(c.target) + std::string(20, '|') + ";";
        std::replace(target.begin(), target.end(), '|', '\r');
        SetPaneText(TranslationPane, target);
        const std::int32_t caret = RichEdit_LineIndex(OriginalPane, c.caretLine) + 1;
        RichEdit_SetSel(OriginalPane, caret, caret);
        RichEdit_ScrollToLine(OriginalPane, 12);
        RichEdit_ScrollToLine(TranslationPane, 1);
        const std::int32_t before = RichEdit_GetFirstVisibleLine(TranslationPane);
        platform.FocusControl(IdSave);

        platform.Click(IdAlignRight);

        EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), c.found ? c.t - c.s + 12 : before);
        // The source and the focus are not touched.
        EXPECT_EQ(Selection(OriginalPane), std::make_pair(caret, caret));
        EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 12);
        EXPECT_EQ(platform.FocusedControl(), IdSave);
    }
    // "=<" the other way round: "C=3" of the translation's line 3 is line 7 of
    // the original.
    SetPaneText(TranslationPane, Lines({"[TWO]", ";", "A=1", "C=3", ";", ";"}));
    const std::int32_t caret = RichEdit_LineIndex(TranslationPane, 3);
    RichEdit_SetSel(TranslationPane, caret, caret);
    RichEdit_ScrollToLine(TranslationPane, 1);
    platform.Click(IdAlignLeft);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(OriginalPane), 7 - 3 + 1);
}

// Lines from a small stock, so that headings and keys meet often, with the
// cases the line terms tell apart: comments, unclosed brackets, blanks before
// "=", case, and lines longer than the line buffer.
std::string RandomLine(std::mt19937& random) {
    static const char* const stock[] = {"[A]",   "[B]",  "[C]",  "[a]",  "[A",   "[A]x", "[K=1]",
                                        "K1=",   "K2=v", "K1 =", "k1=",  "K2=w", ";c",   "!c",
                                        "; K1=", "!K1=", "",     "text", "=",    "[]"};
    const unsigned roll = random() % 40;
    if (roll == 0) return std::string(LineCapacity - 1, 'y') + "=v";
    if (roll == 1) return "[" + std::string(LineCapacity, 'z') + "]";
    return stock[random() % std::size(stock)];
}

std::vector<std::string> RandomLines(std::mt19937& random) {
    // Often very short, since a pane of one line never takes part.
    std::vector<std::string> lines(random() % (random() % 4 == 0 ? 3 : 30));
    for (std::string& line : lines)
        line = RandomLine(random);
    return lines;
}

TEST_F(NavigationTest, findCorrespondingLine_givesWhatTheLiteralSearchGivesOnRandomPairs) {
    // VERBODEX_ORACLE_PAIRS sets a longer run.
    const char* pairsSetting = std::getenv("VERBODEX_ORACLE_PAIRS");
    const long pairs = pairsSetting != nullptr ? std::atol(pairsSetting) : 400;
    std::mt19937 random(2024);
    long compared = 0;
    for (long round = 0; round < pairs; ++round) {
        const std::vector<std::string> source = RandomLines(random);
        // Mostly the source with a few lines dropped, added or swapped, as a
        // translation is.
        std::vector<std::string> target = random() % 3 == 0 ? RandomLines(random) : source;
        for (int i = random() % 5; i > 0 && !target.empty(); --i) {
            const auto at = target.begin() + static_cast<std::ptrdiff_t>(random() % target.size());
            const unsigned change = random() % 3;
            if (change == 0) target.erase(at);
            if (change == 1) target.insert(at, RandomLine(random));
            if (change == 2) std::iter_swap(at, target.begin());
        }
        const char* ending = random() % 2 == 0 ? "\r\n" : "";
        SetPaneText(OriginalPane, Lines(source) + ending);
        SetPaneText(TranslationPane, Lines(target) + ending);
        for (const auto& [from, to] :
             {std::pair{OriginalPane, TranslationPane}, std::pair{TranslationPane, OriginalPane}}) {
            for (std::int32_t line = -1; line <= RichEdit_GetLineCount(from); ++line) {
                const CorrespondingLine expected = LiteralSearch(from, line, to);
                const CorrespondingLine actual = FindCorrespondingLine(from, line, to);
                ++compared;
                ASSERT_EQ(actual.found, expected.found) << round << " " << line;
                if (!expected.found) continue;
                ASSERT_EQ(actual.sourceLine, expected.sourceLine) << round << " " << line;
                ASSERT_EQ(actual.targetLine, expected.targetLine) << round << " " << line;
            }
        }
    }
    RecordProperty("compared", std::to_string(compared));
}

} // namespace
