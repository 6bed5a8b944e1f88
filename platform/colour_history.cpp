#include "platform/colour_history.h"

#include <utility>

void ColourHistory::Note(const ColourMarks& marks, std::int32_t line, std::int32_t offset,
                         std::int32_t removed, std::int32_t inserted, int step) {
    changes_.resize(done_);
    Change change{step, line, offset, {}, {}};
    marks.Copy(line, offset, removed, change.removed);
    change.inserted.cells = inserted;
    changes_.push_back(std::move(change));
    done_ = changes_.size();
}

bool ColourHistory::Swap(ColourMarks& marks, const Change& change, ColourMarks::Stretch& out,
                         const ColourMarks::Stretch& in) {
    ColourMarks::Stretch now;
    if (!marks.Copy(change.line, change.offset, out.cells, now)) return false;
    if (!marks.Replace(change.line, change.offset, out.cells, in)) return false;
    out = std::move(now);
    return true;
}

ColourHistory::Replay ColourHistory::Undo(ColourMarks& marks, int step) {
    Replay replay = Replay::Nothing;
    for (; done_ > 0 && changes_[done_ - 1].step > step; --done_) {
        Change& change = changes_[done_ - 1];
        if (!Swap(marks, change, change.inserted, change.removed)) {
            Clear();
            return Replay::Failed;
        }
        replay = Replay::Done;
    }
    return replay;
}

ColourHistory::Replay ColourHistory::Redo(ColourMarks& marks, int step) {
    Replay replay = Replay::Nothing;
    for (; done_ < changes_.size() && changes_[done_].step <= step; ++done_) {
        Change& change = changes_[done_];
        if (!Swap(marks, change, change.removed, change.inserted)) {
            Clear();
            return Replay::Failed;
        }
        replay = Replay::Done;
    }
    return replay;
}

void ColourHistory::Clear() {
    changes_.clear();
    done_ = 0;
}
