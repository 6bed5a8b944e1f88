#include "batch/formats.h"

#include <utility>

namespace {

constexpr std::pair<const char*, ReportFormat> formatNames[] = {
    {"text", ReportFormat::Text},
    {"json", ReportFormat::Json},
    {"sarif", ReportFormat::Sarif},
    {"github", ReportFormat::Github},
};

} // namespace

bool ParseReportFormat(const std::string& name, ReportFormat& format) {
    for (const auto& [formatName, value] : formatNames) {
        if (name == formatName) {
            format = value;
            return true;
        }
    }
    return false;
}

void WriteReport(std::ostream& out, ReportFormat format, const RunReport& report) {
    switch (format) {
    case ReportFormat::Text:
        WriteTextReport(out, report);
        break;
    case ReportFormat::Json:
        WriteJsonReport(out, report);
        break;
    case ReportFormat::Sarif:
        WriteSarifReport(out, report);
        break;
    case ReportFormat::Github:
        WriteGithubReport(out, report);
        break;
    }
}

const char* ColourName(Colour colour) {
    switch (colour) {
    case ColourRed:
        return "red";
    case ColourMagenta:
        return "magenta";
    case ColourBlue:
        return "blue";
    default:
        return "green";
    }
}

std::string MessageOf(const Mark& mark) {
    return mark.rule == nullptr ? std::string()
                                : SentenceOf(*mark.rule, mark.values[0], mark.values[1]);
}
