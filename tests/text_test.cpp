#include "text/Klegro.h"
#include "text/Leedel.h"
#include "text/Nsuche.h"
#include "text/Tau.h"
#include "text/cp1252.h"
#include "text/string00.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A buffer with a guard tail, so that writes beyond the given length show up.
std::string Buffer(const std::string& text) { return text + "####"; }

struct CaseCase {
    const char* name;
    std::string input;
    std::int32_t n;
    int mode;
    std::string expected;
};

TEST(CaseConversion, convertsExactlyPositionsOneToN) {
    const std::vector<CaseCase> cases = {
        {"umlautsToCapitalsSharpSStays", "abc\xE4\xF6\xFC\xDF", 7, 0, "ABC\xC4\xD6\xDC\xDF"},
        {"onlyFirstTwo", "abc\xE4\xF6\xFC\xDF", 2, 0, "ABc\xE4\xF6\xFC\xDF"},
        {"nulAtTwoKeptAndThirdConverted", std::string("a\0b", 3), 3, 0, std::string("A\0B", 3)},
        // The run over s(1:n-1) ends at the NUL; only the last character follows it.
        {"conversionStopsAtInnerNul", std::string("a\0bc", 4), 4, 0, std::string("A\0bC", 4)},
        {"zeroLengthUnchanged", "abc", 0, 0, "abc"},
        {"negativeLengthUnchanged", "abc", -3, 0, "abc"},
        {"toSmallLetters", "ABC\xC4\xD6\xDC\xDF\x8A\x9F", 9, 1, "abc\xE4\xF6\xFC\xDF\x9A\xFF"},
        {"signsAreNotLetters", "\xD7\xF7", 2, 1, "\xD7\xF7"},
    };
    for (const auto& c : cases) {
        std::string s = Buffer(c.input);
        GroKleGro(s.data(), c.n, c.mode);
        EXPECT_EQ(s, Buffer(c.expected)) << c.name;
    }
}

TEST(CaseConversion, KleGroNegativeLengthLeavesTextAlone) {
    std::string s = Buffer("abc");
    KleGro(s.data(), -1);
    EXPECT_EQ(s, Buffer("abc"));
    KleGro(s.data(), 3);
    EXPECT_EQ(s, Buffer("ABC"));
}

TEST(CaseConversion, tableHoldsExactlyTheCodePagePairs) {
    int upperChanges = 0;
    for (int byte = 0; byte < 256; ++byte) {
        const auto c = static_cast<unsigned char>(byte);
        const unsigned char upper = Cp1252Upper(c);
        if (upper != c) {
            ++upperChanges;
            EXPECT_EQ(Cp1252Lower(upper), c) << "byte " << byte;
        }
        const unsigned char lower = Cp1252Lower(c);
        if (lower != c) {
            EXPECT_EQ(Cp1252Upper(lower), c) << "byte " << byte;
        }
    }
    // a-z, 0xE0-0xFE without 0xF7, and the four pairs in 0x8A-0x9F.
    EXPECT_EQ(upperChanges, 26 + 30 + 4);
    for (unsigned char same : {0xDF, 0xD7, 0xF7, 0xB5, 0xAA, 0x80}) {
        EXPECT_EQ(Cp1252Upper(same), same);
        EXPECT_EQ(Cp1252Lower(same), same);
    }
}

TEST(Cp1252, everyByteSurvivesTheRoundTripThroughUnicode) {
    for (int byte = 0; byte < 256; ++byte) {
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(byte))), byte);
    }
}

TEST(Cp1252, mapsTheSpecialRangeAndRejectsWhatItLacks) {
    const struct {
        unsigned char byte;
        char32_t codePoint;
    } pairs[] = {{0x80, 0x20AC}, {0x84, 0x201E}, {0x93, 0x201C}, {0x96, 0x2013}, {0x9F, 0x0178},
                 {0x81, 0x0081}, {0x9D, 0x009D}, {0xA0, 0x00A0}, {0xE4, 0x00E4}, {0x41, 0x0041}};
    for (const auto& p : pairs) {
        EXPECT_EQ(Cp1252ToUnicode(p.byte), p.codePoint) << int(p.byte);
        EXPECT_EQ(UnicodeToCp1252(p.codePoint), p.byte) << int(p.byte);
    }
    // U+0080 and U+0099 are not in the code page: their bytes hold other signs.
    for (char32_t absent : {char32_t(0x0080), char32_t(0x0099), char32_t(0x0100), char32_t(0x20AD),
                            char32_t(0x1F600)}) {
        EXPECT_EQ(UnicodeToCp1252(absent), -1) << std::uint32_t(absent);
    }
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
        {"C:\\DIR\\FILE.INI", 15, ".INI", 4, 12, 12},
        {"aaaa", 4, "aa", 2, 1, 3},
        {"abcabc", 5, "bc", 2, 2, 2}, // the second "bc" lies beyond n
        {"ab", 2, "abc", 3, 0, 0},
        {"abc", 0, "a", 1, 0, 0},
        {"abc", 3, "a", 0, 0, 0},
        {"abc", -1, "a", 1, 0, 0},
        {"abc", 3, "a", -1, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nsuche(c.text, c.n, c.pattern, c.m), c.first) << c.text << " / " << c.pattern;
        EXPECT_EQ(nsuche_H(c.text, c.n, c.pattern, c.m), c.last) << c.text << " / " << c.pattern;
    }
}

TEST(Search, IndexTakesAnEmptyPatternAtTheEnds) {
    EXPECT_EQ(Index("abc", 3, "", 0), 1);
    EXPECT_EQ(IndexBack("abc", 3, "", 0), 4);
    EXPECT_EQ(IndexChar("a=b=c", 5, '='), 2);
    EXPECT_EQ(IndexChar("abc", 3, '='), 0);
    EXPECT_EQ(IndexChar("\xE4\xF6", 2, '\xF6'), 2);
}

TEST(Search, ScanSetFindsFirstAndLastMember) {
    EXPECT_EQ(ScanSet("ab=c;d", 6, ";=", 2), 3);
    EXPECT_EQ(ScanSetBack("ab=c;d", 6, ";=", 2), 5);
    EXPECT_EQ(ScanSet("abcd", 4, ";=", 2), 0);
    EXPECT_EQ(ScanSetBack("abcd", 4, "", 0), 0);
    EXPECT_EQ(ScanSetBack("ab=c;d", 4, ";", 1), 0); // ';' lies beyond n
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
        {" a b", 2, "a  b", 1}, // positions after n stay as they are
        {" a", 0, " a", 0},
        {" a", -2, " a", 0},
    };
    for (const auto& c : cases) {
        std::string s = Buffer(c.input);
        EXPECT_EQ(Leedel(s.data(), c.n), c.kept) << c.input;
        EXPECT_EQ(s, Buffer(c.expected)) << c.input;
    }
}

TEST(FixedStrings, equalityIgnoresTrailingBlanksOnly) {
    const struct {
        std::string a;
        std::string b;
        bool equal;
    } cases[] = {
        {"ab", "ab", true},    {"ab", "ab   ", true},
        {"ab   ", "ab", true}, {"ab", std::string("ab\0", 3), false},
        {"ab", "ab x", false}, {"ab", "ac", false},
        {"", "   ", true},     {"", "", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FixedEqual(c.a.data(), int(c.a.size()), c.b.data(), int(c.b.size())), c.equal)
            << "'" << c.a << "' vs '" << c.b << "'";
    }
}

TEST(FixedStrings, assignmentPadsOrCutsAndNeverWritesBeyond) {
    std::string s = Buffer("xxxxx");
    Assign(s.data(), 5, "ab", 2);
    EXPECT_EQ(s, Buffer("ab   "));
    Assign(s.data(), 5, "abcdefg", 7);
    EXPECT_EQ(s, Buffer("abcde"));
    Assign(s.data() + 1, 3, "XY", 2); // a substring s(2:4)
    EXPECT_EQ(s, Buffer("aXY e"));
    Assign(s.data() + 2, 3, s.data(), 3); // from an overlapping part of itself
    EXPECT_EQ(s, Buffer("aXaXY"));
}

TEST(FixedStrings, SameStartNeedsKCharactersInBoth) {
    EXPECT_TRUE(SameStart("abc", 3, "abd", 3, 2));
    EXPECT_FALSE(SameStart("abc", 3, "abd", 3, 3));
    EXPECT_FALSE(SameStart("ab", 2, "ab", 2, 3));
    EXPECT_TRUE(SameStart("", 0, "x", 1, 0));
}

TEST(Exchange, tauppSwapsBlocksOfEverySize) {
    std::int32_t first = 11, second = -7;
    taupp(4, &first, &second);
    EXPECT_EQ(first, -7);
    EXPECT_EQ(second, 11);

    for (std::int32_t size : {1, 260, 512, 513, 100000}) {
        std::vector<unsigned char> a(size), b(size);
        for (std::int32_t i = 0; i < size; ++i) {
            a[i] = static_cast<unsigned char>(i * 7);
            b[i] = static_cast<unsigned char>(i * 13 + 1);
        }
        const auto oldA = a, oldB = b;
        taupp(size, a.data(), b.data());
        EXPECT_EQ(a, oldB) << size;
        EXPECT_EQ(b, oldA) << size;
    }

    taupp(0, &first, &second);
    EXPECT_EQ(first, -7);
}

TEST(Exchange, MoveBytesHandlesOverlapAndIntegerAddresses) {
    char forward[] = "abcdef";
    MoveBytes(4, forward, forward + 2);
    EXPECT_STREQ(forward, "ababcd");
    char backward[] = "abcdef";
    MoveBytes(4, reinterpret_cast<std::uintptr_t>(backward + 2),
              reinterpret_cast<std::uintptr_t>(backward));
    EXPECT_STREQ(backward, "cdefef");

    // The capacity word placed at the start of a line buffer.
    char line[8] = {};
    const std::uint16_t capacity = 320;
    MoveBytes(2, &capacity, line);
    std::uint16_t readBack = 0;
    std::memcpy(&readBack, line, 2);
    EXPECT_EQ(readBack, 320);
}

} // namespace
