// What the mask and menu aids do around the colours the golden cases show: the
// changed flag, drawing, undo, a full translation pane, and the rules and
// numbers they report.
#include "aids/findings.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <string>
#include <vector>

namespace {

const std::string maskOriginal = " 20  10   3\r\nA line too wide for twenty\r\n&F\r\n";
const std::string maskTranslation = " 20  12   3\r\nFits\r\nAlso a line too wide for it\r\n";
const std::string menuOriginal =
    "M0100      K1:DATEI :'&Datei\r\n-----------\r\nM0101      K2:NEU:'&Neu\r\n";
const std::string menuTranslation =
    "M0100      K1:FILE  :'&File\r\n- - - - - -\r\nM0101      K2 NEU '&New\r\n";

struct RecordingSink : FindingSink {
    void Report(const Finding& finding) override { findings.push_back(finding); }
    std::vector<Finding> findings;
};

class FormatAidsTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        platform.PaneById(TranslationPane).SetChangeNotification(true);
    }
    void TearDown() override {
        SetFindingSink(nullptr);
        HeadlessTest::TearDown();
    }
    void Load(FileKind kind, const std::string& original, const std::string& translation) {
        SetPaneText(OriginalPane, original);
        SetPaneText(TranslationPane, translation);
        appState.fileKind = kind;
    }
    // "pane:line:first-last:rule:v0:v1" (1-based line) for each finding.
    std::vector<std::string> Reported() const {
        std::vector<std::string> out;
        for (const Finding& f : sink.findings) {
            out.push_back(std::string(f.pane == OriginalPane ? "O" : "T") + ":" +
                          std::to_string(f.line + 1) + ":" + std::to_string(f.firstColumn) + "-" +
                          std::to_string(f.lastColumn) + ":" + f.rule->id + ":" +
                          std::to_string(f.values[0]) + ":" + std::to_string(f.values[1]));
        }
        return out;
    }
    RecordingSink sink;
};

TEST_F(FormatAidsTest, checks_leaveTextModifiedAndDrawingAsTheyWereAndRepaintEachPaneOnce) {
    struct Case {
        FileKind kind;
        std::string original, translation;
    } cases[] = {{FileKind::Mask, maskOriginal, maskTranslation},
                 {FileKind::Menu, menuOriginal, menuTranslation}};
    for (const Case& c : cases) {
        for (std::int32_t modified : {0, 1}) {
            SCOPED_TRACE(static_cast<int>(c.kind) * 10 + modified);
            Load(c.kind, c.original, c.translation);
            appState.modified = modified;
            const int repaintsO = platform.PaneById(OriginalPane).RedrawOnCount();
            const int repaintsT = platform.PaneById(TranslationPane).RedrawOnCount();

            platform.SendCommand(MakeCommand(IdCheck));

            EXPECT_EQ(appState.modified, modified);
            EXPECT_EQ(platform.GetControlText(TranslationPane), c.translation);
            EXPECT_FALSE(platform.PaneById(TranslationPane).CanUndo());
            EXPECT_EQ(platform.PaneById(OriginalPane).RedrawOnCount(), repaintsO + 1);
            EXPECT_EQ(platform.PaneById(TranslationPane).RedrawOnCount(), repaintsT + 1);
            EXPECT_TRUE(platform.PaneById(OriginalPane).IsRedrawOn());
            EXPECT_TRUE(platform.PaneById(TranslationPane).IsRedrawOn());
            EXPECT_NE(LineColours(TranslationPane).find('R'), std::string::npos);
        }
    }
}

TEST_F(FormatAidsTest, merge_changesOnlyMenusSetsModifiedAndUndoesAsOneStep) {
    const std::string merged =
        "M0100      K1:DATEI :'&File\r\n- - - - - -\r\nM0101      K2:NEU:'&Neu\r\n";
    struct Case {
        FileKind kind;
        std::string original, translation, expected;
    } cases[] = {
        {FileKind::Menu, menuOriginal, menuTranslation, merged},
        {FileKind::Menu, menuOriginal, menuOriginal, menuOriginal},
        // i-Merge does nothing for masks.
        {FileKind::Mask, maskOriginal, maskTranslation, maskTranslation},
    };
    HeadlessPane& pane = platform.PaneById(TranslationPane);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        Load(c.kind, c.original, c.translation);
        pane.SetAllColour(ColourBlack);
        appState.modified = 0;

        platform.SendCommand(MakeCommand(IdMerge));

        ASSERT_EQ(platform.GetControlText(TranslationPane), c.expected);
        const bool changed = c.expected != c.translation;
        EXPECT_EQ(appState.modified, changed ? 1 : 0);
        EXPECT_EQ(LineColours(TranslationPane), changed ? "MKM-" : "KKK-");
        EXPECT_TRUE(pane.IsRedrawOn());
        ASSERT_EQ(pane.CanUndo(), changed);
        if (!changed) continue;
        pane.Undo();
        EXPECT_EQ(platform.GetControlText(TranslationPane), c.translation);
        EXPECT_FALSE(pane.CanUndo());
    }
}

TEST_F(FormatAidsTest, merge_stopsAtTheFirstLineAFullTranslationRefuses) {
    Load(FileKind::Menu,
         "M0100      K1:A:'x\r\nM0101      K2:" + std::string(40, 'c') +
             ":'y\r\nM0102      K2:C:'z\r\n",
         "M0100      K1:B:'u\r\nM0101      K2:D:'v\r\nM0102      K2:E:'w\r\n");
    // Room for the first line's change, which keeps its length, but not for the
    // second, which grows by 39 characters.
    platform.PaneById(TranslationPane).SetTextLimit(RichEdit_GetTextLength(TranslationPane) + 10);
    platform.PaneById(TranslationPane).SetAllColour(ColourBlack);

    platform.SendCommand(MakeCommand(IdMerge));

    EXPECT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_EQ(platform.GetControlText(TranslationPane),
              "M0100      K1:A:'u\r\nM0101      K2:D:'v\r\nM0102      K2:E:'w\r\n");
    EXPECT_EQ(LineColours(TranslationPane), "MKK-");
}

TEST_F(FormatAidsTest, findings_nameTheRuleColumnsAndNumbersOfEveryMark) {
    SetFindingSink(&sink);
    Load(FileKind::Mask, maskOriginal, maskTranslation);
    platform.SendCommand(MakeCommand(IdCheck));
    EXPECT_EQ(Reported(), (std::vector<std::string>{
                              "O:1:5-7:mask-header-field-differs:2:12",
                              "T:1:5-7:mask-header-field-differs:2:10",
                              "O:2:0-0:mask-line-too-wide:20:26",
                              "T:3:0-0:mask-line-too-wide:20:27",
                          }));

    sink.findings.clear();
    Load(FileKind::Mask, " 46  10\r\nx\r\n", " 46  10   3\r\na\r\nb\r\nc\r\nd\r\n");
    platform.SendCommand(MakeCommand(IdCheck));
    EXPECT_EQ(Reported(), (std::vector<std::string>{
                              "O:1:0-0:mask-header-too-short:7:11",
                              "T:1:0-0:mask-header-too-short:7:11",
                          }));

    sink.findings.clear();
    Load(FileKind::Mask, " 46  10   3\r\nx\r\n", " 46  1x   3\r\na\r\nb\r\nc\r\nd\r\n");
    platform.SendCommand(MakeCommand(IdCheck));
    EXPECT_EQ(Reported(), (std::vector<std::string>{
                              "T:1:0-0:mask-header-unreadable:0:0",
                              "T:5:0-0:mask-too-many-lines:4:0",
                          }));

    sink.findings.clear();
    Load(FileKind::Menu, menuOriginal + "M0102      K2:ALT:'&Alt\r\n", menuTranslation);
    platform.SendCommand(MakeCommand(IdCheck));
    EXPECT_EQ(Reported(), (std::vector<std::string>{
                              "O:4:0-0:menu-line-without-counterpart:3:0",
                              "O:1:15-21:menu-colon-field-differs:0:0",
                              "T:1:15-21:menu-colon-field-differs:0:0",
                              "O:2:0-0:menu-separator-differs:0:0",
                              "T:2:0-0:menu-separator-differs:0:0",
                              "O:3:15-18:menu-colon-field-missing:0:0",
                          }));

    sink.findings.clear();
    platform.SendCommand(MakeCommand(IdMerge));
    EXPECT_EQ(Reported(), (std::vector<std::string>{
                              "T:1:0-0:menu-code-part-taken-over:0:0",
                              "T:3:0-0:menu-code-part-taken-over:0:0",
                          }));
}

} // namespace
