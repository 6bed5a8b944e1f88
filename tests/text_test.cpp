#include "text/Klegro.h"
#include "text/Leedel.h"
#include "text/Nsuche.h"
#include "text/Tau.h"
#include "text/cp1252.h"
#include "text/string00.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A buffer with a guard tail, so that writes beyond the given length show up.
std::string Guarded(const std::string& text) { return text + "####"; }

TEST(CaseConversion, convertsExactlyPositionsOneToN) {
    const struct {
        std::string input;
        std::int32_t n;
        int mode;
        std::string expected;
    } cases[] = {
        {"abc\xE4\xF6\xFC\xDF", 7, 0, "ABC\xC4\xD6\xDC\xDF"}, // sharp s has no capital
        {"abc\xE4\xF6\xFC\xDF", 2, 0, "ABc\xE4\xF6\xFC\xDF"},
        {std::string("a\0b", 3), 3, 0, std::string("A\0B", 3)},
        // The run over s(1:n-1) ends at a NUL; only the last character follows it.
        {std::string("a\0bc", 4), 4, 0, std::string("A\0bC", 4)},
        {"abc", 0, 0, "abc"},
        {"abc", -3, 0, "abc"},
        {"ABC\xC4\xDF\x8A\x9F\xD7", 8, 1, "abc\xE4\xDF\x9A\xFF\xD7"},
    };
    for (const auto& c : cases) {
        std::string s = Guarded(c.input);
        GroKleGro(s.data(), c.n, c.mode);
        EXPECT_EQ(s, Guarded(c.expected)) << c.input << " n=" << c.n;
    }
    std::string s = Guarded("ab");
    KleGro(s.data(), -1);
    EXPECT_EQ(s, Guarded("ab"));
    KleGro(s.data(), 2);
    EXPECT_EQ(s, Guarded("AB"));
}

// The case pairs are exact inverses, and the Unicode mapping gives every byte back.
TEST(CodePage, casePairsAndUnicodeMappingAreExact) {
    int upperChanges = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const auto c = static_cast<unsigned char>(byte);
        const unsigned char upper = Cp1252Upper(c), lower = Cp1252Lower(c);
        upperChanges += upper != c;
        EXPECT_TRUE(upper == c || Cp1252Lower(upper) == c) << byte;
        EXPECT_TRUE(lower == c || Cp1252Upper(lower) == c) << byte;
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(c)), byte);
    }
    // a-z, 0xE0-0xFE without the division sign 0xF7, and four pairs in 0x8A-0xFF.
    EXPECT_EQ(upperChanges, 26 + 30 + 4);
    for (unsigned char same : {0xDF, 0xD7, 0xF7, 0xB5}) {
        EXPECT_EQ(Cp1252Upper(same), same);
        EXPECT_EQ(Cp1252Lower(same), same);
    }
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'\u20AC');
    EXPECT_EQ(Cp1252ToUnicode(0x9F), U'\u0178');
    EXPECT_EQ(UnicodeToCp1252(U'\u0080'), -1); // its byte holds the euro sign
}

TEST(Search, nsucheFindsFirstAndLastOccurrence) {
    const struct {
        const char* text;
        std::int16_t n;
        const char* pattern;
        std::int16_t m;
        std::int16_t first;
        std::int16_t last;
    } cases[] = {
        {"C:\\DIR\\FILE.INI", 15, "\\", 1, 3, 7},
        {"C:\\DIR\\FILE.INI", 15, "/", 1, 0, 0},
        {"aaaa", 4, "aa", 2, 1, 3},
        {"abcabc", 5, "bc", 2, 2, 2},
        {"ab", 2, "abc", 3, 0, 0},
        {"abc", 0, "a", 1, 0, 0},
        {"abc", 3, "a", 0, 0, 0},
        {"abc", 3, "a", -1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nsuche(c.text, c.n, c.pattern, c.m), c.first) << c.text << " " << c.pattern;
        EXPECT_EQ(nsuche_H(c.text, c.n, c.pattern, c.m), c.last) << c.text << " " << c.pattern;
    }
    // The plain rule finds an empty pattern at either end.
    EXPECT_EQ(Index("abc", 3, "", 0), 1);
    EXPECT_EQ(IndexBack("abc", 3, "", 0), 4);
}

TEST(Leedel, movesKeptCharactersToTheFrontAndPadsWithBlanks) {
    const struct {
        std::string input;
        std::int16_t n;
        std::string expected;
        std::int16_t kept;
    } cases[] = {
        {" 12 3", 5, "123  ", 3},
        {"     ", 5, "     ", 0},
        {std::string("a\0b c", 5), 5, "abc  ", 3},
        {" a b", 2, "a  b", 1},
        {" a", -2, " a", 0},
    };
    for (const auto& c : cases) {
        std::string s = Guarded(c.input);
        EXPECT_EQ(Leedel(s.data(), c.n), c.kept) << c.input;
        EXPECT_EQ(s, Guarded(c.expected)) << c.input;
    }
}

TEST(FixedStrings, equalityIgnoresTrailingBlanksOnly) {
    const struct {
        std::string a, b;
        bool equal;
    } cases[] = {
        {"ab", "ab   ", true}, {"ab   ", "ab", true}, {"ab", std::string("ab\0", 3), false},
        {"ab", "ab x", false}, {"ab", "ac", false},   {"", "  ", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FixedEqual(c.a.data(), int(c.a.size()), c.b.data(), int(c.b.size())), c.equal)
            << "'" << c.a << "' '" << c.b << "'";
    }
}

TEST(FixedStrings, assignmentPadsOrCutsAndNeverWritesBeyond) {
    std::string s = Guarded("xxxxx");
    Assign(s.data(), 5, "ab", 2);
    EXPECT_EQ(s, Guarded("ab   "));
    Assign(s.data(), 5, "abcdefg", 7);
    EXPECT_EQ(s, Guarded("abcde"));
    Assign(s.data() + 1, 3, "XY", 2); // the substring s(2:4)
    EXPECT_EQ(s, Guarded("aXY e"));
}

TEST(Exchange, tauppSwapsBlocksOfEverySize) {
    std::int32_t first = 11, second = -7;
    taupp(4, &first, &second);
    EXPECT_EQ(first, -7);
    EXPECT_EQ(second, 11);
    for (std::int32_t size : {260, 513, 100000}) { // stack and heap areas
        std::vector<unsigned char> a(size, 1), b(size, 2);
        a.back() = 3;
        const auto oldA = a, oldB = b;
        taupp(size, a.data(), b.data());
        EXPECT_EQ(a, oldB) << size;
        EXPECT_EQ(b, oldA) << size;
    }

    char text[] = "abcdef";
    MoveBytes(4, reinterpret_cast<std::uintptr_t>(text),
              reinterpret_cast<std::uintptr_t>(text + 2));
    EXPECT_STREQ(text, "ababcd");
}

} // namespace
