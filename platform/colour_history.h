// The colours that undo and redo bring back, for a pane whose text keeps its own
// undo history apart from the colour marks (the Qt pane's document).
//
// Colours are no undo steps, so the text's history cannot restore them: undoing
// a merge would give back the text and leave the marks to guess. So the pane
// notes here, for each text change, where it happened and the cells it took
// away with their colours, together with the text history's step count once
// the change was made. When the text goes back to an earlier count, every noted
// change past it is taken back on the marks in reverse order: the cells it put
// in go, keeping their colours for a redo, and the cells it took away return
// with the colours they had. A redo does the same forwards. Characters that no
// change touched keep the colours they have now.
#pragma once

#include "platform/colour_marks.h"

#include <cstdint>
#include <vector>

class ColourHistory {
  public:
    // What a replay did.
    enum class Replay {
        // No noted change lies in the steps gone over.
        Nothing,
        // The marks hold the colours again.
        Done,
        // A change did not fit the marks; they are left part way.
        Failed,
    };

    // Notes a change before `marks` follow it: from cell `offset` of `line` on,
    // `removed` cells give way to `inserted` ones, and the text's history
    // counts `step` steps once the change is made. Forgets what was undone
    // before, which cannot be redone any more.
    void Note(const ColourMarks& marks, std::int32_t line, std::int32_t offset,
              std::int32_t removed, std::int32_t inserted, int step);

    // The text went back to `step` steps: takes back every change noted past it.
    Replay Undo(ColourMarks& marks, int step);
    // The text went forward to `step` steps: makes every undone change up to it
    // again.
    Replay Redo(ColourMarks& marks, int step);

    // The text's history was cleared.
    void Clear();

  private:
    struct Change {
        int step;
        std::int32_t line;
        std::int32_t offset;
        // What the change took away, and what it put in (its colours are taken
        // when the change is undone).
        ColourMarks::Stretch removed;
        ColourMarks::Stretch inserted;
    };

    // Replaces the stretch `out`, which is in the marks now, by `in`, and keeps
    // what was there in `out`.
    static bool Swap(ColourMarks& marks, const Change& change, ColourMarks::Stretch& out,
                     const ColourMarks::Stretch& in);

    std::vector<Change> changes_;
    // Changes in effect; those after them were undone.
    std::size_t done_ = 0;
};
