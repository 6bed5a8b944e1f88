#include "app/navigation.h"

#include "app/control_ids.h"
#include "panes/richedit.h"

namespace {

// The lines "/\/\" and "\/\/" move both panes by.
constexpr int PageStep = 15;

void ScrollPane(int pane, ScrollStep step) {
    switch (step) {
    case ScrollStep::LineUp:
        RichEdit_ScrollOneLine(pane, false);
        break;
    case ScrollStep::LineDown:
        RichEdit_ScrollOneLine(pane, true);
        break;
    case ScrollStep::LinesUp:
        RichEdit_ScrollLines(pane, -PageStep);
        break;
    case ScrollStep::LinesDown:
        RichEdit_ScrollLines(pane, PageStep);
        break;
    }
}

} // namespace

void ScrollBothPanes(ScrollStep step) {
    ScrollPane(OriginalPane, step);
    ScrollPane(TranslationPane, step);
}
