#include "aids/intl_col.h"

#include "aids/aid_scope.h"
#include "aids/intl_mnu.h"
#include "app/file_kinds.h"
#include "panes/richedit.h"

void ColourPane(FileKind& kind, int pane) {
    // Colouring alone never makes the translation count as changed.
    const KeepModifiedAsFound keepModified;
    const std::int32_t lineCount = RichEdit_GetLineCount(pane);
    // Everything black first, so that marks of an earlier colouring or check go.
    RichEdit_SetAllTextColor(pane, ColourBlack);
    const DrawingOffForRun drawingOff{pane};

    const LineColouring colouring = FileKindRowOf(kind).colouring;
    // In a mask file everything from the first "&" line after the header on is the
    // trailing block.
    bool inTrailingBlock = false;
    char line[LineCapacity];
    for (std::int32_t i = 0; i < lineCount; ++i) {
        const std::int32_t length = RichEdit_GetTextLine(pane, i, line, LineCapacity);
        if (length <= 0) continue;
        if (inTrailingBlock) {
            RichEdit_SetLineColor(pane, i, ColourDarkGreen);
            continue;
        }
        if (colouring == LineColouring::DialogText) {
            if (line[0] == '[') {
                RichEdit_SetLineColor(pane, i, ColourBlue);
            } else if (line[0] == ';' || line[0] == '!') {
                RichEdit_SetLineColor(pane, i, ColourDarkGreen);
            }
        } else if (colouring == LineColouring::Mask) {
            if (i == 0) {
                RichEdit_SetLineColor(pane, i, ColourBlue);
            } else if (line[0] == '&') {
                RichEdit_SetLineColor(pane, i, ColourDarkGreen);
                inTrailingBlock = true;
            }
        } else if (colouring == LineColouring::Menu) {
            if (IsMenuSeparator(line, length)) RichEdit_SetLineColor(pane, i, ColourBlue);
        }
    }
}
