// StandardEntryDialog as "#-#" shows it: the message, and the name proposed for
// the value's standard entry, which the translator may change.
#pragma once

#include <string>
#include <string_view>

// Shows the dialog and returns the button that closed it: IDYES or IDOK (then
// `name` holds the name from the edit field), IDNO, IdEntryNext or IDCANCEL;
// -1 when the dialog could not be created.
int ShowStandardEntryDialog(const std::string& message, const std::string& value,
                            std::string& name);

// Whether Yes takes a name over. An empty name would make the standard entry
// '="OK"' and leave every use of the value 'KEY=' with nothing after it; a line
// break or a NUL in it would split or end the new lines. A name that holds "#"
// must be "#", at least one character, "#" with no "#" between: '##' or '#X'
// would make a malformed standard entry, and in '#A#B#' the references would
// name '#A#' while the entry is named '#A#B#'. An "=" would end the entry's key
// inside the name. The dialog refuses such a name with a beep and stays open.
bool IsUsableName(std::string_view name);
