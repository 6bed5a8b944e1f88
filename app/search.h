// The search of each pane: an edit field for the text and "<" / ">" beside it,
// and the keys that repeat a search or go to the field.
#pragma once

enum class SearchDirection { Backwards, Forwards };

// Finds the next (or previous) occurrence of the edit field's text in the pane,
// without regard to case and without wrapping at either end. The occurrence is
// selected and scrolled into view, the other pane is brought to the
// corresponding line, and the pane gets the keyboard focus. Nothing found: a
// beep, and nothing moves. An empty field does nothing.
void SearchPane(int pane, int edit, SearchDirection direction);

// The pane the keys act on: the one with the keyboard focus; else the one whose
// search field has it; else the pane searched or stepped in last; else
// OriginalPane.
int PaneInUse();
// Remembers the pane a key acted on last, for PaneInUse.
void NotePaneInUse(int pane);

// F3 and Shift+F3: the search of PaneInUse again, with its field's text.
void RepeatSearch(SearchDirection direction);

// Ctrl+F: the focus into the search field of the pane that has the focus (the
// original's when neither pane has it, and the field itself when it already
// has it), with the field's text selected.
void FocusSearchField();
