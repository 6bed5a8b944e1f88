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

} // namespace
