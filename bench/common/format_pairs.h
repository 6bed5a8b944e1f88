// Generated mask and menu pairs for the benchmarks, each file about 1,000,000
// bytes of CR LF lines.
//
// The mask pair has a 60-column header, a body of lines of 10 to 70 characters
// (so that about one in six is too wide) over nine tenths of the file, and a
// trailing block. The menu pair has lines of an 11-character head, a colon field
// and a text part, with a separator every 25 lines; every tenth line of the
// translation has a colon field of its own, which "i-Merge" takes back.
#pragma once

#include "common/generated_pair.h"

const Pair& BigMaskPair();
const Pair& BigMenuPair();
