// The colour marks a pane shows, each with the rule behind it: what the batch
// tool reports.
#pragma once

#include "aids/findings.h"
#include "panes/richedit.h"

#include <cstdint>
#include <vector>

// One maximal run of one colour other than black on one line.
struct Mark {
    std::int32_t line; // 1-based
    // 1-based columns, both included, the line end not counted; 0 and 0 for a
    // line that is empty but for its coloured line end.
    std::int32_t firstColumn;
    std::int32_t lastColumn;
    Colour colour;
    // Red and magenta: the rule of the finding behind the mark (never nullptr);
    // the structural colours carry none.
    const Rule* rule;
    std::int32_t values[2];
};

// Collects what the aids report while it is the finding sink.
class FindingLog : public FindingSink {
  public:
    void Report(const Finding& finding) override { findings.push_back(finding); }
    std::vector<Finding> findings;
};

// A red or magenta mark for which no aid reported a finding carries this rule;
// every aid reports its marks, so it stands for a fault of the program.
extern const Rule UnexplainedMark;

// The marks of the pane, line by line from the top, each line's from its left.
// Each red and magenta mark takes the rule of the finding reported last for it:
// one on the same pane, line and colour whose columns (or whole line) cover at
// least one column of the mark.
std::vector<Mark> PaneMarks(int pane, const std::vector<Finding>& findings);

// How many lines carry red.
int RedLines(const std::vector<Mark>& marks);
