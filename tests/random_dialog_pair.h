// Random dialog-text pairs for comparing two ways of running the same aid: an
// original of a few sections, and a translation made from it with sections
// missing, moved and doubled, entries missing and reordered, values changed
// between text and reference, and malformed lines of every kind (headers without
// "]", standard entries without a name, unbalanced quotes, references without
// their closing "#"), short lines and lines longer than the line buffer.
#pragma once

#include "app/app_state.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

enum class LineEnds { CrLf, Lf, Mixed };

struct DialogFile {
    std::vector<std::string> lines;
    // Whether the last line has a line end (the pane then ends in an empty line).
    bool endsWithLineEnd = true;
};

struct RandomDialogPair {
    DialogFile original;
    DialogFile translation;
    FileKind kind = FileKind::DialogIni;
    LineEnds lineEnds = LineEnds::CrLf;
};

RandomDialogPair MakeRandomDialogPair(std::uint64_t seed);

// The file's text with the pair's line ends (Mixed: CR LF and LF by turns).
std::string JoinLines(const DialogFile& file, LineEnds lineEnds);

// The pair as C string literals, one line a line, for a failure message.
std::string DescribePair(const RandomDialogPair& pair);
