#include "app/search.h"

#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/navigation.h"
#include "panes/richedit.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace {

// The edit field's text is read into a buffer of 256 characters, its NUL
// included.
constexpr std::size_t SearchTextCapacity = 255;

// Each pane with its search field and the pane that follows it.
struct PaneSearch {
    int pane;
    int edit;
    int other;
};

constexpr PaneSearch paneSearches[] = {
    {OriginalPane, IdSearchOriginalEdit, TranslationPane},
    {TranslationPane, IdSearchTranslationEdit, OriginalPane},
};

const PaneSearch& SearchOf(int pane) {
    return pane == TranslationPane ? paneSearches[1] : paneSearches[0];
}

} // namespace

void SearchPane(int pane, int edit, SearchDirection direction) {
    Platform& platform = ThePlatform();
    std::string text = platform.GetControlText(edit);
    if (text.size() > SearchTextCapacity) text.resize(SearchTextCapacity);
    const std::int32_t n = static_cast<std::int32_t>(text.size());
    if (n == 0) return;
    NotePaneInUse(pane);

    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(pane, start, end);
    // Forwards the range runs to the end of the text: the find takes its end as
    // the index after the last character a match may cover, so an occurrence
    // ending on the pane's last character is found too. Backwards a match must
    // end at the selection's start.
    const std::int32_t from = direction == SearchDirection::Forwards ? end : start;
    const std::int32_t to =
        direction == SearchDirection::Forwards ? RichEdit_GetTextLength(pane) : 0;
    const std::int32_t found = RichEdit_FindText(pane, from, to, text.c_str());
    if (found < 0) {
        platform.Beep();
        return;
    }

    RichEdit_SetSel(pane, found, found + n);
    RichEdit_ScrollCaret(pane);
    FollowInOtherPane(pane, RichEdit_LineFromChar(pane, found), SearchOf(pane).other);
    platform.FocusControl(pane);
}

int PaneInUse() {
    const int focused = ThePlatform().FocusedControl();
    for (const PaneSearch& search : paneSearches) {
        if (focused == search.pane || focused == search.edit) return search.pane;
    }
    if (appState.paneInUse == TranslationPane) return TranslationPane;
    return OriginalPane;
}

void NotePaneInUse(int pane) { appState.paneInUse = pane; }

void RepeatSearch(SearchDirection direction) {
    const PaneSearch& search = SearchOf(PaneInUse());
    SearchPane(search.pane, search.edit, direction);
}

void FocusSearchField() {
    const int focused = ThePlatform().FocusedControl();
    int edit = IdSearchOriginalEdit;
    for (const PaneSearch& search : paneSearches) {
        if (focused == search.pane || focused == search.edit) edit = search.edit;
    }
    ThePlatform().FocusControl(edit, true);
}
