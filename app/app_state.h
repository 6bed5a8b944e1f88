// The one program-wide record through which every part of the program shares
// state. The documents themselves live only in the panes.
#pragma once

#include "platform/platform.h"

#include <cstdint>

// The kinds of file the program knows, recognised by the end of the name; the
// numbers are those the other parts test.
enum class FileKind : std::int32_t {
    Other = 0,
    DialogIni = 1,
    Mask = 2,
    Menu = 3,
    DialogCprIni = 4,
    DialogProgIni = 5,
};

// Capacity of a path buffer, its NUL included.
constexpr int PathCapacity = 260;

struct AppState {
    std::int32_t modified;
    std::int32_t autoSave;
    std::int32_t stackedLayout;
    std::int32_t originalOpened;
    std::int32_t translationOpened;
    Handle instanceHandle;
    FileKind fileKind;
    std::int32_t originalPathLength;
    Handle windowHandle;
    Handle hookHandle;
    Handle fontHandle;
    std::int32_t translationPathLength;
    std::int32_t saveAsPathLength;
    // Paths are NUL-terminated; a path and its length always change together.
    char translationPath[PathCapacity];
    char originalPath[PathCapacity];
    char saveAsPath[PathCapacity];
    std::int32_t paneWidth;
    std::int32_t paneHeight;
    // The translation did not reach its pane whole (too large, a NUL byte, a read
    // error): saving over its file asks first, since the rest of the file would
    // be lost.
    std::int32_t translationCut;
    // The pane a search or a step to a red line acted on last (0: none yet);
    // the keys act on it when no pane has the focus.
    std::int32_t paneInUse;
};

extern AppState appState;

// Puts every field back to 0 or empty, as at program start.
void ResetAppState();
