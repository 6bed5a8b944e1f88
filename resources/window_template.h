// Window templates as data: every control of MainWindow with its id, kind,
// captions, position in dialog units and initial state. Both platforms build
// their window from this, so the headless window has exactly the controls the
// real one has.
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
};

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

// Dialog units to pixels for a dialog font whose average character is
// `baseX` x `baseY` pixels (horizontal units are quarters, vertical eighths).
int DialogUnitsToPixelsX(int units, int baseX);
int DialogUnitsToPixelsY(int units, int baseY);
