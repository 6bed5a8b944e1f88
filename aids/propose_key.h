// The name "#-#" proposes for a new standard entry: the value with its umlauts,
// sharp s, common symbols and separators spelled out in capitals or turned into
// underscores, framed by "#" ('Größe in %' becomes '#GrOESSe_in_PROZ#'). A "#"
// of the value becomes an underscore too, so no "#" stands inside the name.
// The letters keep their case: the dialog's upper-case field shows, and gives
// back, every letter in capitals.
#pragma once

#include <string>
#include <string_view>

// Characters of the working text. A replacement that would push the text beyond
// it loses what falls beyond.
constexpr int ProposalCapacity = 1024;

// The value is taken up to its first NUL; a value with no NUL within its first
// ProposalCapacity characters counts as empty (as the data buffer the dialog
// reads it from would). The result is "#", the working text, "#": the two "#"
// always stand, so it may reach ProposalCapacity + 2 characters.
std::string ProposeKey(std::string_view value);
