// One JSON document for the run (its layout is described in the README):
//   {"tool", "formatVersion", "command", "status",
//    "errors": [...],
//    "pairs": [{"original", "translation", "outcome", "status", "errors",
//               "marks": [{"file", "line", "firstColumn", "lastColumn",
//                          "colour", "rule", "message"}]}]}
#include "batch/formats.h"
#include "batch/json.h"

namespace {

// Raised when the layout changes in a way a reader must know about.
constexpr int JsonFormatVersion = 1;

const char* OutcomeName(PairOutcome outcome) {
    switch (outcome) {
    case PairOutcome::Ran:
        return "ran";
    case PairOutcome::Missing:
        return "missing";
    default:
        return "failed";
    }
}

void WriteStrings(std::ostream& out, const std::vector<std::string>& texts) {
    out << '[';
    for (std::size_t i = 0; i < texts.size(); ++i)
        out << (i > 0 ? ", " : "") << JsonString(texts[i]);
    out << ']';
}

void WriteMark(std::ostream& out, const std::string& path, const Mark& mark) {
    out << "{\"file\": " << JsonString(path) << ", \"line\": " << mark.line
        << ", \"firstColumn\": " << mark.firstColumn << ", \"lastColumn\": " << mark.lastColumn
        << ", \"colour\": \"" << ColourName(mark.colour) << "\", \"rule\": ";
    if (mark.rule == nullptr) {
        out << "null, \"message\": null}";
    } else {
        out << JsonString(mark.rule->id) << ", \"message\": " << JsonString(MessageOf(mark)) << '}';
    }
}

void WritePair(std::ostream& out, const PairReport& pair) {
    out << "    {\n      \"original\": ";
    if (pair.original.empty()) {
        out << "null";
    } else {
        out << JsonString(pair.original);
    }
    out << ",\n      \"translation\": " << JsonString(pair.translation)
        << ",\n      \"outcome\": \"" << OutcomeName(pair.outcome)
        << "\",\n      \"status\": " << pair.status << ",\n      \"errors\": ";
    // Every line told on standard error, as the errors are documented.
    std::vector<std::string> told = pair.errors;
    told.insert(told.end(), pair.warnings.begin(), pair.warnings.end());
    WriteStrings(out, told);
    out << ",\n      \"marks\": [";
    bool first = true;
    for (const FileMarks& file : pair.files) {
        for (const Mark& mark : file.marks) {
            out << (first ? "\n        " : ",\n        ");
            WriteMark(out, file.path, mark);
            first = false;
        }
    }
    out << (first ? "]" : "\n      ]") << "\n    }";
}

} // namespace

void WriteJsonReport(std::ostream& out, const RunReport& report) {
    out << "{\n  \"tool\": \"verbodex-batch\",\n  \"formatVersion\": " << JsonFormatVersion
        << ",\n  \"command\": " << JsonString(report.command)
        << ",\n  \"status\": " << StatusOf(report) << ",\n  \"errors\": ";
    WriteStrings(out, report.errors);
    out << ",\n  \"pairs\": [";
    for (std::size_t i = 0; i < report.pairs.size(); ++i) {
        out << (i > 0 ? ",\n" : "\n");
        WritePair(out, report.pairs[i]);
    }
    out << (report.pairs.empty() ? "]" : "\n  ]") << "\n}\n";
}
