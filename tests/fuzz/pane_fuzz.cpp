// The headless pane's requests against a plain model of them. The pane keeps its
// text as lines in blocks with colour runs, the model as one string with one
// colour per character. Every request goes to both; after each the two must
// agree on the text, the lines, the selection, the colours, scrolling, undo and
// the notifications.
//
// Input: a sequence of requests and their arguments (FuzzedDataProvider).
#include "fuzz_support.h"
#include "platform/headless/headless_pane.h"
#include "text/cp1252.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace {

constexpr Colour Black = MakeColour(0, 0, 0);
constexpr Colour Palette[] = {Black, MakeColour(255, 0, 0), MakeColour(255, 0, 255),
                              MakeColour(0, 0, 255), MakeColour(0, 140, 0)};
constexpr std::int32_t DefaultLimit = DefaultTextLimit;
constexpr std::size_t UndoSteps = 100;
// Texts are kept below this, so that the model, which is slow by design, keeps
// the fuzzing fast; it is well beyond the sizes where the pane's blocks split.
constexpr std::size_t MostCharacters = 40000;

std::string Normalised(const char* text) {
    std::string out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\r' && p[1] == '\n') ++p;
        out.push_back(*p == '\n' ? '\r' : *p);
    }
    return out;
}

// The pane's requests written out as plainly as they are described in
// platform/pane.h.
struct Model {
    struct Change {
        std::int32_t position;
        std::int32_t inserted;
        std::string removed;
        std::vector<Colour> removedColours;
    };

    std::string text; // line breaks as CR
    std::vector<Colour> colours;
    std::int32_t selStart = 0, selEnd = 0, caret = 0;
    std::int32_t firstVisible = 0, pageLines = 20, limit = DefaultLimit;
    bool notifyChanges = false;
    std::deque<std::vector<Change>> undo;
    int groupDepth = 0;
    bool groupStepOpen = false;
    std::vector<std::uint16_t> codes;

    std::int32_t Length() const { return static_cast<std::int32_t>(text.size()); }
    std::int32_t Lines() const {
        return 1 + static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\r'));
    }
    std::int32_t LineOf(std::int32_t index) const {
        return static_cast<std::int32_t>(std::count(text.begin(), text.begin() + index, '\r'));
    }
    std::int32_t StartOf(std::int32_t line) const {
        std::int32_t start = 0;
        for (std::int32_t l = 0; l < line; ++l)
            start = static_cast<std::int32_t>(text.find('\r', start)) + 1;
        return start;
    }
    std::string CrLf() const {
        std::string out;
        for (char c : text) {
            if (c == '\r')
                out += "\r\n";
            else
                out += c;
        }
        return out;
    }
    void ClampScroll() {
        firstVisible = std::clamp(firstVisible, 0, std::max(0, Lines() - pageLines));
    }
    void Changed() {
        if (notifyChanges) codes.push_back(EN_CHANGE);
    }
    void Replace(std::int32_t from, std::int32_t to, const std::string& with,
                 const std::vector<Colour>& withColours) {
        text.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), with);
        colours.erase(colours.begin() + from, colours.begin() + to);
        colours.insert(colours.begin() + from, withColours.begin(), withColours.end());
    }

    void SetText(const char* all) {
        text = Normalised(all);
        colours.assign(text.size(), Black);
        selStart = selEnd = caret = firstVisible = 0;
        undo.clear();
        groupStepOpen = false;
        Changed();
    }
    void SetSel(std::int32_t start, std::int32_t end) {
        if (start == -1) {
            selStart = selEnd = caret;
            return;
        }
        if (end < 0) end = Length();
        start = std::clamp(start, 0, Length());
        end = std::clamp(end, 0, Length());
        selStart = std::min(start, end);
        selEnd = std::max(start, end);
        caret = end;
    }
    void ReplaceSel(const char* with, bool canUndo) {
        const std::string inserted = Normalised(with);
        if (inserted.empty() && selStart == selEnd) return;
        const std::int64_t newLength =
            static_cast<std::int64_t>(Length()) - (selEnd - selStart) + inserted.size();
        if (newLength > limit && newLength > Length()) {
            codes.push_back(EN_MAXTEXT);
            return;
        }
        const Colour colour = selStart > 0 ? colours[selStart - 1] : Black;
        Change change{selStart,
                      static_cast<std::int32_t>(inserted.size()),
                      text.substr(selStart, selEnd - selStart),
                      {colours.begin() + selStart, colours.begin() + selEnd}};
        Replace(selStart, selEnd, inserted, std::vector<Colour>(inserted.size(), colour));
        if (canUndo) {
            if (groupDepth > 0 && groupStepOpen && !undo.empty()) {
                undo.back().push_back(change);
            } else {
                undo.push_back({change});
                if (groupDepth > 0) groupStepOpen = true;
                if (undo.size() > UndoSteps) undo.pop_front();
            }
        } else {
            undo.clear();
            groupStepOpen = false;
        }
        selStart = selEnd = caret = selStart + static_cast<std::int32_t>(inserted.size());
        ClampScroll();
        Changed();
    }
    void Undo() {
        if (undo.empty()) return;
        const std::vector<Change> step = undo.back();
        undo.pop_back();
        groupStepOpen = false;
        std::int32_t at = 0;
        for (auto it = step.rbegin(); it != step.rend(); ++it) {
            const std::int32_t from = std::clamp(it->position, 0, Length());
            const std::int32_t to = std::clamp(it->position + it->inserted, from, Length());
            Replace(from, to, it->removed, it->removedColours);
            at = from + static_cast<std::int32_t>(it->removed.size());
        }
        selStart = selEnd = caret = at;
        ClampScroll();
        Changed();
    }
    void BeginGroup() {
        if (groupDepth++ == 0) groupStepOpen = false;
    }
    void EndGroup() {
        if (groupDepth == 0) return;
        if (--groupDepth == 0) groupStepOpen = false;
    }
    void Paint(Colour colour) {
        std::fill(colours.begin() + selStart, colours.begin() + selEnd, colour);
    }
    void LineScroll(std::int32_t lines) {
        firstVisible = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(static_cast<std::int64_t>(firstVisible) + lines, 0, Lines()));
        ClampScroll();
    }
    void ScrollCaret() {
        const std::int32_t line = LineOf(std::clamp(caret, 0, Length()));
        if (line < firstVisible) {
            firstVisible = line;
        } else if (line >= firstVisible + pageLines) {
            firstVisible = line - pageLines + 1;
        }
        ClampScroll();
    }
    std::int32_t Find(std::int32_t from, std::int32_t to, const char* what) const {
        std::string pattern = Normalised(what);
        if (pattern.empty()) return -1;
        if (to < 0 || to > Length()) to = Length();
        from = std::max(from, 0);
        const auto upper = [](char c) {
            return static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c)));
        };
        const std::int32_t m = static_cast<std::int32_t>(pattern.size());
        for (std::int32_t p = from; p + m <= to; ++p) {
            std::int32_t k = 0;
            while (k < m && upper(text[p + k]) == upper(pattern[k]))
                ++k;
            if (k == m) return p;
        }
        return -1;
    }
};

class Check {
  public:
    Check(HeadlessPane& pane, Model& model) : pane_(pane), model_(model) {}

    void Same(std::int64_t actual, std::int64_t expected, const char* what) const {
        if (actual != expected) {
            Finding(std::string(what) + ": pane " + std::to_string(actual) + ", model " +
                    std::to_string(expected));
        }
    }

    // What is cheap to compare after every request.
    void State(const std::vector<std::uint16_t>& codes) const {
        Same(pane_.TextLength(), model_.Length(), "text length");
        Same(pane_.LineCount(), model_.Lines(), "line count");
        std::int32_t start = 0, end = 0;
        pane_.GetSel(start, end);
        Same(start, model_.selStart, "selection start");
        Same(end, model_.selEnd, "selection end");
        Same(pane_.FirstVisibleLine(), model_.firstVisible, "first visible line");
        Same(pane_.CanUndo(), !model_.undo.empty(), "can undo");
        if (codes != model_.codes) Finding("notifications differ");
    }

    // The whole text, every line start and every colour.
    void Everything() const {
        std::vector<char> buffer(model_.CrLf().size() + 1);
        const std::int32_t n =
            pane_.GetText(buffer.data(), static_cast<std::int32_t>(buffer.size()));
        if (std::string(buffer.data(), static_cast<std::size_t>(n)) != model_.CrLf()) {
            Finding("whole text differs");
        }
        std::int32_t start = 0;
        const std::int32_t lines = model_.Lines();
        for (std::int32_t line = 0; line < lines; ++line) {
            Same(pane_.LineIndex(line), start, "line start");
            start = static_cast<std::int32_t>(model_.text.find('\r', start)) + 1;
        }
        for (std::int32_t i = 0; i < model_.Length(); ++i) {
            if (pane_.CharColour(i) != model_.colours[i]) {
                Finding("colour of character " + std::to_string(i));
            }
        }
    }

  private:
    HeadlessPane& pane_;
    Model& model_;
};

std::string SomeText(FuzzedDataProvider& input, std::size_t most) {
    return input.ConsumeRandomLengthString(most);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::uint16_t> codes;
    HeadlessPane pane(1003, [&codes](std::uint16_t code) { codes.push_back(code); });
    Model model;
    Check check(pane, model);

    const std::string first = SomeText(input, 4096);
    pane.SetText(first.c_str());
    model.SetText(first.c_str());

    for (int request = 0; request < 200 && input.remaining_bytes() > 0; ++request) {
        const std::int32_t length = model.Length();
        switch (input.ConsumeIntegralInRange(0, 15)) {
        case 0: {
            const std::string text = SomeText(input, 512);
            pane.SetText(text.c_str());
            model.SetText(text.c_str());
            break;
        }
        case 1: {
            const std::int32_t start = input.ConsumeIntegralInRange(-2, length + 2);
            const std::int32_t end = input.ConsumeIntegralInRange(-2, length + 2);
            pane.SetSel(start, end);
            model.SetSel(start, end);
            break;
        }
        case 2:
        case 3: {
            // Many copies of a line reach the sizes where the pane splits and
            // joins its blocks.
            std::string text = SomeText(input, 64);
            const bool undoable = input.ConsumeBool();
            if (input.ConsumeBool()) {
                const int copies = input.ConsumeIntegralInRange(1, 600);
                std::string repeated;
                for (int i = 0; i < copies; ++i)
                    repeated += text + "\r\n";
                text = repeated;
            }
            if (model.text.size() + text.size() > MostCharacters) break;
            pane.ReplaceSel(text.c_str(), undoable);
            model.ReplaceSel(text.c_str(), undoable);
            break;
        }
        case 4: {
            const Colour colour = input.PickValueInArray(Palette);
            pane.SetSelectionColour(colour);
            model.Paint(colour);
            break;
        }
        case 5: {
            const Colour colour = input.PickValueInArray(Palette);
            pane.SetAllColour(colour);
            std::fill(model.colours.begin(), model.colours.end(), colour);
            break;
        }
        case 6:
            pane.Undo();
            model.Undo();
            break;
        case 7:
            pane.BeginUndoGroup();
            model.BeginGroup();
            break;
        case 8:
            pane.EndUndoGroup();
            model.EndGroup();
            break;
        case 9: {
            const std::int32_t limit = input.ConsumeIntegralInRange(-1, length + 100);
            pane.SetTextLimit(limit);
            model.limit = limit > 0 ? limit : DefaultLimit;
            break;
        }
        case 10: {
            const bool on = input.ConsumeBool();
            pane.SetChangeNotification(on);
            model.notifyChanges = on;
            break;
        }
        case 11: {
            const std::int32_t lines = input.ConsumeIntegralInRange(-60, 60);
            pane.LineScroll(lines);
            model.LineScroll(lines);
            break;
        }
        case 12: {
            const std::int32_t page = input.ConsumeIntegralInRange(0, 40);
            pane.SetPageLines(page);
            model.pageLines = std::max(1, page);
            model.ClampScroll();
            break;
        }
        case 13:
            pane.ScrollCaret();
            model.ScrollCaret();
            break;
        case 14: {
            const std::int32_t from = input.ConsumeIntegralInRange(-2, length + 2);
            const std::int32_t to = input.ConsumeIntegralInRange(-2, length + 2);
            const std::string what = SomeText(input, 8);
            check.Same(pane.FindText(from, to, what.c_str()), model.Find(from, to, what.c_str()),
                       "found at");
            break;
        }
        case 15: {
            // Reading: a line with a capacity, a line's number, a stream that stops.
            const std::int32_t line = input.ConsumeIntegralInRange(-2, model.Lines() + 1);
            const std::int32_t capacity = input.ConsumeIntegralInRange(0, 400);
            std::vector<char> buffer(static_cast<std::size_t>(capacity) + 1);
            const std::int32_t n = pane.GetLine(line, buffer.data(), capacity);
            std::string expected;
            if (line >= 0 && line < model.Lines() && capacity > 0) {
                const std::int32_t start = model.StartOf(line);
                const std::size_t end = model.text.find('\r', start);
                expected = model.text.substr(start, end == std::string::npos ? std::string::npos
                                                                             : end - start + 1);
                expected.resize(std::min<std::size_t>(expected.size(), capacity));
            }
            if (std::string(buffer.data(), static_cast<std::size_t>(std::max(n, 0))) != expected) {
                Finding("line " + std::to_string(line) + " read differs");
            }
            const std::int32_t index = input.ConsumeIntegralInRange(-2, length + 2);
            check.Same(pane.LineFromChar(index),
                       model.LineOf(std::clamp(index < 0 ? model.selStart : index, 0, length)),
                       "line of character");
            check.Same(pane.LineIndex(-1),
                       model.StartOf(model.LineOf(std::clamp(model.caret, 0, length))),
                       "start of the caret's line");
            const std::int32_t stopAfter = input.ConsumeIntegralInRange(0, length * 2 + 2);
            std::string streamed;
            const std::int32_t total = pane.StreamOut([&](const char* chunk, std::int32_t count) {
                const std::int32_t taken = std::min<std::int32_t>(
                    count, stopAfter - static_cast<std::int32_t>(streamed.size()));
                streamed.append(chunk, static_cast<std::size_t>(taken));
                return taken;
            });
            const std::string whole = model.CrLf();
            check.Same(total, static_cast<std::int32_t>(streamed.size()), "streamed count");
            if (whole.compare(0, streamed.size(), streamed) != 0 ||
                streamed.size() != std::min<std::size_t>(whole.size(), stopAfter)) {
                Finding("stream differs");
            }
            break;
        }
        }
        check.State(codes);
        if (model.Length() < 4000) check.Everything();
    }
    check.Everything();
    return 0;
}
