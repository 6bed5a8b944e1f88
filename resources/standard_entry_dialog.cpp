#include "resources/standard_entry_dialog.h"

#include <iterator>

namespace {

// In the tab order: Yes, Cancel, No, the name, Next. Yes, the first tab stop,
// has the focus when the dialog opens.
constexpr ControlTemplate standardEntryControls[] = {
    {IdEntryYes, ControlKind::PushButton, "Yes", "Ja", 22, 57, 50, 14, StyleDefaultButton},
    {IdEntryCancel, ControlKind::PushButton, "Cancel", "Abbruch", 205, 57, 50, 14, StyleNone},
    {IdEntryNo, ControlKind::PushButton, "No", "Nein", 83, 57, 50, 14, StyleNone},
    {IdEntryMessage, ControlKind::Static, "Static", "Static", 7, 7, 263, 25, StyleCentred},
    {IdEntryName, ControlKind::Edit, "", "", 24, 38, 246, 14, StyleAutoHScroll | StyleUpperCase},
    {-1, ControlKind::Static, "As:", "Als:", 7, 41, 12, 8, StyleNone},
    {IdEntryNext, ControlKind::PushButton, "Next", "Weiter", 144, 57, 50, 14, StyleNone},
};

constexpr WindowTemplate standardEntryDialog = {
    103,
    "Insert standard entry",
    277,
    78,
    "MS Sans Serif",
    8,
    standardEntryControls,
    static_cast<int>(std::size(standardEntryControls)),
    "Mehrfacheintrag \xFC"
    "bernehmen?",
};

} // namespace

const WindowTemplate& StandardEntryDialogTemplate() { return standardEntryDialog; }

const char* const FoundTimesText = "x gefunden.";
