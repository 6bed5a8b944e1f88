#include "aids/entry_line.h"

#include <gtest/gtest.h>
#include <string>

namespace {

int Length(const std::string& s) { return static_cast<int>(s.size()); }

TEST(EntryLine, LinePartsByClass) {
    struct Case {
        std::string line;
        LineClass lineClass;
        int keyLength;
        bool standardEntry;
        bool reference;
        int effectiveLength; // after the DialogIni quote scan
        bool unbalanced;
    } cases[] = {
        {"", LineClass::Empty, 0, false, false, 0, false},
        {"[A=B]\r", LineClass::SectionHeader, 3, false, false, 6, false},
        {"#A#=x\r", LineClass::StandardEntry, 4, true, false, 6, false},
        {"##=x\r", LineClass::StandardEntry, 3, false, false, 5, false},
        {"#AB=x\r", LineClass::StandardEntry, 4, false, false, 6, false},
        {";A=B\r", LineClass::Comment, 3, false, false, 0, false},
        {"AB\r", LineClass::Other, 0, false, false, 3, false},
        {"KEY=#OK#\r", LineClass::Entry, 4, false, true, 9, false},
        {"KEY=##\r", LineClass::Entry, 4, false, false, 7, false},
        {"KEY=#OK", LineClass::Entry, 4, false, false, 7, false},
        {"KEY=#", LineClass::Entry, 4, false, false, 5, false},
        // The first "=#" is the marker, the first "#" after it closes the name.
        {"K=#A#=#\r", LineClass::Entry, 2, false, true, 8, false},
        {"K=\"a;b\" ;note", LineClass::Entry, 2, false, false, 8, false},
        {"K=\"a", LineClass::Entry, 2, false, false, 4, true},
        {"K=\"a\" ;\"", LineClass::Entry, 2, false, false, 6, false},
        {"K=\"x\" !=#A#", LineClass::Entry, 2, false, true, 6, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const char* s = c.line.data();
        const int n = Length(c.line);
        EXPECT_EQ(ClassifyLine(s, n), c.lineClass);
        EXPECT_EQ(KeyLength(s, n), c.keyLength);
        EXPECT_EQ(IsWellFormedStandardEntry(s, n), c.standardEntry);
        EXPECT_EQ(IsWellFormedReference(s, n), c.reference);
        const QuoteScan scan = ScanQuotes(s, n);
        EXPECT_EQ(scan.effectiveLength, c.effectiveLength);
        EXPECT_EQ(scan.unbalanced, c.unbalanced);
    }
}

TEST(EntryLine, TrimmedLength_dropsTrailingBlanksAndControlsButKeepsHighBytes) {
    for (const auto& [line, expected] : {std::pair<std::string, int>{"abc  \r", 3},
                                         {"     ", 0},
                                         {"abc\t", 3},
                                         {"ab\xE4 \n\r", 3}}) {
        EXPECT_EQ(TrimmedLength(line.data(), LineCapacity, Length(line)), expected) << line;
    }
}

TEST(EntryLine, Values_quotedOrUnquotedAndMissingValuesEqualOnlyEachOther) {
    struct Case {
        FileKind kind;
        std::string line;
        bool present;
        std::string value;
    } cases[] = {
        {FileKind::DialogIni, "K=\"text\" ;c\r", true, "text"},
        {FileKind::DialogIni, "K=\"\"\r", true, ""},
        {FileKind::DialogIni, "K=\"text\r", false, ""},
        {FileKind::DialogIni, "K=text\r", false, ""},
        {FileKind::DialogCprIni, "K=a text  \r", true, "a text"},
    };
    for (const Case& c : cases) {
        const EntryValue v = ValueOf(c.kind, c.line.data(), Length(c.line));
        EXPECT_EQ(v.present, c.present) << c.line;
        if (v.present) {
            EXPECT_EQ(c.line.substr(v.start - 1, v.length), c.value) << c.line;
        }
    }
    auto same = [](const std::string& a, const std::string& b) {
        return SameValue(a.data(), ValueOf(FileKind::DialogIni, a.data(), Length(a)), b.data(),
                         ValueOf(FileKind::DialogIni, b.data(), Length(b)));
    };
    EXPECT_TRUE(same("A=\"x\r", "B=y\r"));
    EXPECT_FALSE(same("A=\"x\r", "C=\"\"\r"));
    EXPECT_TRUE(same("D=\"x\"\r", "E=\"x\" ;c\r"));
}

TEST(EntryLine, RememberedHeader_longHeadersCompareOnTheirFirst64Characters) {
    auto opens = [](const RememberedHeader& h, const std::string& line) {
        return OpensRememberedSection(h, line.data(), Length(line),
                                      HeaderEnd(line.data(), Length(line)));
    };
    const std::string stem = "[" + std::string(70, 'S');
    RememberedHeader header;
    ClearHeader(header);
    EXPECT_FALSE(opens(header, stem + "1]\r")); // nothing remembered yet
    RememberHeader(header, (stem + "1]\r").data(), Length(stem) + 2);
    EXPECT_TRUE(opens(header, stem + "2]\r"));
    EXPECT_FALSE(opens(header, "[" + std::string(62, 'S') + "X" + std::string(7, 'S') + "1]\r"));
    EXPECT_FALSE(opens(header, "[SS]\r"));
}

} // namespace
