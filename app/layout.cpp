#include "app/layout.h"

#include "app/app_state.h"
#include "app/control_ids.h"

namespace {

// Controls hidden while they are moved, and shown again afterwards, in order.
constexpr int hiddenDuringLayout[] = {
    IdBrowseTranslation,
    IdTranslationPathEdit,
    TranslationPane,
    IdTranslationLabel,
    IdSave,
    IdScrollUp,
    IdScrollPageUp,
    IdSearchTranslationEdit,
    IdSearchTranslationBack,
    IdSearchTranslationForward,
    IdExistTranslation,
};
constexpr int shownAfterLayout[] = {
    IdBrowseTranslation,
    IdTranslationPathEdit,
    TranslationPane,
    IdTranslationLabel,
    IdSave,
    IdScrollUp,
    IdScrollPageUp,
    IdUpDown,
    IdSearchTranslationEdit,
    IdSearchTranslationBack,
    IdSearchTranslationForward,
    IdExistTranslation,
};

// A control's current rectangle in client coordinates.
Rect ClientRect(int id) {
    Rect rect = ThePlatform().GetControlRect(id);
    RectToClient(rect);
    return rect;
}

void Place(int id, int x, int y) { ThePlatform().MoveControl(id, x, y, 0, 0, false); }

void PlaceAndSize(int id, int x, int y, int width, int height) {
    ThePlatform().MoveControl(id, x, y, width, height, true);
}

void PlacePanesAndLabels(int W, int H, int top, int midW, int half) {
    if (appState.stackedLayout == 0) {
        appState.paneWidth = half;
        appState.paneHeight = H - top;
        PlaceAndSize(OriginalPane, 1, top, appState.paneWidth, appState.paneHeight);
        PlaceAndSize(TranslationPane, midW + half, top, appState.paneWidth, appState.paneHeight);
        Place(IdCaretOriginal, 1, H + 1);
        Place(IdCaretTranslation, midW + half, H + 1);
    } else {
        appState.paneWidth = W - midW;
        appState.paneHeight = (H - top) / 2 - 5;
        PlaceAndSize(OriginalPane, 1, top, appState.paneWidth, appState.paneHeight);
        PlaceAndSize(TranslationPane, 1, top + appState.paneHeight + 5, appState.paneWidth,
                     appState.paneHeight);
        // The original's label moves above its pane, since the other pane now lies
        // below it.
        Place(IdCaretOriginal, appState.paneWidth - 118, top - 20);
        Place(IdCaretTranslation, 1, H + 1);
    }
}

void PlaceButtonColumn(int H, int top) {
    int x = appState.paneWidth + 5;
    int mid = (H + top - 25) / 2;
    Place(IdScrollUp, x, top);
    Place(IdScrollPageUp, x, top + 25);
    Place(IdAlignLeft, x, mid - 30);
    PlaceAndSize(IdUpDown, x, mid, 24, 70);
    Place(IdAlignRight, x, mid + 79);
    Place(IdScrollPageDown, x, H - 50);
    Place(IdScrollDown, x, H - 25);
}

// The translation side's controls keep the rows of the template and move with the
// right half of the window.
void PlaceTranslationGroup(int W, int xr) {
    Rect path = ClientRect(IdTranslationPathEdit);
    Place(IdTranslationPathEdit, xr + 35, path.top);
    Place(IdBrowseTranslation, xr, path.top);
    Place(IdSaveAs, xr + 35 + path.Width() + 5, path.top);
    Place(IdSave, xr, ClientRect(IdSave).top);
    int autoSaveTop = ClientRect(IdAutoSave).top;
    Place(IdAutoSave, xr + 160, autoSaveTop);
    Place(IdTranslationLabel, xr + 90, autoSaveTop + 4);
    Place(IdExistTranslation, xr, ClientRect(IdExistOriginal).top);
    int searchTop = ClientRect(IdSearchOriginalEdit).top;
    Place(IdSearchTranslationEdit, xr + 55, searchTop);
    Place(IdSearchTranslationBack, xr + 136, searchTop);
    Place(IdSearchTranslationForward, xr + 155, searchTop);
    Place(IdStandardEntries, W - 27, searchTop);
}

} // namespace

bool LayoutMainWindow() {
    Platform& platform = ThePlatform();
    for (int id : hiddenDuringLayout)
        platform.ShowControl(id, false);

    // The frame and caption are allowed for with fixed amounts, so the size the
    // size message carries is not used.
    Rect window = platform.GetWindowRect();
    int W = window.Width() - 10;
    int H = window.Height() - 52;
    int top = ClientRect(IdColour).bottom + 5;
    int midW = platform.GetControlRect(IdScrollUp).Width() + 10;
    int half = (W - midW) / 2;

    PlacePanesAndLabels(W, H, top, midW, half);
    PlaceButtonColumn(H, top);
    PlaceTranslationGroup(W, midW + half);

    for (int id : shownAfterLayout)
        platform.ShowControl(id, true);
    return true;
}

int RectToClient(Rect& rect) {
    Platform& platform = ThePlatform();
    if (!platform.ScreenToClient(rect.left, rect.top)) return 0;
    return platform.ScreenToClient(rect.right, rect.bottom) ? 1 : 0;
}
