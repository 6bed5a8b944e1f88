// Window templates as data: every control of MainWindow (and of the program's
// modal dialogs) with its id, kind, captions, position in dialog units and
// initial state. Both platforms build their windows from this, so the headless
// window has exactly the controls the real one has.
#pragma once

enum class ControlKind { Edit, PushButton, Static, CheckBox, RichEdit, UpDown };

// Style bits of a control.
enum ControlStyle : unsigned {
    StyleNone = 0,
    StyleReadOnly = 1u << 0,
    StyleInitiallyDisabled = 1u << 1,
    // Present in the German template only (invisible in the English one).
    StyleGermanOnly = 1u << 2,
    StyleSunken = 1u << 3,
    StyleAutoHScroll = 1u << 4,
    StyleNoWrap = 1u << 5,
    // Scroll bars stay visible when there is nothing to scroll.
    StyleKeepScrollBars = 1u << 6,
    // Keeps its scroll bars visible in the German template only.
    StyleKeepScrollBarsGermanOnly = 1u << 7,
    // Shows a file path, which is held in the file system's encoding rather than
    // in the documents' code page.
    StylePathField = 1u << 8,
    // The push button Enter presses, unless the focus is on another push button.
    StyleDefaultButton = 1u << 9,
    // An edit field in which every character is upper case (by the Windows-1252
    // case pairs), whether typed, pasted or set.
    StyleUpperCase = 1u << 10,
    // A static text centred in its rectangle, its words wrapped.
    StyleCentred = 1u << 11,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* captionEnglish;
    const char* captionGerman;
    int x, y, width, height; // dialog units
    unsigned style;
};

struct WindowTemplate {
    int id;
    const char* title;
    int width, height; // dialog units
    const char* fontName;
    int fontPoints;
    const ControlTemplate* controls;
    int controlCount;
    // The German title where it differs from `title`; nullptr where it does not.
    const char* titleGerman = nullptr;
};

// The title of the template in one language version.
const char* TitleOf(const WindowTemplate& form, bool german);

struct ResolvedControl {
    int id;
    ControlKind kind;
    const char* caption;
    int x, y, width, height; // dialog units
    bool visible;
    bool enabled;
    bool readOnly;
    bool keepScrollBars;
    bool pathField;
    unsigned style;
    // The hint shown when the pointer rests on the control; empty for none.
    const char* tooltip;
};

// Template 101, MainWindow. The German version is used when the user's language
// is German, the English one otherwise.
const WindowTemplate& MainWindowTemplate();
// The controls of template 101 as they appear in one language version.
ResolvedControl ResolveControl(const ControlTemplate& control, bool german);

// The template's geometry is laid out for a dialog font whose base units are
// 6 x 13 pixels. Both platforms place the controls by these, whatever font they
// draw the captions with, so that the layout sees the same rectangles everywhere.
constexpr int DialogBaseUnitX = 6;
constexpr int DialogBaseUnitY = 13;

// The size of the whole window (frame and caption included, as the layout
// measures it) that MainWindow opens at instead of the template's 500 x 230
// units: the smallest at which the layout places no two visible controls over
// each other, in either language and either arrangement. The width lets the
// translation side's "Exist" box start where the original's search buttons end,
// the height keeps ">=" above "\/\/". The window may still be made smaller, down
// to its minimum tracking size.
constexpr int MainWindowOpeningWidth = 834;
constexpr int MainWindowOpeningHeight = 418;

// Dialog units to pixels for a dialog font whose average character is
// `baseX` x `baseY` pixels (horizontal units are quarters, vertical eighths).
int DialogUnitsToPixelsX(int units, int baseX);
int DialogUnitsToPixelsY(int units, int baseY);
