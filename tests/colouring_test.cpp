#include "aids/intl_col.h"
#include "app/app_state.h"
#include "app/control_ids.h"
#include "headless_fixture.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class ColouringTest : public HeadlessTest {};

struct Picture {
    const char* name;
    FileKind kind;
    const char* text;
    // One letter per line, as LineColours gives them.
    const char* colours;
};

const Picture pictures[] = {
    {"dialogHeadingsCommentsAndEntries", DialogIni, "[MAIN]\r\n;note\r\n!note\r\nK=\"v\"\r\n",
     "BGGK-"},
    {"cprAndProgFollowTheSameRules", DialogCprIni, "x\r\n[A\r\n!c", "KBG"},
    {"progToo", DialogProgIni, "[A]\r\n K=1\r\n;c", "BKG"},
    {"maskHeaderAlwaysBlueAndTrailingBlockGreen", Mask, "h\r\nbody\r\n&\r\nany\r\nthing", "BKGGG"},
    {"maskAmpersandOnTheHeaderStartsNoTrailingBlock", Mask, "&h\r\nbody\r\n&x\r\nafter", "BKGG"},
    {"maskEmptyLastLineStaysBlack", Mask, "h\r\n&\r\n", "BG-"},
    {"menuSeparatorsNeedElevenCharacters", Menu,
     "----------\r\n-----------more\r\n- - - - - -\r\n-- - - - - -\r\n-----------", "KBBKB"},
    {"otherKindIsAllBlack", Other, "[A]\r\n;c\r\n-----------", "KKK"},
    {"emptyPaneStaysBlack", DialogIni, "", "-"},
};

TEST_F(ColouringTest, eachKindGivesItsPicture_overEarlierMarks_andKeepsModified) {
    for (int pane : {OriginalPane, TranslationPane}) {
        for (const Picture& picture : pictures) {
            SetPaneText(pane, picture.text);
            // Marks of an earlier check must go.
            platform.PaneById(pane).SetAllColour(ColourRed);
            appState.modified = 1;
            FileKind kind = picture.kind;

            ColourPane(kind, pane);
            EXPECT_EQ(LineColours(pane), picture.colours) << picture.name << " in " << pane;
            ColourPane(kind, pane);
            EXPECT_EQ(LineColours(pane), picture.colours) << picture.name << " twice";
            EXPECT_EQ(appState.modified, 1) << picture.name;
            EXPECT_TRUE(platform.PaneById(pane).IsRedrawOn()) << picture.name;
        }
    }
}

TEST_F(ColouringTest, colourButton_coloursBothPanesByTheCurrentKindWithoutMarkingAChange) {
    SetPaneText(OriginalPane, "[A]\r\nK=\"x\"");
    SetPaneText(TranslationPane, "; c\r\n[A]");
    platform.PaneById(TranslationPane).SetChangeNotification(true);
    appState.fileKind = DialogIni;
    appState.modified = 0;

    platform.SendCommand(MakeCommand(IdColour));

    EXPECT_EQ(LineColours(OriginalPane), "BK");
    EXPECT_EQ(LineColours(TranslationPane), "GB");
    EXPECT_EQ(appState.modified, 0);
}

} // namespace
