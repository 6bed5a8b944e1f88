// verbodex-batch repeats FILE: the values "#-#" would offer in FILE, so that a
// team can review them before a translator gathers them into standard entries.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs the command on its arguments (the words after "repeats") and returns the
// exit status. Loads FILE as the translation and, for DIALOG.INI and
// DIALOGCPR.INI, prints each value that at least two lines taking part hold,
// once, in the order of its first line, as COUNT, a tab, the name the dialog
// would propose (in capitals, as its field shows it), a tab, and the value; in
// UTF-8. Files of other kinds print nothing. No file is changed.
int RunRepeats(const std::vector<std::string>& arguments, std::ostream& out);
