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
    {"dialogHeadingsCommentsAndEntries", FileKind::DialogIni,
     "[MAIN]\r\n;note\r\n!note\r\nK=\"v\"\r\n", "BGGK-"},
    {"cprAndProgFollowTheSameRules", FileKind::DialogCprIni, "x\r\n[A\r\n!c", "KBG"},
    {"progToo", FileKind::DialogProgIni, "[A]\r\n K=1\r\n;c", "BKG"},
    {"maskHeaderAlwaysBlueAndTrailingBlockGreen", FileKind::Mask, "h\r\nbody\r\n&\r\nany\r\nthing",
     "BKGGG"},
    {"maskAmpersandOnTheHeaderStartsNoTrailingBlock", FileKind::Mask, "&h\r\nbody\r\n&x\r\nafter",
     "BKGG"},
    {"maskEmptyLastLineStaysBlack", FileKind::Mask, "h\r\n&\r\n", "BG-"},
    {"menuSeparatorsNeedElevenCharacters", FileKind::Menu,
     "----------\r\n-----------more\r\n- - - - - -\r\n-- - - - - -\r\n-----------", "KBBKB"},
    {"otherKindIsAllBlack", FileKind::Other, "[A]\r\n;c\r\n-----------", "KKK"},
    {"emptyPaneStaysBlack", FileKind::DialogIni, "", "-"},
};

// The colour button colours both panes by the current kind, over the marks of an
// earlier check, and never makes the translation count as changed (or unchanged).
TEST_F(ColouringTest, colourButton_givesEachKindItsPictureInBothPanes) {
    platform.PaneById(TranslationPane).SetChangeNotification(true);
    for (const Picture& picture : pictures) {
        for (std::int32_t modified : {0, 1}) {
            for (int pane : {OriginalPane, TranslationPane}) {
                SetPaneText(pane, picture.text);
                platform.PaneById(pane).SetAllColour(ColourRed);
            }
            appState.fileKind = picture.kind;
            appState.modified = modified;

            platform.SendCommand(MakeCommand(IdColour));
            EXPECT_EQ(LineColours(OriginalPane), picture.colours) << picture.name;
            EXPECT_EQ(LineColours(TranslationPane), picture.colours) << picture.name;
            EXPECT_EQ(appState.modified, modified) << picture.name;
            EXPECT_TRUE(platform.PaneById(OriginalPane).IsRedrawOn()) << picture.name;
            EXPECT_TRUE(platform.PaneById(TranslationPane).IsRedrawOn()) << picture.name;
        }
    }
}

} // namespace
