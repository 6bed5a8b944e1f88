// The aids tell a listening sink why they marked a line, with the rule behind
// the colour; without a sink they only colour.
#include "aids/findings.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

struct RecordingSink : FindingSink {
    void Report(const Finding& finding) override { findings.push_back(finding); }
    std::vector<Finding> findings;
};

class FindingsTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        SetFindingSink(&sink);
    }
    void TearDown() override {
        SetFindingSink(nullptr);
        HeadlessTest::TearDown();
    }

    // "pane:line:rule" for each finding, in the order reported.
    std::vector<std::string> Reported() const {
        std::vector<std::string> out;
        for (const Finding& f : sink.findings) {
            out.push_back(std::string(f.pane == OriginalPane ? "O" : "T") + ":" +
                          std::to_string(f.line) + ":" + f.rule->id);
        }
        return out;
    }

    RecordingSink sink;
};

TEST_F(FindingsTest, check_reportsTheRuleOfEveryRedLineAndNothingForPairsInOrder) {
    SetPaneText(OriginalPane, "[MAIN]\r\nA=#OK#\r\nB=#OK#\r\nC=\"open\r\n[BAD\r\n");
    SetPaneText(TranslationPane, "[MAIN]\r\nA=#OK#\r\nB=\"Okay\"\r\n");
    appState.fileKind = FileKind::DialogIni;
    platform.SendCommand(MakeCommand(IdCheck));
    // The check marks the translation's lines after the original's: the order of
    // the reports says nothing, what each line was marked for does.
    std::vector<std::string> reported = Reported();
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, (std::vector<std::string>{
                            "O:2:reference-became-text",
                            "O:3:unbalanced-quotes",
                            "O:4:header-without-bracket",
                            "T:2:reference-became-text",
                        }));
    for (const Finding& f : sink.findings) {
        EXPECT_EQ(f.colour, ColourRed);
        EXPECT_EQ(f.firstColumn, 0); // whole lines
    }
}

TEST_F(FindingsTest, merge_reportsEachInsertedLineAndNoSinkMeansColoursOnly) {
    SetPaneText(OriginalPane, "[A]\r\nX=1\r\nY=2\r\n[B]\r\nZ=3\r\n");
    SetPaneText(TranslationPane, "[A]\r\nX=1\r\n");
    appState.fileKind = FileKind::DialogCprIni;
    platform.SendCommand(MakeCommand(IdMerge));
    EXPECT_EQ(Reported(),
              (std::vector<std::string>{"T:2:inserted", "T:4:inserted", "T:5:inserted"}));
    EXPECT_EQ(LineColours(TranslationPane), "KKMMMM-");

    SetFindingSink(nullptr);
    sink.findings.clear();
    SetPaneText(TranslationPane, "[A]\r\n");
    platform.SendCommand(MakeCommand(IdMerge));
    EXPECT_TRUE(sink.findings.empty());
    EXPECT_EQ(LineColours(TranslationPane), "KMMMMM-");
}

TEST(Rules, idsAreUniqueAndEveryRuleHasASentence) {
    std::set<std::string> ids;
    for (const Rule* rule : AllRules()) {
        EXPECT_TRUE(ids.insert(rule->id).second) << rule->id;
        EXPECT_GT(std::string(rule->sentence).size(), 10u) << rule->id;
    }
}

// "pane:line:first-last:rule:v0:v1" (1-based line) for each finding.
std::vector<std::string> Detailed(const RecordingSink& sink) {
    std::vector<std::string> out;
    for (const Finding& f : sink.findings) {
        out.push_back(std::string(f.pane == OriginalPane ? "O" : "T") + ":" +
                      std::to_string(f.line + 1) + ":" + std::to_string(f.firstColumn) + "-" +
                      std::to_string(f.lastColumn) + ":" + f.rule->id + ":" +
                      std::to_string(f.values[0]) + ":" + std::to_string(f.values[1]));
    }
    return out;
}

TEST_F(FindingsTest, maskAndMenuAids_nameTheRuleColumnsAndNumbersOfEveryMark) {
    const std::string menuOriginal = "M0100      K1:DATEI :'&Datei\r\n-----------\r\n"
                                     "M0101      K2:NEU:'&Neu\r\nM0102      K2:ALT:'&Alt\r\n";
    const std::string menuTranslation =
        "M0100      K1:FILE  :'&File\r\n- - - - - -\r\nM0101      K2 NEU '&New\r\n";
    struct Case {
        FileKind kind;
        std::uint32_t command;
        std::string original, translation;
        std::vector<std::string> findings;
    } cases[] = {
        {FileKind::Mask,
         IdCheck,
         " 20  10   3\r\nA line too wide for twenty\r\n&F\r\n",
         " 20  12   3\r\nFits\r\nAlso a line too wide for it\r\n",
         {"O:1:5-7:mask-header-field-differs:2:12", "T:1:5-7:mask-header-field-differs:2:10",
          "O:2:0-0:mask-line-too-wide:20:26", "T:3:0-0:mask-line-too-wide:20:27"}},
        {FileKind::Mask,
         IdCheck,
         " 46  10\r\nx\r\n",
         " 46  10   3\r\na\r\nb\r\nc\r\nd\r\n",
         {"O:1:0-0:mask-header-too-short:7:11", "T:1:0-0:mask-header-too-short:7:11"}},
        {FileKind::Mask,
         IdCheck,
         " 46  10   3\r\nx\r\n",
         " 46  1x   3\r\na\r\nb\r\nc\r\nd\r\n",
         {"T:1:0-0:mask-header-unreadable:0:0", "T:5:0-0:mask-too-many-lines:4:0"}},
        {FileKind::Menu,
         IdCheck,
         menuOriginal,
         menuTranslation,
         {"O:4:0-0:menu-line-without-counterpart:3:0", "O:1:15-21:menu-colon-field-differs:0:0",
          "T:1:15-21:menu-colon-field-differs:0:0", "O:2:0-0:menu-separator-differs:0:0",
          "T:2:0-0:menu-separator-differs:0:0", "O:3:15-18:menu-colon-field-missing:0:0"}},
        {FileKind::Menu,
         IdMerge,
         menuOriginal,
         menuTranslation,
         {"T:1:0-0:menu-code-part-taken-over:0:0", "T:3:0-0:menu-code-part-taken-over:0:0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        sink.findings.clear();
        SetPaneText(OriginalPane, c.original);
        SetPaneText(TranslationPane, c.translation);
        appState.fileKind = c.kind;
        platform.SendCommand(MakeCommand(c.command));
        EXPECT_EQ(Detailed(sink), c.findings);
    }
}

} // namespace
