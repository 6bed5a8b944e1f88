#include "aids/entry_line.h"

#include <gtest/gtest.h>
#include <string>

namespace {

int Length(const std::string& s) { return static_cast<int>(s.size()); }

TEST(EntryLine, TrimmedLength_dropsTrailingBlanksAndControlsButKeepsHighBytes) {
    struct Case {
        std::string line;
        int expected;
    } cases[] = {
        {"abc  \r", 3},     {"     ", 0},
        {"abc\t", 3},       {"ab\xE4", 3}, // "ä" is above 127, not a control character
        {"ab\xE4 \n\r", 3}, {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimmedLength(c.line.data(), LineCapacity, Length(c.line)), c.expected) << c.line;
    }
}

TEST(EntryLine, ClassifyLine_decidesByFirstCharacterBeforeLookingForEquals) {
    struct Case {
        std::string line;
        LineClass expected;
    } cases[] = {
        {"", LineClass::Empty},
        {"[A=B]\r", LineClass::SectionHeader},
        {"#A#=x\r", LineClass::StandardEntry},
        {";A=B\r", LineClass::Comment},
        {"!A=B", LineClass::Comment},
        {"AB=x\r", LineClass::Entry},
        {"AB\r", LineClass::Other},
        {"\r", LineClass::Other},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClassifyLine(c.line.data(), Length(c.line)), c.expected) << c.line;
    }
}

TEST(EntryLine, KeyLength_includesTheEqualsSoThatPrefixKeysDiffer) {
    const std::string ab = "AB=1\r";
    const std::string abc = "ABC=1\r";
    EXPECT_EQ(KeyLength(ab.data(), Length(ab)), 3);
    EXPECT_EQ(KeyLength(abc.data(), Length(abc)), 4);
    EXPECT_EQ(KeyLength("AB\r", 3), 0);
}

TEST(EntryLine, StandardEntryAndReferenceForm) {
    struct Case {
        std::string line;
        bool standardEntry;
        bool reference;
    } cases[] = {
        {"#A#=x\r", true, false},
        {"##=x\r", false, false},
        {"#AB=x\r", false, false},
        {"#", false, false},
        {"KEY=#OK#\r", false, true},
        {"KEY=##\r", false, false},
        {"KEY=#OK\r", false, false},
        {"KEY=#\r", false, false},
        {"KEY=#", false, false},
        {"KEY=\"#OK#\"\r", false, false},
        // The first "=#" is the marker, the first "#" after it closes the name.
        {"K=#A#=#\r", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsWellFormedStandardEntry(c.line.data(), Length(c.line)), c.standardEntry)
            << c.line;
        EXPECT_EQ(IsWellFormedReference(c.line.data(), Length(c.line)), c.reference) << c.line;
    }
}

TEST(EntryLine, ScanQuotes_findsTheCommentOutsideQuotesAndUnbalancedQuotes) {
    struct Case {
        std::string line;
        int effectiveLength;
        bool unbalanced;
    } cases[] = {
        {"K=\"a;b\" ;note", 8, false}, {"K=\"a", 4, true},
        {"K=\"a\" ;\"", 6, false}, // the last quote stands in the comment
        {"K=\"x\" !c", 6, false},      {";\"", 0, false},
        {"K=\"a\"\r", 6, false},
    };
    for (const Case& c : cases) {
        const QuoteScan scan = ScanQuotes(c.line.data(), Length(c.line));
        EXPECT_EQ(scan.effectiveLength, c.effectiveLength) << c.line;
        EXPECT_EQ(scan.unbalanced, c.unbalanced) << c.line;
    }
}

TEST(EntryLine, ValueOf_quotedAndUnquotedValues) {
    struct Case {
        FileKind kind;
        std::string line;
        bool present;
        std::string value;
    } cases[] = {
        {DialogIni, "K=\"text\"\r", true, "text"},
        {DialogIni, "K=\"\"\r", true, ""},
        {DialogIni, "K=\"text\r", false, ""},
        {DialogIni, "K=text\r", false, ""},
        {DialogCprIni, "K=some text  \r", true, "some text"},
        {DialogCprIni, "K=\r", true, ""},
    };
    for (const Case& c : cases) {
        const EntryValue v = ValueOf(c.kind, c.line.data(), Length(c.line));
        EXPECT_EQ(v.present, c.present) << c.line;
        if (v.present) {
            EXPECT_EQ(c.line.substr(static_cast<std::size_t>(v.start - 1),
                                    static_cast<std::size_t>(v.length)),
                      c.value);
        }
    }
}

TEST(EntryLine, SameValue_missingValuesEqualEachOtherButNotTheEmptyValue) {
    const std::string missing1 = "A=\"x\r";
    const std::string missing2 = "B=y\r";
    const std::string empty = "C=\"\"\r";
    const std::string text = "D=\"x\"\r";
    const std::string sameText = "E=\"x\" ;c\r";
    auto value = [](const std::string& s) { return ValueOf(DialogIni, s.data(), Length(s)); };
    EXPECT_TRUE(SameValue(missing1.data(), value(missing1), missing2.data(), value(missing2)));
    EXPECT_FALSE(SameValue(missing1.data(), value(missing1), empty.data(), value(empty)));
    EXPECT_FALSE(SameValue(empty.data(), value(empty), text.data(), value(text)));
    EXPECT_TRUE(SameValue(text.data(), value(text), sameText.data(), value(sameText)));
}

TEST(EntryLine, RememberedHeader_opensOnlyTheSameSection) {
    RememberedHeader header;
    ClearHeader(header);
    const std::string main = "[MAIN]\r";
    // Nothing remembered yet: no header opens the section.
    EXPECT_FALSE(OpensRememberedSection(header, main.data(), Length(main), 6));

    RememberHeader(header, main.data(), 6);
    EXPECT_TRUE(OpensRememberedSection(header, main.data(), Length(main), 6));
    const std::string longer = "[MAINX]\r";
    EXPECT_FALSE(OpensRememberedSection(header, longer.data(), Length(longer), 7));
    const std::string shorter = "[MAI]\r";
    EXPECT_FALSE(OpensRememberedSection(header, shorter.data(), Length(shorter), 5));
}

TEST(EntryLine, RememberedHeader_longHeadersCompareOnTheirFirst64Characters) {
    const std::string stem = "[" + std::string(70, 'S');
    const std::string first = stem + "1]\r";
    const std::string second = stem + "2]\r";
    const std::string other = "[" + std::string(62, 'S') + "X" + std::string(7, 'S') + "1]\r";
    RememberedHeader header;
    RememberHeader(header, first.data(), HeaderEnd(first.data(), Length(first)));
    EXPECT_TRUE(OpensRememberedSection(header, second.data(), Length(second),
                                       HeaderEnd(second.data(), Length(second))));
    EXPECT_FALSE(OpensRememberedSection(header, other.data(), Length(other),
                                        HeaderEnd(other.data(), Length(other))));
    // A short header never matches a remembered long one, nor the other way round.
    const std::string shortHeader = "[SS]\r";
    EXPECT_FALSE(OpensRememberedSection(header, shortHeader.data(), Length(shortHeader), 4));
}

} // namespace
