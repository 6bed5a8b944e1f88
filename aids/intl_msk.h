// Mask files: a header line with three numbers, a body that must fit the area
// the first number gives, and a trailing block from the first "&" line on.
#pragma once

#include "app/app_state.h"

// The header (line 0) holds three numbers in fields of three characters, at
// columns 1-3, 5-7 and 9-11; a header shorter than this holds no numbers.
constexpr int MaskHeaderFieldWidth = 3;
constexpr int MaskHeaderLength = 11;

// Reads one header field of MaskHeaderFieldWidth characters: a decimal number
// in which blanks are ignored (all blanks read as 0) and a sign may lead. False
// when another character stands in the field.
bool ReadMaskHeaderNumber(const char* field, int& value);

// The width of the mask's area, the header's first number, as the loader sizes
// the translation pane by it. False when the field does not read as a number of
// zero or more.
bool ReadMaskWidth(const char* header, int& width);

// "i-Check" for mask files: compares the two headers field by field and
// measures every body line of each pane against the width its own header
// gives. Marks lie over the colours the panes show; only colours change.
void CheckMask(FileKind& kind);
