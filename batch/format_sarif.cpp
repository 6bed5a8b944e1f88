// A SARIF 2.1.0 log of one run: every rule in the driver, one result for each
// red mark (level "error") and each magenta mark ("note"), and one for each file
// of the original folder without translation; the files that could not be read
// or saved as notifications of the invocation.
#include "batch/formats.h"
#include "batch/json.h"

#include <cstdint>
#include <vector>

namespace {

// Every rule a result may name: the aids' and the batch tool's own. A rule's
// sentence is its message string, in which {0} and {1} stand for the result's
// two arguments.
std::vector<const Rule*> DriverRules() {
    std::vector<const Rule*> rules(AllRules().begin(), AllRules().end());
    rules.push_back(&TranslationMissing);
    rules.push_back(&UnexplainedMark);
    return rules;
}

std::size_t IndexOf(const std::vector<const Rule*>& rules, const Rule* rule) {
    for (std::size_t i = 0; i < rules.size(); ++i) {
        if (rules[i] == rule) return i;
    }
    return rules.size();
}

void WriteRules(std::ostream& out, const std::vector<const Rule*>& rules) {
    out << "          \"rules\": [";
    for (std::size_t i = 0; i < rules.size(); ++i) {
        out << (i > 0 ? ",\n" : "\n") << "            {\"id\": " << JsonString(rules[i]->id)
            << ", \"messageStrings\": {\"default\": {\"text\": " << JsonString(rules[i]->sentence)
            << "}}}";
    }
    out << "\n          ]\n";
}

// One result; the region is left out for a whole file, the columns for a mark
// on an empty line. SARIF's end column is the one after the region.
void WriteResult(std::ostream& out, bool& first, const std::vector<const Rule*>& rules,
                 const Rule& rule, const char* level, const std::string& path, const Mark* mark) {
    const std::int32_t noValues[2] = {0, 0};
    const std::int32_t* values = mark != nullptr ? mark->values : noValues;
    out << (first ? "\n" : ",\n") << "        {\"ruleId\": " << JsonString(rule.id)
        << ", \"ruleIndex\": " << IndexOf(rules, &rule) << ", \"level\": \"" << level
        << "\", \"message\": {\"text\": " << JsonString(SentenceOf(rule, values[0], values[1]));
    // The arguments of the rule's message string, for the rules that have any.
    if (std::string(rule.sentence).find('{') != std::string::npos) {
        out << ", \"id\": \"default\", \"arguments\": [\"" << values[0] << "\", \"" << values[1]
            << "\"]";
    }
    out << "}, \"locations\": [{\"physicalLocation\": {\"artifactLocation\": {\"uri\": "
        << JsonString(PathUri(path)) << '}';
    if (mark != nullptr) {
        out << ", \"region\": {\"startLine\": " << mark->line;
        if (mark->firstColumn > 0) {
            out << ", \"startColumn\": " << mark->firstColumn
                << ", \"endColumn\": " << mark->lastColumn + 1;
        }
        out << '}';
    }
    out << "}}]}";
    first = false;
}

void WriteResults(std::ostream& out, const RunReport& report,
                  const std::vector<const Rule*>& rules) {
    out << "      \"results\": [";
    bool first = true;
    for (const PairReport& pair : report.pairs) {
        if (pair.outcome == PairOutcome::Missing) {
            WriteResult(out, first, rules, TranslationMissing, "error", pair.translation, nullptr);
        }
        for (const FileMarks& file : pair.files) {
            for (const Mark& mark : file.marks) {
                if (mark.rule == nullptr) continue;
                WriteResult(out, first, rules, *mark.rule,
                            mark.colour == ColourRed ? "error" : "note", file.path, &mark);
            }
        }
    }
    out << (first ? "]\n" : "\n      ]\n");
}

void WriteInvocation(std::ostream& out, const RunReport& report) {
    std::vector<std::pair<const char*, std::string>> told;
    for (const std::string& error : report.errors)
        told.emplace_back("error", error);
    for (const PairReport& pair : report.pairs) {
        for (const std::string& error : pair.errors)
            told.emplace_back("error", error);
        for (const std::string& warning : pair.warnings)
            told.emplace_back("warning", warning);
    }
    const int status = StatusOf(report);
    out << "      \"invocations\": [{\"executionSuccessful\": "
        << (status == StatusError ? "false" : "true") << ", \"exitCode\": " << status
        << ", \"toolExecutionNotifications\": [";
    for (std::size_t i = 0; i < told.size(); ++i) {
        out << (i > 0 ? ", " : "") << "{\"level\": \"" << told[i].first
            << "\", \"message\": {\"text\": " << JsonString(told[i].second) << "}}";
    }
    out << "]}],\n";
}

} // namespace

void WriteSarifReport(std::ostream& out, const RunReport& report) {
    const std::vector<const Rule*> rules = DriverRules();
    out << "{\n"
           "  \"$schema\": "
           "\"https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/"
           "sarif-schema-2.1.0.json\",\n"
           "  \"version\": \"2.1.0\",\n"
           "  \"runs\": [\n"
           "    {\n"
           "      \"tool\": {\n"
           "        \"driver\": {\n"
           "          \"name\": \"verbodex-batch\",\n"
           "          \"version\": \"" VERBODEX_VERSION "\",\n";
    WriteRules(out, rules);
    out << "        }\n      },\n";
    WriteInvocation(out, report);
    out << "      \"columnKind\": \"unicodeCodePoints\",\n";
    WriteResults(out, report, rules);
    out << "    }\n  ]\n}\n";
}
