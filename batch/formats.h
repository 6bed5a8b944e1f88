// The formats the batch tool reports in: "text" (one mark a line, the default),
// "json" (one document for the run), "sarif" (a SARIF 2.1.0 log) and "github"
// (workflow commands that a pipeline shows on the lines).
#pragma once

#include "batch/report.h"

#include <ostream>
#include <string>

enum class ReportFormat { Text, Json, Sarif, Github };

// False for a name that is none of the four.
bool ParseReportFormat(const std::string& name, ReportFormat& format);

void WriteReport(std::ostream& out, ReportFormat format, const RunReport& report);

void WriteTextReport(std::ostream& out, const RunReport& report);
void WriteJsonReport(std::ostream& out, const RunReport& report);
void WriteSarifReport(std::ostream& out, const RunReport& report);
void WriteGithubReport(std::ostream& out, const RunReport& report);

// "red", "magenta", "blue" or "green".
const char* ColourName(Colour colour);
// The mark's rule's sentence with its numbers.
std::string MessageOf(const Mark& mark);
