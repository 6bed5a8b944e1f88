#include "app/navigation.h"

#include "app/control_ids.h"
#include "panes/richedit.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The lines "/\/\" and "\/\/" move both panes by.
constexpr int PageStep = 15;

void ScrollPane(int pane, ScrollStep step) {
    switch (step) {
    case ScrollStep::LineUp:
        RichEdit_ScrollOneLine(pane, false);
        break;
    case ScrollStep::LineDown:
        RichEdit_ScrollOneLine(pane, true);
        break;
    case ScrollStep::LinesUp:
        RichEdit_ScrollLines(pane, -PageStep);
        break;
    case ScrollStep::LinesDown:
        RichEdit_ScrollLines(pane, PageStep);
        break;
    }
}

// One pane line as the ordinary line buffer reads it: at most LineCapacity
// characters, its CR included when it has one.
struct PaneLine {
    char text[LineCapacity];
    std::int32_t length = 0;

    void Read(int pane, std::int32_t line) {
        length = RichEdit_GetTextLine(pane, line, text, LineCapacity);
    }
    // The pane gives no characters for it (in practice a last line without text).
    bool Empty() const { return length == 0; }
    bool Comment() const { return length > 0 && (text[0] == ';' || text[0] == '!'); }
    bool Bracket() const { return length > 0 && text[0] == '['; }
    // The line through its first `mark`; empty when the characters read hold none.
    std::string_view Through(char mark) const {
        const void* found = std::memchr(text, mark, static_cast<std::size_t>(length));
        if (found == nullptr) return {};
        return std::string_view(text, static_cast<const char*>(found) - text + 1);
    }
    // A bracket line with a "]": its text through the first "]".
    std::string_view Heading() const { return Bracket() ? Through(']') : std::string_view(); }
    // Any other line with a "=": its text through the first "=", blanks before
    // the "=" included. Two keys are the same when these texts are, which is
    // the same as their "=" standing in one column with equal text before it.
    std::string_view Key() const {
        return Empty() || Comment() || Bracket() ? std::string_view() : Through('=');
    }
};

// The heading or key lines of a stretch of the target, read once in order and
// found by their text. The literal search reads the target from the top for
// every heading it tries and from the last match on for every key, which is
// headings x lines when the target lacks the caret's section and all above it;
// this reads each target line at most once per call and gives the same lines:
// a line is looked up only among the lines after a given one, and the first of
// them is the one the literal search would stop at.
class TargetLines {
  public:
    enum class Kind { Headings, Keys };

    // Lines `first` to `last` of the target; the key stretch ends before the
    // first bracket line, where the literal key search stops.
    TargetLines(int target, Kind kind, std::int32_t first, std::int32_t last)
        : target_(target), kind_(kind), next_(first), last_(last) {}

    // The first line after `after` whose heading (or key) text is `text`; -1
    // when the stretch has none.
    std::int32_t FirstAfter(std::string_view text, std::int32_t after) {
        if (auto known = lines_.find(std::string(text)); known != lines_.end()) {
            const std::vector<std::int32_t>& lines = known->second;
            auto it = std::upper_bound(lines.begin(), lines.end(), after);
            if (it != lines.end()) return *it;
        }
        // Every line read so far is indexed, so a later match can only lie in
        // what has not been read.
        while (next_ <= last_) {
            const std::int32_t line = next_++;
            PaneLine read;
            read.Read(target_, line);
            if (kind_ == Kind::Keys && read.Bracket()) {
                last_ = line - 1;
                break;
            }
            const std::string_view found = kind_ == Kind::Headings ? read.Heading() : read.Key();
            if (found.empty()) continue;
            lines_[std::string(found)].push_back(line);
            if (found == text && line > after) return line;
        }
        return -1;
    }

  private:
    int target_;
    Kind kind_;
    std::int32_t next_;
    std::int32_t last_;
    std::unordered_map<std::string, std::vector<std::int32_t>> lines_;
};

} // namespace

void ScrollBothPanes(ScrollStep step) {
    ScrollPane(OriginalPane, step);
    ScrollPane(TranslationPane, step);
}

CorrespondingLine FindCorrespondingLine(int source, std::int32_t line, int target) {
    CorrespondingLine result;
    // A pane of a single line never takes part.
    const std::int32_t lastTarget = RichEdit_GetLineCount(target) - 1;
    const std::int32_t lastSource = RichEdit_GetLineCount(source) - 1;
    if (lastTarget <= 0 || lastSource <= 0) return result;
    if (line < 0 || line > lastSource) return result;
    std::int32_t limit = line;

    // Up from the line, past empty and comment lines.
    PaneLine read;
    std::int32_t p = line;
    for (;; --p) {
        if (p < 0) return result;
        read.Read(source, p);
        if (!read.Empty() && !read.Comment()) break;
    }

    // The nearest heading at or above p that the target has; each miss moves on
    // to the heading above it, and the keys are then followed to the source's end.
    TargetLines targetHeadings(target, TargetLines::Kind::Headings, 0, lastTarget);
    std::int32_t heading = -1;
    std::int32_t targetHeading = -1;
    std::string headingText;
    for (std::int32_t s = p; s >= 0 && targetHeading < 0; --s) {
        read.Read(source, s);
        if (read.Heading().empty()) continue;
        heading = s;
        headingText = read.Heading();
        targetHeading = targetHeadings.FirstAfter(headingText, -1);
        if (targetHeading < 0) limit = lastSource;
    }
    if (targetHeading < 0) return result;

    result.found = true;
    result.sourceLine = heading;
    result.targetLine = targetHeading;

    // The section's keys in order, each looked for after the last match, as far
    // as the target's section goes.
    TargetLines targetKeys(target, TargetLines::Kind::Keys, targetHeading + 1, lastTarget);
    for (std::int32_t i = heading + 1; i <= limit; ++i) {
        read.Read(source, i);
        if (read.Empty() || read.Comment()) continue;
        if (read.Bracket()) break;
        const std::string_view key = read.Key();
        if (key.empty()) continue;
        const std::int32_t match = targetKeys.FirstAfter(key, result.targetLine);
        if (match >= 0) {
            result.sourceLine = i;
            result.targetLine = match;
        }
    }
    return result;
}

void FollowInOtherPane(int pane, std::int32_t line, int other) {
    if (line < 0) return;
    const CorrespondingLine pair = FindCorrespondingLine(pane, line, other);
    if (!pair.found) return;
    const std::int32_t top = RichEdit_GetFirstVisibleLine(pane);
    RichEdit_ScrollToLine(other, pair.targetLine - pair.sourceLine + top);
}

void AlignCorrespondingLine(int source, int target) {
    std::int32_t start = 0;
    std::int32_t end = 0;
    RichEdit_GetSel(source, start, end);
    FollowInOtherPane(source, RichEdit_LineFromChar(source, start), target);
}
