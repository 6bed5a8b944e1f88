// The pieces of the batch tool's reports: which finding each mark the panes show
// at the end takes its rule from, and the text of JSON strings and URIs.
#include "aids/findings.h"
#include "app/control_ids.h"
#include "batch/json.h"
#include "batch/marks.h"
#include "headless_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class BatchMarksTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        SetFindingSink(&log);
    }
    void TearDown() override {
        SetFindingSink(nullptr);
        HeadlessTest::TearDown();
    }

    // "line:first-last:colour:rule" for each mark of the translation pane.
    std::vector<std::string> Marks() {
        std::vector<std::string> out;
        for (const Mark& m : PaneMarks(TranslationPane, log.findings)) {
            out.push_back(std::to_string(m.line) + ":" + std::to_string(m.firstColumn) + "-" +
                          std::to_string(m.lastColumn) + ":" + ColourName(m.colour) + ":" +
                          (m.rule != nullptr ? m.rule->id : "-"));
        }
        return out;
    }

    static const char* ColourName(Colour colour) {
        return colour == ColourRed ? "red" : colour == ColourMagenta ? "magenta" : "blue";
    }

    FindingLog log;
};

TEST_F(BatchMarksTest, eachMarkTakesTheRuleOfTheLastFindingThatReachesIntoIt) {
    SetPaneText(TranslationPane, "[HEAD]\r\nkey=value\r\nsecond\r\n\r\nlast line\r\nplain");
    const std::int32_t line4 = RichEdit_LineIndex(TranslationPane, 4);
    // Two findings on one line: the later decides.
    MarkLine(TranslationPane, 1, ColourRed, Rules::UnbalancedQuotes);
    MarkLine(TranslationPane, 1, ColourRed, Rules::MalformedReference);
    // A whole line, part of which a later finding of another colour covers: the
    // two red parts keep the line's rule.
    MarkLine(TranslationPane, 2, ColourRed, Rules::HeaderWithoutBracket);
    MarkRange(TranslationPane, RichEdit_LineIndex(TranslationPane, 2) + 2,
              RichEdit_LineIndex(TranslationPane, 2) + 4, ColourMagenta, Rules::Inserted);
    // An empty line coloured on its line end.
    MarkLine(TranslationPane, 3, ColourMagenta, Rules::Inserted);
    // Ranges: the later finding of the same colour covers only its own columns.
    MarkRange(TranslationPane, line4, line4 + 4, ColourRed, Rules::MaskHeaderFieldDiffers, 1, 2);
    MarkRange(TranslationPane, line4 + 5, line4 + 9, ColourRed, Rules::MaskLineTooWide, 46, 57);
    // A finding that a later plain colouring took back, and a mark nobody
    // explained, and structure, which carries no rule.
    MarkLine(TranslationPane, 5, ColourRed, Rules::UnbalancedQuotes);
    RichEdit_SetLineColor(TranslationPane, 5, ColourBlack);
    RichEdit_SetLineColor(TranslationPane, 0, ColourRed);
    RichEdit_SetTextColor(TranslationPane, 1, 5, ColourBlue);

    EXPECT_EQ(Marks(), (std::vector<std::string>{
                           "1:1-1:red:unexplained-mark",
                           "1:2-5:blue:-",
                           "1:6-6:red:unexplained-mark",
                           "2:1-9:red:malformed-reference",
                           "3:1-2:red:header-without-bracket",
                           "3:3-4:magenta:inserted",
                           "3:5-6:red:header-without-bracket",
                           "4:0-0:magenta:inserted",
                           "5:1-4:red:mask-header-field-differs",
                           "5:6-9:red:mask-line-too-wide",
                       }));
}

TEST(BatchJson, stringsAreValidJsonAndPathsValidUris) {
    struct Case {
        std::string text;
        const char* json;
        const char* uri;
    };
    const Case cases[] = {
        {"de/DIALOG.INI", "\"de/DIALOG.INI\"", "de/DIALOG.INI"},
        {"a \"b\"\\c", "\"a \\\"b\\\"\\\\c\"", "a%20%22b%22%5Cc"},
        {"tab\tline\nend\x01", "\"tab\\tline\\nend\\u0001\"", "tab%09line%0Aend%01"},
        // UTF-8 passes; a Windows-1252 byte is no UTF-8, nor an overlong form.
        {"\xC3\xBC", "\"\xC3\xBC\"", "%C3%BC"},
        {"M\xFC"
         "ll\xC0\xAF",
         "\"M\xEF\xBF\xBDll\xEF\xBF\xBD\xEF\xBF\xBD\"", "M%FCll%C0%AF"},
        {"/abs/x,y:z", "\"/abs/x,y:z\"", "file:///abs/x%2Cy%3Az"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JsonString(c.text), c.json) << c.text;
        EXPECT_EQ(PathUri(c.text), c.uri) << c.text;
    }
}

} // namespace
