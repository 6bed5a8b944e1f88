// One workflow command a red mark, which a pipeline shows on the line:
//   ::error file=PATH,line=LINE,col=FIRST,endColumn=LAST,title=RULE::SENTENCE
#include "batch/formats.h"

namespace {

// The message of a command: '%', CR and LF are written as %25, %0D and %0A.
std::string EscapeData(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '%') {
            escaped += "%25";
        } else if (c == '\r') {
            escaped += "%0D";
        } else if (c == '\n') {
            escaped += "%0A";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

// A property value: in addition ':' and ',' as %3A and %2C.
std::string EscapeProperty(const std::string& text) {
    std::string escaped;
    for (char c : EscapeData(text)) {
        if (c == ':') {
            escaped += "%3A";
        } else if (c == ',') {
            escaped += "%2C";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

void WriteGithubReport(std::ostream& out, const RunReport& report) {
    for (const PairReport& pair : report.pairs) {
        if (pair.outcome == PairOutcome::Missing) {
            out << "::error file=" << EscapeProperty(pair.translation)
                << ",title=" << EscapeProperty(TranslationMissing.id)
                << "::" << EscapeData(TranslationMissing.sentence) << '\n';
            continue;
        }
        for (const FileMarks& file : pair.files) {
            for (const Mark& mark : file.marks) {
                if (mark.colour != ColourRed) continue;
                out << "::error file=" << EscapeProperty(file.path) << ",line=" << mark.line;
                // A mark on an empty line has no columns.
                if (mark.firstColumn > 0) {
                    out << ",col=" << mark.firstColumn << ",endColumn=" << mark.lastColumn;
                }
                out << ",title=" << EscapeProperty(mark.rule->id)
                    << "::" << EscapeData(MessageOf(mark)) << '\n';
            }
        }
    }
}
