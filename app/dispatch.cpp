#include "app/dispatch.h"

#include "aids/intl_col.h"
#include "aids/intlappl.h"
#include "aids/intldia2.h"
#include "app/app_state.h"
#include "app/control_ids.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "platform/platform.h"

namespace {

void AutoSaveClicked() { appState.autoSave = ThePlatform().IsChecked(IdAutoSave) ? 1 : 0; }

void ArrangementClicked() {
    appState.stackedLayout = ThePlatform().IsChecked(IdStackedLayout) ? 1 : 0;
    LayoutMainWindow();
}

void TranslationChanged() { appState.modified = 1; }

void TranslationFull() {
    ThePlatform().MessageBox("Textbox voll!", "Error (EN_MAXTEXT)", MB_ICONHAND);
}

void MergeByKind() {
    switch (appState.fileKind) {
    case DialogIni:
    case DialogCprIni:
    case DialogProgIni:
        MergeEntries(appState.fileKind);
        break;
    default:
        break;
    }
}

void CheckByKind() {
    switch (appState.fileKind) {
    case DialogIni:
    case DialogCprIni:
        CheckEntries(appState.fileKind);
        break;
    default:
        break;
    }
}

void ColourBothPanes() {
    ColourPane(appState.fileKind, OriginalPane);
    ColourPane(appState.fileKind, TranslationPane);
}

struct CommandRow {
    std::uint32_t command;
    void (*operation)();
};

// One row per command; the whole number decides, so a notification of a control
// other than those listed here finds no row.
const CommandRow commandTable[] = {
    {MakeCommand(IDCANCEL), [] { CloseMainWindow(); }},
    {MakeCommand(IdBrowseOriginal), [] { LoadOriginal(true); }},
    {MakeCommand(LoadOriginalCommand), [] { LoadOriginal(false); }},
    {MakeCommand(IdBrowseTranslation), [] { LoadTranslation(true); }},
    {MakeCommand(LoadTranslationCommand), [] { LoadTranslation(false); }},
    {MakeCommand(IdSave), [] { SaveTranslation(false); }},
    {MakeCommand(IdSaveAs), [] { SaveTranslation(true); }},
    {MakeCommand(IdSwap), [] { SwapFiles(); }},
    {MakeCommand(IdAutoSave), AutoSaveClicked},
    {MakeCommand(IdStackedLayout), ArrangementClicked},
    {MakeCommand(IdMerge), MergeByKind},
    {MakeCommand(IdCheck), CheckByKind},
    {MakeCommand(IdColour), ColourBothPanes},
    {MakeCommand(TranslationPane, EN_CHANGE), TranslationChanged},
    {MakeCommand(TranslationPane, EN_MAXTEXT), TranslationFull},
};

} // namespace

bool DispatchCommand(std::uint32_t command) {
    for (const CommandRow& row : commandTable) {
        if (row.command == command) {
            row.operation();
            return true;
        }
    }
    return false;
}
