#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/layout.h"
#include "headless_fixture.h"
#include "resources/window_template.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Placement {
    int id;
    int x;
    int y;
};

class LayoutTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        // 800 x 600 with the template's button sizes: "/\" is 24 pixels wide and
        // "i-Color" ends at client y 83, so W 790, H 548, top 88, half 378.
        platform.SetWindowRect(Rect{100, 50, 900, 650});
    }

    Rect ClientRectOf(int id) {
        Rect rect = platform.GetControlRect(id);
        RectToClient(rect);
        return rect;
    }

    void ExpectPlacements(const std::vector<Placement>& placements) {
        for (const Placement& p : placements) {
            Rect rect = ClientRectOf(p.id);
            EXPECT_EQ(rect.left, p.x) << "control " << p.id;
            EXPECT_EQ(rect.top, p.y) << "control " << p.id;
        }
    }
};

// The translation-side group does not move with the arrangement.
const std::vector<Placement> translationGroup = {
    {IdBrowseTranslation, 412, -1},        {IdSave, 412, -1},
    {IdTranslationPathEdit, 447, -1},      {IdSearchTranslationEdit, 467, -1},
    {IdTranslationLabel, 502, -1},         {IdSearchTranslationBack, 548, -1},
    {IdSearchTranslationForward, 567, -1}, {IdAutoSave, 572, -1},
    {IdStandardEntries, 763, -1},
};

TEST_F(LayoutTest, sideBySide_placesPanesColumnAndLabelsByTheFormulas) {
    LayoutMainWindow();

    EXPECT_EQ(appState.paneWidth, 378);
    EXPECT_EQ(appState.paneHeight, 460);
    ExpectPlacements({
        {OriginalPane, 1, 88},
        {TranslationPane, 412, 88},
        {IdScrollUp, 383, 88},
        {IdScrollPageUp, 383, 113},
        {IdAlignLeft, 383, 275},
        {IdUpDown, 383, 305},
        {IdAlignRight, 383, 384},
        {IdScrollPageDown, 383, 498},
        {IdScrollDown, 383, 523},
        {IdCaretOriginal, 1, 549},
        {IdCaretTranslation, 412, 549},
    });
    Rect translation = ClientRectOf(TranslationPane);
    EXPECT_EQ(translation.Width(), 378);
    EXPECT_EQ(translation.Height(), 460);
    Rect upDown = ClientRectOf(IdUpDown);
    EXPECT_EQ(upDown.Width(), 24);
    EXPECT_EQ(upDown.Height(), 70);
    for (const Placement& p : translationGroup) {
        EXPECT_EQ(ClientRectOf(p.id).left, p.x) << "control " << p.id;
    }
}

TEST_F(LayoutTest, stacked_putsTranslationBelowAndMovesTheOriginalLabel) {
    platform.Click(IdStackedLayout);

    EXPECT_EQ(appState.stackedLayout, 1);
    EXPECT_EQ(appState.paneWidth, 756);
    EXPECT_EQ(appState.paneHeight, 225);
    ExpectPlacements({
        {OriginalPane, 1, 88},
        {TranslationPane, 1, 318},
        {IdScrollUp, 761, 88},
        {IdUpDown, 761, 305},
        {IdScrollDown, 761, 523},
        {IdCaretOriginal, 638, 68},
        {IdCaretTranslation, 1, 549},
    });
    Rect original = ClientRectOf(OriginalPane);
    EXPECT_EQ(original.Width(), 756);
    EXPECT_EQ(original.Height(), 225);
    for (const Placement& p : translationGroup) {
        EXPECT_EQ(ClientRectOf(p.id).left, p.x) << "control " << p.id;
    }
}

TEST_F(LayoutTest, untickingTheArrangementRestoresSideBySide) {
    platform.Click(IdStackedLayout);
    platform.Click(IdStackedLayout);

    EXPECT_EQ(appState.stackedLayout, 0);
    ExpectPlacements({{TranslationPane, 412, 88}, {IdCaretOriginal, 1, 549}});
}

TEST_F(LayoutTest, translationGroupKeepsTheRowsOfTheTemplate) {
    int pathTop = ClientRectOf(IdTranslationPathEdit).top;
    int saveTop = ClientRectOf(IdSave).top;
    int autoSaveTop = ClientRectOf(IdAutoSave).top;
    int searchTop = ClientRectOf(IdSearchOriginalEdit).top;

    LayoutMainWindow();

    EXPECT_EQ(ClientRectOf(IdTranslationPathEdit).top, pathTop);
    EXPECT_EQ(ClientRectOf(IdBrowseTranslation).top, pathTop);
    EXPECT_EQ(ClientRectOf(IdSaveAs).top, pathTop);
    EXPECT_EQ(ClientRectOf(IdSaveAs).left, 447 + ClientRectOf(IdTranslationPathEdit).Width() + 5);
    EXPECT_EQ(ClientRectOf(IdSave).top, saveTop);
    EXPECT_EQ(ClientRectOf(IdTranslationLabel).top, autoSaveTop + 4);
    EXPECT_EQ(ClientRectOf(IdExistTranslation).top, ClientRectOf(IdExistOriginal).top);
    EXPECT_EQ(ClientRectOf(IdSearchTranslationEdit).top, searchTop);
    EXPECT_EQ(ClientRectOf(IdStandardEntries).top, searchTop);
}

TEST_F(LayoutTest, oddWidthDifferenceLosesOnePixel) {
    // W - midW = 757: both panes 378 wide.
    platform.SetWindowRect(Rect{0, 0, 801, 600});
    LayoutMainWindow();
    EXPECT_EQ(appState.paneWidth, 378);
    EXPECT_EQ(ClientRectOf(OriginalPane).Width(), 378);
}

TEST_F(LayoutTest, everyMovedControlIsVisibleAfterTheLayout) {
    LayoutMainWindow();
    for (int id : {IdBrowseTranslation, IdTranslationPathEdit, TranslationPane, IdTranslationLabel,
                   IdSave, IdScrollUp, IdScrollPageUp, IdUpDown, IdSearchTranslationEdit,
                   IdSearchTranslationBack, IdSearchTranslationForward, IdExistTranslation}) {
        EXPECT_TRUE(platform.IsControlVisible(id)) << "control " << id;
    }
}

// The pairs of visible controls that lie over each other after a layout of the
// whole window at width x height, in one language and arrangement; "a/b" each.
std::vector<std::string> OverlapsAt(bool german, bool stacked, int width, int height) {
    HeadlessPlatform platform(german);
    platform.SetWindowProcedures(MainWindowProcedures());
    SetPlatform(&platform);
    ResetAppState();
    appState.stackedLayout = stacked ? 1 : 0;
    platform.ResizeWindow(width, height);
    const WindowTemplate& form = MainWindowTemplate();
    std::vector<std::string> overlaps;
    for (int i = 0; i < form.controlCount; ++i) {
        const int a = form.controls[i].id;
        if (!platform.IsControlVisible(a)) continue;
        for (int j = i + 1; j < form.controlCount; ++j) {
            const int b = form.controls[j].id;
            if (!platform.IsControlVisible(b)) continue;
            const Rect ra = platform.GetControlRect(a);
            const Rect rb = platform.GetControlRect(b);
            if (ra.left < rb.right && rb.left < ra.right && ra.top < rb.bottom &&
                rb.top < ra.bottom) {
                overlaps.push_back(std::to_string(a) + "/" + std::to_string(b));
            }
        }
    }
    SetPlatform(nullptr);
    return overlaps;
}

TEST(OpeningSize, isTheSmallestWindowAtWhichNoTwoVisibleControlsOverlap) {
    std::vector<std::string> narrower;
    std::vector<std::string> lower;
    for (bool german : {false, true}) {
        for (bool stacked : {false, true}) {
            EXPECT_EQ(OverlapsAt(german, stacked, MainWindowOpeningWidth, MainWindowOpeningHeight),
                      std::vector<std::string>{})
                << "german " << german << " stacked " << stacked;
            for (const std::string& pair :
                 OverlapsAt(german, stacked, MainWindowOpeningWidth - 1, MainWindowOpeningHeight)) {
                narrower.push_back(pair);
            }
            for (const std::string& pair :
                 OverlapsAt(german, stacked, MainWindowOpeningWidth, MainWindowOpeningHeight - 1)) {
                lower.push_back(pair);
            }
        }
    }
    // One pixel less: the translation side's "Exist" box runs into the original's
    // ">" search button, and ">=" into "\/\/".
    EXPECT_NE(std::find(narrower.begin(), narrower.end(), "1028/1025"), narrower.end());
    EXPECT_NE(std::find(lower.begin(), lower.end(), "1034/1020"), lower.end());
    // At the minimum size the formulas decide as written, overlaps and all.
    EXPECT_FALSE(OverlapsAt(false, false, MinTrackWidth, MinTrackHeight).empty());
    ResetAppState();
}

} // namespace
