#include "app/dispatch.h"

#include "aids/intl_col.h"
#include "app/app_state.h"
#include "app/caret_display.h"
#include "app/control_ids.h"
#include "app/file_kinds.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/navigation.h"
#include "app/red_lines.h"
#include "app/search.h"
#include "documents/comparison.h"
#include "documents/loading.h"
#include "documents/saving.h"
#include "documents/series.h"
#include "platform/platform.h"
#include "resources/messages.h"

namespace {

void AutoSaveClicked() { appState.autoSave = ThePlatform().IsChecked(IdAutoSave) ? 1 : 0; }

void ArrangementClicked() {
    appState.stackedLayout = ThePlatform().IsChecked(IdStackedLayout) ? 1 : 0;
    LayoutMainWindow();
}

void TranslationChanged() { appState.modified = 1; }

void TranslationFull() { ShowMessage(MessageId::TranslationPaneFull); }

void ColourBothPanes() {
    ColourPane(appState.fileKind, OriginalPane);
    ColourPane(appState.fileKind, TranslationPane);
}

struct CommandRow {
    std::uint32_t command;
    // Every operation receives the command's parameter; most have no use for it.
    void (*operation)(CommandParameter parameter);
};

// One row per command; the whole number decides, so a notification of a control
// other than those listed here finds no row.
const CommandRow commandTable[] = {
    {MakeCommand(IDCANCEL), [](CommandParameter) { CloseMainWindow(); }},
    {MakeCommand(IdBrowseOriginal), [](CommandParameter) { LoadOriginal(true); }},
    {MakeCommand(LoadOriginalCommand), [](CommandParameter) { LoadOriginal(false); }},
    {MakeCommand(IdBrowseTranslation), [](CommandParameter) { LoadTranslation(true); }},
    {MakeCommand(LoadTranslationCommand), [](CommandParameter) { LoadTranslation(false); }},
    {MakeCommand(IdSave), [](CommandParameter) { SaveTranslation(false); }},
    {MakeCommand(IdSaveAs), [](CommandParameter) { SaveTranslation(true); }},
    {MakeCommand(IdSwap), [](CommandParameter) { SwapFiles(); }},
    {MakeCommand(IdSeriesNext), [](CommandParameter) { StepSeries(+1); }},
    {MakeCommand(IdSeriesPrevious), [](CommandParameter) { StepSeries(-1); }},
    {MakeCommand(IdAutoSave), [](CommandParameter) { AutoSaveClicked(); }},
    {MakeCommand(IdStackedLayout), [](CommandParameter) { ArrangementClicked(); }},
    {MakeCommand(IdMerge), [](CommandParameter) { RunAid(&FileKindRow::merge); }},
    {MakeCommand(IdCheck), [](CommandParameter) { RunAid(&FileKindRow::check); }},
    {MakeCommand(IdColour), [](CommandParameter) { ColourBothPanes(); }},
    {MakeCommand(IdDiff), [](CommandParameter) { StartComparisonViewer(); }},
    {MakeCommand(IdStandardEntries),
     [](CommandParameter) { RunAid(&FileKindRow::standardEntries); }},
    {MakeCommand(IdScrollUp), [](CommandParameter) { ScrollBothPanes(ScrollStep::LineUp); }},
    {MakeCommand(IdScrollDown), [](CommandParameter) { ScrollBothPanes(ScrollStep::LineDown); }},
    {MakeCommand(IdScrollPageUp), [](CommandParameter) { ScrollBothPanes(ScrollStep::LinesUp); }},
    {MakeCommand(IdScrollPageDown),
     [](CommandParameter) { ScrollBothPanes(ScrollStep::LinesDown); }},
    {MakeCommand(IdAlignLeft),
     [](CommandParameter) { AlignCorrespondingLine(TranslationPane, OriginalPane); }},
    {MakeCommand(IdAlignRight),
     [](CommandParameter) { AlignCorrespondingLine(OriginalPane, TranslationPane); }},
    {MakeCommand(IdSearchOriginalBack),
     [](CommandParameter) {
         SearchPane(OriginalPane, IdSearchOriginalEdit, SearchDirection::Backwards);
     }},
    {MakeCommand(IdSearchOriginalForward),
     [](CommandParameter) {
         SearchPane(OriginalPane, IdSearchOriginalEdit, SearchDirection::Forwards);
     }},
    {MakeCommand(IdSearchTranslationBack),
     [](CommandParameter) {
         SearchPane(TranslationPane, IdSearchTranslationEdit, SearchDirection::Backwards);
     }},
    {MakeCommand(IdSearchTranslationForward),
     [](CommandParameter) {
         SearchPane(TranslationPane, IdSearchTranslationEdit, SearchDirection::Forwards);
     }},
    {MakeCommand(CaretPositionCommand), ShowCaretPosition},
    {MakeCommand(FindNextCommand),
     [](CommandParameter) { RepeatSearch(SearchDirection::Forwards); }},
    {MakeCommand(FindPreviousCommand),
     [](CommandParameter) { RepeatSearch(SearchDirection::Backwards); }},
    {MakeCommand(FocusSearchCommand), [](CommandParameter) { FocusSearchField(); }},
    {MakeCommand(NextRedLineCommand),
     [](CommandParameter) { StepToRedLine(SearchDirection::Forwards); }},
    {MakeCommand(PreviousRedLineCommand),
     [](CommandParameter) { StepToRedLine(SearchDirection::Backwards); }},
    {MakeCommand(TranslationPane, EN_CHANGE), [](CommandParameter) { TranslationChanged(); }},
    {MakeCommand(TranslationPane, EN_MAXTEXT), [](CommandParameter) { TranslationFull(); }},
};

} // namespace

bool DispatchCommand(std::uint32_t command, CommandParameter parameter) {
    for (const CommandRow& row : commandTable) {
        if (row.command == command) {
            row.operation(parameter);
            return true;
        }
    }
    return false;
}

bool DispatchNotification(const Notification& notification) {
    // Only the up-down control sends this one; whichever control did, it acts.
    if (notification.code == UDN_DELTAPOS) {
        ScrollBothPanes(notification.delta < 0 ? ScrollStep::LineUp : ScrollStep::LineDown);
    }
    return true;
}
