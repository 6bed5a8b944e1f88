#include "app/app_state.h"
#include "app/control_ids.h"
#include "headless_fixture.h"
#include "pane_contract.h"
#include "panes/richedit.h"
#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

// The headless pane 1003 under the pane contract. Its notifications are recorded
// here instead of being dispatched.
class HeadlessPaneHarness {
  public:
    HeadlessPaneHarness() : platform_(codes_) { SetPlatform(&platform_); }
    ~HeadlessPaneHarness() { SetPlatform(nullptr); }
    Pane& pane() { return platform_.PaneById(TranslationPane); }
    int id() const { return TranslationPane; }
    std::vector<std::uint16_t>& notifications() { return codes_; }

  private:
    class RecordingPlatform : public HeadlessPlatform {
      public:
        explicit RecordingPlatform(std::vector<std::uint16_t>& codes) : codes_(codes) {}
        bool SendCommand(std::uint32_t command, CommandParameter = 0) override {
            if ((command & 0xFFFF) == TranslationPane) {
                codes_.push_back(static_cast<std::uint16_t>(command >> 16));
            }
            return true;
        }

      private:
        std::vector<std::uint16_t>& codes_;
    };

    std::vector<std::uint16_t> codes_;
    RecordingPlatform platform_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Headless, PaneContract, HeadlessPaneHarness);

namespace {

class HeadlessPaneTest : public HeadlessTest {
  protected:
    HeadlessPane& pane() { return platform.PaneById(TranslationPane); }
};

TEST_F(HeadlessPaneTest, scrolling_stopsWhenTheLastLineReachesTheBottomOfThePage) {
    std::string text;
    for (int i = 0; i < 99; ++i)
        text += "x\r\n";
    SetPaneText(TranslationPane, text + "last");
    pane().SetPageLines(30);

    RichEdit_ScrollLines(TranslationPane, 500);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 70);
    // Fewer lines than a page: nothing to scroll.
    SetPaneText(TranslationPane, "a\r\nb");
    RichEdit_ScrollLines(TranslationPane, 5);
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);

    // Removing lines pulls the view back.
    SetPaneText(TranslationPane, text + "last");
    RichEdit_ScrollLines(TranslationPane, 70);
    RichEdit_ReplaceRange(TranslationPane, 0, 150, "");
    EXPECT_EQ(RichEdit_GetFirstVisibleLine(TranslationPane), 0);
}

TEST_F(HeadlessPaneTest, undo_bringsBackRemovedLinesWithTheirColoursUntilAnUnundoableChange) {
    SetPaneText(TranslationPane, "a\r\nb\r\nc\r\nd");
    RichEdit_SetLineColor(TranslationPane, 1, ColourRed);
    RichEdit_SetLineColor(TranslationPane, 2, ColourBlue);
    RichEdit_ReplaceRange(TranslationPane, 2, 6, "");
    ASSERT_EQ(PaneLines(TranslationPane), (std::vector<std::string>{"a", "d"}));

    pane().Undo();
    EXPECT_EQ(PaneLines(TranslationPane), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(LineColours(TranslationPane), "KRBK");

    // A replacement that cannot be undone drops the older steps.
    RichEdit_ReplaceRange(TranslationPane, 0, 1, "A");
    ASSERT_TRUE(pane().CanUndo());
    pane().SetSel(3, 3);
    pane().ReplaceSel("!", false);
    EXPECT_FALSE(pane().CanUndo());
}

// Many edits across block boundaries, checked after every hundred against a plain
// string (a lone CR for each line break) with one colour per character.
TEST_F(HeadlessPaneTest, manyEdits_keepLinesIndicesAndColoursInStepWithAPlainModel) {
    std::mt19937 random(12345);
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string model;
    for (int i = 0; i < 3000; ++i)
        model += "line " + std::to_string(i) + "\r";
    model += "end";
    std::vector<Colour> colours(model.size(), ColourBlack);
    SetPaneText(TranslationPane, model);
    pane().SetTextLimit(10000000);

    const Colour palette[] = {ColourRed, ColourBlue, ColourMagenta};
    for (int step = 0; step < 1500; ++step) {
        const int length = static_cast<int>(model.size());
        const int from = below(length + 1);
        const int to = std::min(length, from + (below(4) == 0 ? below(3000) : below(20)));
        if (below(3) == 0) {
            const Colour colour = palette[below(3)];
            RichEdit_SetTextColor(TranslationPane, from, to, colour);
            std::fill(colours.begin() + from, colours.begin() + to, colour);
        } else {
            std::string text;
            for (int i = below(4) == 0 ? below(400) : below(3); i > 0; --i)
                text += "new " + std::to_string(step) + "\r";
            text += std::string(static_cast<std::size_t>(below(5)), 'z');
            const Colour before =
                from > 0 ? colours[static_cast<std::size_t>(from - 1)] : ColourBlack;
            RichEdit_ReplaceRange(TranslationPane, from, to, text.c_str());
            model.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from),
                          text);
            colours.erase(colours.begin() + from, colours.begin() + to);
            colours.insert(colours.begin() + from, text.size(), before);
        }
        if (step % 100 != 99) continue;

        ASSERT_EQ(pane().TextLength(), static_cast<std::int32_t>(model.size()));
        char buffer[320];
        std::int32_t line = 0;
        for (std::size_t start = 0;; ++line) {
            const std::size_t end = model.find('\r', start);
            const std::size_t stop = end == std::string::npos ? model.size() : end + 1;
            const auto first = static_cast<std::int32_t>(start);
            ASSERT_EQ(RichEdit_LineIndex(TranslationPane, line), first);
            ASSERT_EQ(RichEdit_LineFromChar(TranslationPane, first), line);
            const std::int32_t n = RichEdit_GetTextLine(TranslationPane, line, buffer, 320);
            ASSERT_EQ(std::string(buffer, static_cast<std::size_t>(n)),
                      model.substr(start, stop - start));
            if (end == std::string::npos) break;
            start = stop;
        }
        ASSERT_EQ(RichEdit_GetLineCount(TranslationPane), line + 1);
        for (std::size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(pane().CharColour(static_cast<std::int32_t>(i)), colours[i]) << i;
        }
        ASSERT_EQ(pane().CharColours(), colours);
    }
}

// Clicks on enabled controls and changes of the translation reach the window as
// commands.
TEST_F(HeadlessPaneTest, clicksAndPaneChanges_reachTheWindowAsCommands) {
    platform.Click(IdAutoSave);
    EXPECT_TRUE(platform.IsChecked(IdAutoSave));
    EXPECT_EQ(appState.autoSave, 1);
    EXPECT_EQ(platform.sentCommands, std::vector<std::uint32_t>{MakeCommand(IdAutoSave)});

    platform.EnableControl(IdAutoSave, false);
    platform.Click(IdAutoSave);
    EXPECT_TRUE(platform.IsChecked(IdAutoSave));
    EXPECT_EQ(platform.sentCommands.size(), 1u);

    pane().SetChangeNotification(true);
    SetPaneText(TranslationPane, "x");
    EXPECT_EQ(appState.modified, 1);
    EXPECT_EQ(platform.sentCommands.back(), MakeCommand(TranslationPane, EN_CHANGE));
}

} // namespace
