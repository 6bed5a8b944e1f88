// The colour marks of a pane as lines of text, one mark a line:
//   PATH:LINE:FIRST-LAST: COLOUR
#pragma once

#include <ostream>
#include <string>

struct MarkCount {
    int marks = 0;
    int redLines = 0;
};

// Writes every maximal run of one colour other than black on each line of the
// pane (1-based line and columns, the line end not counted; a line that is
// empty but for a coloured line end as 0-0). Returns how many were written and
// how many lines carry red.
MarkCount PrintMarks(std::ostream& out, int pane, const std::string& path);
