#include "resources/window_template.h"

namespace {

constexpr unsigned PathEdit = StyleReadOnly | StyleAutoHScroll | StylePathField;

// Positions are those of the German version; the English version uses the same
// grid, so the layout computations see the same rectangles in both languages.
constexpr ControlTemplate mainWindowControls[] = {
    {1000, ControlKind::Edit, "", "", 7, 7, 153, 14, PathEdit},
    {1004, ControlKind::PushButton, "...", "...", 168, 7, 20, 14, StyleNone},
    {1017, ControlKind::PushButton, "<-->", "<-->", 191, 7, 20, 14, StyleNone},
    {1018, ControlKind::PushButton, "Diff", "Diff", 215, 7, 23, 14, StyleNone},
    {1005, ControlKind::PushButton, "...", "...", 262, 7, 20, 14, StyleNone},
    {1001, ControlKind::Edit, "", "", 287, 7, 167, 14, PathEdit},
    {1023, ControlKind::PushButton, "SaveAs ...", "SaveAs ...", 458, 7, 35, 14, StyleNone},
    {1013, ControlKind::PushButton, "<<", "<<", 7, 22, 30, 14, StyleNone},
    {1009, ControlKind::PushButton, ">>", ">>", 40, 22, 30, 14, StyleNone},
    {-1, ControlKind::Static, "Original", "Original", 81, 25, 24, 8, StyleNone},
    {1015, ControlKind::Static, "", "", 110, 25, 19, 9, StyleSunken | StyleNoWrap},
    {1016, ControlKind::CheckBox, "Vert/horiz.", "RL-OU", 196, 24, 42, 10, StyleNone},
    {1008, ControlKind::PushButton, "Save", "Speichern", 262, 22, 50, 14, StyleNone},
    {1010, ControlKind::Static, "Translation",
     "\xDC"
     "bersetzung",
     317, 25, 41, 8, StyleNone},
    {1012, ControlKind::CheckBox, "Auto save", "automatisch Speichern", 405, 24, 88, 10, StyleNone},
    {1022, ControlKind::PushButton, "i-Color", "i-Color", 7, 37, 52, 14, StyleNone},
    {1021, ControlKind::PushButton, "i-Check", "i-Check", 63, 37, 52, 14, StyleNone},
    {1019, ControlKind::PushButton, "i-Merge", "i-Merge", 119, 37, 52, 14, StyleGermanOnly},
    {1024, ControlKind::CheckBox, "Exist", "Exist", 176, 39, 29, 10, StyleNone},
    {1026, ControlKind::Edit, "", "", 210, 37, 52, 14, StyleAutoHScroll},
    {1027, ControlKind::PushButton, "<", "<", 262, 37, 12, 14, StyleNone},
    {1028, ControlKind::PushButton, ">", ">", 274, 37, 12, 14, StyleNone},
    {1025, ControlKind::CheckBox, "Exist", "Exist", 333, 39, 30, 10, StyleNone},
    {1029, ControlKind::Edit, "", "", 367, 37, 52, 14, StyleAutoHScroll},
    {1030, ControlKind::PushButton, "<", "<", 419, 37, 12, 14, StyleNone},
    {1031, ControlKind::PushButton, ">", ">", 431, 37, 12, 14, StyleNone},
    {1032, ControlKind::PushButton, "#-#", "#-#", 476, 37, 17, 14,
     StyleInitiallyDisabled | StyleGermanOnly},
    {1002, ControlKind::RichEdit, "", "", 7, 54, 231, 163,
     StyleReadOnly | StyleKeepScrollBarsGermanOnly},
    {1006, ControlKind::PushButton, "/\\", "/\\", 242, 54, 16, 14, StyleNone},
    {1011, ControlKind::PushButton, "/\\/\\", "/\\/\\", 242, 77, 16, 14, StyleNone},
    {1033, ControlKind::PushButton, "=<", "=<", 242, 98, 16, 14, StyleNone},
    {1014, ControlKind::UpDown, "Spin1", "Spin1", 242, 119, 17, 45, StyleNone},
    {1034, ControlKind::PushButton, ">=", ">=", 242, 168, 16, 14, StyleNone},
    {1020, ControlKind::PushButton, "\\/\\/", "\\/\\/", 242, 187, 16, 14, StyleNone},
    {1007, ControlKind::PushButton, "\\/", "\\/", 242, 203, 16, 14, StyleNone},
    {1003, ControlKind::RichEdit, "", "", 262, 54, 231, 163, StyleKeepScrollBars},
    {1035, ControlKind::Static, "Z:    S:", "Z:    S:", 7, 220, 80, 10, StyleSunken},
    {1036, ControlKind::Static, "Z:    S:", "Z:    S:", 262, 220, 80, 10, StyleSunken},
};

// Hints for the buttons whose captions are only slashes and arrows, in the
// language of the template: id, English, German.
struct ControlTooltip {
    int id;
    const char* english;
    const char* german;
};

constexpr ControlTooltip mainWindowTooltips[] = {
    {1017, "Swap original and translation",
     "Original und \xDC"
     "bersetzung tauschen"},
    {1013, "Previous file of the series", "Vorherige Datei der Serie"},
    {1009, "Next file of the series",
     "N\xE4"
     "chste Datei der Serie"},
    {1027, "Find previous in the original (Shift+Enter, Shift+F3)",
     "Im Original r\xFC"
     "ckw\xE4"
     "rts suchen (Umschalt+Eingabe, Umschalt+F3)"},
    {1028, "Find next in the original (Enter, F3)",
     "Im Original vorw\xE4"
     "rts suchen (Eingabe, F3)"},
    {1030, "Find previous in the translation (Shift+Enter, Shift+F3)",
     "In der \xDC"
     "bersetzung r\xFC"
     "ckw\xE4"
     "rts suchen (Umschalt+Eingabe, Umschalt+F3)"},
    {1031, "Find next in the translation (Enter, F3)",
     "In der \xDC"
     "bersetzung vorw\xE4"
     "rts suchen (Eingabe, F3)"},
    {1006, "Both panes one line up", "Beide Fenster eine Zeile nach oben"},
    {1011, "Both panes 15 lines up", "Beide Fenster 15 Zeilen nach oben"},
    {1033, "Align the original with the caret line of the translation",
     "Original an der Cursorzeile der \xDC"
     "bersetzung ausrichten"},
    {1014, "Both panes one line up or down", "Beide Fenster eine Zeile nach oben oder unten"},
    {1034, "Align the translation with the caret line of the original",
     "\xDC"
     "bersetzung an der Cursorzeile des Originals ausrichten"},
    {1020, "Both panes 15 lines down", "Beide Fenster 15 Zeilen nach unten"},
    {1007, "Both panes one line down", "Beide Fenster eine Zeile nach unten"},
};

const char* TooltipOf(int id, bool german) {
    for (const ControlTooltip& tooltip : mainWindowTooltips) {
        if (tooltip.id == id) return german ? tooltip.german : tooltip.english;
    }
    return "";
}

constexpr WindowTemplate mainWindow = {
    101,
    "KALVEX - Verbodex V1.22",
    500,
    230,
    "MS Sans Serif",
    8,
    mainWindowControls,
    static_cast<int>(sizeof(mainWindowControls) / sizeof(mainWindowControls[0])),
};

// Rounds a * b / c to the nearest integer, halves away from zero, as the
// platform's dialog-unit conversion does.
int MulDiv(int a, int b, int c) {
    long long product = static_cast<long long>(a) * b;
    long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

} // namespace

const WindowTemplate& MainWindowTemplate() { return mainWindow; }

const char* TitleOf(const WindowTemplate& form, bool german) {
    return german && form.titleGerman != nullptr ? form.titleGerman : form.title;
}

ResolvedControl ResolveControl(const ControlTemplate& control, bool german) {
    ResolvedControl resolved{};
    resolved.id = control.id;
    resolved.kind = control.kind;
    resolved.caption = german ? control.captionGerman : control.captionEnglish;
    resolved.x = control.x;
    resolved.y = control.y;
    resolved.width = control.width;
    resolved.height = control.height;
    resolved.visible = german || (control.style & StyleGermanOnly) == 0;
    resolved.enabled = (control.style & StyleInitiallyDisabled) == 0;
    resolved.readOnly = (control.style & StyleReadOnly) != 0;
    resolved.keepScrollBars = (control.style & StyleKeepScrollBars) != 0 ||
                              (german && (control.style & StyleKeepScrollBarsGermanOnly) != 0);
    resolved.pathField = (control.style & StylePathField) != 0;
    resolved.style = control.style;
    resolved.tooltip = TooltipOf(control.id, german);
    return resolved;
}

int DialogUnitsToPixelsX(int units, int baseX) { return MulDiv(units, baseX, 4); }

int DialogUnitsToPixelsY(int units, int baseY) { return MulDiv(units, baseY, 8); }
