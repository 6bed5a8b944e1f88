// PATH:LINE:FIRST-LAST: COLOUR for every mark, and TRANSLATION: missing for a
// file of the original folder without translation.
#include "batch/formats.h"

void WriteTextReport(std::ostream& out, const RunReport& report) {
    for (const PairReport& pair : report.pairs) {
        if (pair.outcome == PairOutcome::Missing) {
            out << pair.translation << ": missing\n";
            continue;
        }
        for (const FileMarks& file : pair.files) {
            for (const Mark& mark : file.marks) {
                out << file.path << ':' << mark.line << ':' << mark.firstColumn << '-'
                    << mark.lastColumn << ": " << ColourName(mark.colour) << '\n';
            }
        }
    }
}
