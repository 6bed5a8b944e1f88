// What an aid found, told where it colours. The window shows only the colours;
// the batch tool reports the findings (each with its rule: a short id and an
// English sentence saying why the aid marked the place).
//
// An aid may mark the same line more than once, and a later colour may cover an
// earlier one: what the pane shows at the end is what counts, so a report keeps
// for each mark it shows the finding reported last for it.
#pragma once

#include "aids/rules.h"
#include "platform/pane.h"

#include <cstdint>

struct Finding {
    int pane;
    std::int32_t line; // 0-based
    // 1-based columns of the line, both included; 0 and 0: the whole line with
    // its line end.
    std::int32_t firstColumn;
    std::int32_t lastColumn;
    Colour colour;
    const Rule* rule;
    // The numbers the rule's sentence names as {0} and {1}.
    std::int32_t values[2];
};

class FindingSink {
  public:
    virtual ~FindingSink() = default;
    virtual void Report(const Finding& finding) = 0;
};

// Where findings go; nullptr (the window's case): nobody listens, and the aids
// only colour.
void SetFindingSink(FindingSink* sink);
FindingSink* TheFindingSink();

// Colours a whole line, its line end included (RichEdit_SetLineColor), and tells
// the sink why. Returns what the colouring returned.
bool MarkLine(int pane, std::int32_t line, Colour colour, const Rule& rule, std::int32_t value0 = 0,
              std::int32_t value1 = 0);
// Colours the characters [from, to) of the pane's text, which lie on one line
// (RichEdit_SetTextColor), and tells the sink why.
bool MarkRange(int pane, std::int32_t from, std::int32_t to, Colour colour, const Rule& rule,
               std::int32_t value0 = 0, std::int32_t value1 = 0);
