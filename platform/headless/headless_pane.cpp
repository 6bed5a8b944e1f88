#include "platform/headless/headless_pane.h"

#include "text/cp1252.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

namespace {

// Lines a block is filled with; a block that grows past twice this is split, and
// one that shrinks below a quarter of it joins its neighbour.
constexpr std::size_t BlockLines = 128;
constexpr std::size_t MaxBlockLines = 2 * BlockLines;
constexpr std::size_t SmallBlockLines = BlockLines / 4;

// Undo steps kept; older ones are forgotten.
constexpr std::size_t UndoSteps = 100;

// Size of the pieces the text is streamed out in.
constexpr std::int32_t StreamChunk = 4096;

constexpr char LineBreak = '\r';
constexpr Colour Black = MakeColour(0, 0, 0);

// Text handed in ends at its NUL; CR LF, a lone CR and a lone LF each become one
// line break.
std::string NormaliseBreaks(const char* text) {
    std::string out;
    if (text == nullptr) return out;
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '\r') {
            out.push_back(LineBreak);
            if (p[1] == '\n') ++p;
        } else if (*p == '\n') {
            out.push_back(LineBreak);
        } else {
            out.push_back(*p);
        }
    }
    return out;
}

char Upper(char c) { return static_cast<char>(Cp1252Upper(static_cast<unsigned char>(c))); }

void AppendRun(ColourRuns& runs, std::int32_t length, Colour colour) {
    if (length <= 0) return;
    if (!runs.empty() && runs.back().colour == colour) {
        runs.back().length += length;
    } else {
        runs.push_back({length, colour});
    }
}

// Reads colour runs cell by cell from the front, so that cutting a long run list
// into consecutive pieces costs one pass.
class RunReader {
  public:
    explicit RunReader(const ColourRuns& runs) : runs_(runs) {}

    // Appends the next `cells` cells to `out` (black where the runs fall short).
    void Take(std::int32_t cells, ColourRuns& out) { Walk(cells, &out); }
    void Skip(std::int32_t cells) { Walk(cells, nullptr); }

  private:
    void Walk(std::int32_t cells, ColourRuns* out) {
        while (cells > 0 && index_ < runs_.size()) {
            const ColourRun& run = runs_[index_];
            std::int32_t k = std::min(cells, run.length - used_);
            if (out != nullptr) AppendRun(*out, k, run.colour);
            used_ += k;
            cells -= k;
            if (used_ >= run.length) {
                ++index_;
                used_ = 0;
            }
        }
        if (out != nullptr) AppendRun(*out, cells, Black);
    }

    const ColourRuns& runs_;
    std::size_t index_ = 0;
    std::int32_t used_ = 0;
};

Colour ColourAt(const ColourRuns& runs, std::int32_t cell) {
    std::int32_t position = 0;
    for (const ColourRun& run : runs) {
        if (cell < position + run.length) return run.colour;
        position += run.length;
    }
    return Black;
}

template <typename Lines> std::int32_t CellsOf(const Lines& lines) {
    std::int32_t cells = 0;
    for (const auto& line : lines)
        cells += static_cast<std::int32_t>(line.text.size()) + 1;
    return cells;
}

} // namespace

HeadlessPane::HeadlessPane(int id, std::function<void(std::uint16_t code)> notify)
    : id_(id), notify_(std::move(notify)) {
    Block block;
    block.lines.push_back(Line{std::string(), ColourRuns{{1, Black}}});
    block.cells = 1;
    blocks_.push_back(std::move(block));
}

// ---------------------------------------------------------------- line index

void HeadlessPane::EnsureIndex() {
    if (indexValid_) return;
    blockFirstLine_.resize(blocks_.size());
    blockFirstChar_.resize(blocks_.size());
    std::int32_t line = 0;
    std::int32_t character = 0;
    for (std::size_t b = 0; b < blocks_.size(); ++b) {
        blockFirstLine_[b] = line;
        blockFirstChar_[b] = character;
        line += static_cast<std::int32_t>(blocks_[b].lines.size());
        character += blocks_[b].cells;
    }
    indexValid_ = true;
}

const std::vector<std::int32_t>& HeadlessPane::StartsOf(std::size_t block) {
    Block& b = blocks_[block];
    if (!b.startsValid) {
        b.starts.resize(b.lines.size() + 1);
        std::int32_t start = 0;
        for (std::size_t i = 0; i < b.lines.size(); ++i) {
            b.starts[i] = start;
            start += static_cast<std::int32_t>(b.lines[i].text.size()) + 1;
        }
        b.starts[b.lines.size()] = start;
        b.startsValid = true;
    }
    return b.starts;
}

void HeadlessPane::LocateLine(std::int32_t line, std::size_t& block, std::size_t& index) {
    EnsureIndex();
    auto it = std::upper_bound(blockFirstLine_.begin(), blockFirstLine_.end(), line);
    block = static_cast<std::size_t>(it - blockFirstLine_.begin()) - 1;
    index = static_cast<std::size_t>(line - blockFirstLine_[block]);
}

HeadlessPane::Line& HeadlessPane::LineAt(std::int32_t line) {
    std::size_t block = 0;
    std::size_t index = 0;
    LocateLine(line, block, index);
    return blocks_[block].lines[index];
}

std::int32_t HeadlessPane::LineStart(std::int32_t line) {
    std::size_t block = 0;
    std::size_t index = 0;
    LocateLine(line, block, index);
    return blockFirstChar_[block] + StartsOf(block)[index];
}

// Line and offset in the line of a character index in [0, TextLength()]; an
// index that is a line break lies at the end of its line.
HeadlessPane::Position HeadlessPane::Locate(std::int32_t index) {
    EnsureIndex();
    auto it = std::upper_bound(blockFirstChar_.begin(), blockFirstChar_.end(), index);
    std::size_t block = static_cast<std::size_t>(it - blockFirstChar_.begin()) - 1;
    const std::vector<std::int32_t>& starts = StartsOf(block);
    std::int32_t relative = index - blockFirstChar_[block];
    auto lineEnd = starts.begin() + static_cast<std::ptrdiff_t>(blocks_[block].lines.size());
    std::int32_t i = static_cast<std::int32_t>(std::upper_bound(starts.begin(), lineEnd, relative) -
                                               starts.begin()) -
                     1;
    return {blockFirstLine_[block] + i, relative - starts[static_cast<std::size_t>(i)]};
}

// ------------------------------------------------------------- text changes

void HeadlessPane::Extract(std::int32_t from, std::int32_t to, std::string& text,
                           ColourRuns& colours) {
    text.clear();
    colours.clear();
    if (from >= to) return;
    Position a = Locate(from);
    Position b = Locate(to);
    for (std::int32_t line = a.line; line <= b.line; ++line) {
        const Line& l = LineAt(line);
        std::int32_t size = static_cast<std::int32_t>(l.text.size());
        std::int32_t start = line == a.line ? a.offset : 0;
        std::int32_t end = line == b.line ? b.offset : size + 1;
        if (start >= end) continue;
        text.append(l.text, static_cast<std::size_t>(start),
                    static_cast<std::size_t>(std::min(end, size) - std::min(start, size)));
        if (end > size) text.push_back(LineBreak);
        RunReader reader(l.colours);
        reader.Skip(start);
        reader.Take(end - start, colours);
    }
}

void HeadlessPane::Replace(std::int32_t from, std::int32_t to, const std::string& text,
                           const ColourRuns& colours, Change* removed) {
    if (removed != nullptr) {
        removed->position = from;
        removed->insertedLength = static_cast<std::int32_t>(text.size());
        Extract(from, to, removed->removedText, removed->removedColours);
    }
    Position a = Locate(from);
    Position b = Locate(to);

    // The first line up to `from`, the new text, and the last line from `to` on
    // (with its line-break cell) make one run of characters that is cut into
    // lines at its breaks.
    std::string joined;
    ColourRuns joinedColours;
    {
        const Line& first = LineAt(a.line);
        joined.assign(first.text, 0, static_cast<std::size_t>(a.offset));
        RunReader(first.colours).Take(a.offset, joinedColours);
    }
    joined += text;
    RunReader(colours).Take(static_cast<std::int32_t>(text.size()), joinedColours);
    {
        const Line& last = LineAt(b.line);
        joined.append(last.text, static_cast<std::size_t>(b.offset));
        RunReader reader(last.colours);
        reader.Skip(b.offset);
        reader.Take(static_cast<std::int32_t>(last.text.size()) + 1 - b.offset, joinedColours);
    }

    std::vector<Line> lines;
    RunReader reader(joinedColours);
    std::size_t start = 0;
    for (;;) {
        std::size_t lineBreak = joined.find(LineBreak, start);
        std::size_t end = lineBreak == std::string::npos ? joined.size() : lineBreak;
        Line line;
        line.text.assign(joined, start, end - start);
        reader.Take(static_cast<std::int32_t>(end - start) + 1, line.colours);
        lines.push_back(std::move(line));
        if (lineBreak == std::string::npos) break;
        start = lineBreak + 1;
    }
    ReplaceLines(a.line, b.line - a.line + 1, std::move(lines));
}

void HeadlessPane::ReplaceLines(std::int32_t first, std::int32_t count, std::vector<Line>&& lines) {
    std::size_t block = 0;
    std::size_t index = 0;
    LocateLine(first, block, index);

    std::size_t b = block;
    std::size_t i = index;
    while (count > 0 && b < blocks_.size()) {
        Block& from = blocks_[b];
        std::size_t n = std::min(static_cast<std::size_t>(count), from.lines.size() - i);
        auto begin = from.lines.begin() + static_cast<std::ptrdiff_t>(i);
        auto end = begin + static_cast<std::ptrdiff_t>(n);
        std::int32_t removedCells = 0;
        for (auto it = begin; it != end; ++it) {
            removedCells += static_cast<std::int32_t>(it->text.size()) + 1;
        }
        from.lines.erase(begin, end);
        from.cells -= removedCells;
        from.startsValid = false;
        cells_ -= removedCells;
        lineCount_ -= static_cast<std::int32_t>(n);
        count -= static_cast<std::int32_t>(n);
        ++b;
        i = 0;
    }

    Block& target = blocks_[block];
    std::int32_t addedCells = CellsOf(lines);
    target.cells += addedCells;
    cells_ += addedCells;
    lineCount_ += static_cast<std::int32_t>(lines.size());
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(index),
                        std::make_move_iterator(lines.begin()),
                        std::make_move_iterator(lines.end()));
    target.startsValid = false;
    Tidy();
    indexValid_ = false;
}

// Drops empty blocks, splits blocks that grew too long and joins short ones with
// their neighbour, so that every block stays a few hundred lines at most.
void HeadlessPane::Tidy() {
    std::size_t k = 0;
    while (k < blocks_.size()) {
        Block& block = blocks_[k];
        if (block.lines.empty()) {
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(k));
            continue;
        }
        if (block.lines.size() > MaxBlockLines) {
            std::vector<Block> pieces;
            for (std::size_t s = BlockLines; s < block.lines.size(); s += BlockLines) {
                std::size_t e = std::min(s + BlockLines, block.lines.size());
                Block piece;
                piece.lines.assign(
                    std::make_move_iterator(block.lines.begin() + static_cast<std::ptrdiff_t>(s)),
                    std::make_move_iterator(block.lines.begin() + static_cast<std::ptrdiff_t>(e)));
                piece.cells = CellsOf(piece.lines);
                pieces.push_back(std::move(piece));
            }
            block.lines.resize(BlockLines);
            block.cells = CellsOf(block.lines);
            block.startsValid = false;
            std::size_t added = pieces.size();
            blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(k + 1),
                           std::make_move_iterator(pieces.begin()),
                           std::make_move_iterator(pieces.end()));
            k += 1 + added;
            continue;
        }
        if (block.lines.size() < SmallBlockLines && k + 1 < blocks_.size() &&
            block.lines.size() + blocks_[k + 1].lines.size() <= MaxBlockLines) {
            Block& next = blocks_[k + 1];
            block.lines.insert(block.lines.end(), std::make_move_iterator(next.lines.begin()),
                               std::make_move_iterator(next.lines.end()));
            block.cells += next.cells;
            block.startsValid = false;
            blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(k + 1));
            continue;
        }
        ++k;
    }
}

// ------------------------------------------------------------------ reading

std::int32_t HeadlessPane::LineCount() { return lineCount_; }

std::int32_t HeadlessPane::TextLength() { return cells_ - 1; }

std::int32_t HeadlessPane::LineIndex(std::int32_t line) {
    // -1 asks for the line of the caret, as the platform's request does.
    if (line == -1) line = Locate(std::clamp(caret_, 0, TextLength())).line;
    if (line < 0 || line >= lineCount_) return -1;
    return LineStart(line);
}

std::int32_t HeadlessPane::LineFromChar(std::int32_t index) {
    // A negative index asks for the line of the selection's start.
    if (index < 0) index = selStart_;
    return Locate(std::clamp(index, 0, TextLength())).line;
}

std::int32_t HeadlessPane::GetLine(std::int32_t line, char* buffer, std::int32_t capacity) {
    if (line < 0 || line >= lineCount_ || buffer == nullptr || capacity <= 0) return 0;
    const Line& l = LineAt(line);
    std::int32_t size = static_cast<std::int32_t>(l.text.size());
    bool hasBreak = line < lineCount_ - 1;
    std::int32_t n = std::min(size + (hasBreak ? 1 : 0), capacity);
    std::memcpy(buffer, l.text.data(), static_cast<std::size_t>(std::min(n, size)));
    if (n > size) buffer[size] = LineBreak;
    return n;
}

template <typename Emit> void HeadlessPane::ForEachCrLfPiece(Emit&& emit) {
    std::int32_t line = 0;
    for (const Block& block : blocks_) {
        for (const Line& l : block.lines) {
            if (!emit(l.text.data(), static_cast<std::int32_t>(l.text.size()))) return;
            ++line;
            if (line < lineCount_ && !emit("\r\n", 2)) return;
        }
    }
}

std::int32_t HeadlessPane::GetText(char* buffer, std::int32_t capacity) {
    if (buffer == nullptr || capacity <= 0) return 0;
    std::int32_t room = capacity - 1;
    std::int32_t n = 0;
    ForEachCrLfPiece([&](const char* piece, std::int32_t size) {
        std::int32_t k = std::min(size, room - n);
        std::memcpy(buffer + n, piece, static_cast<std::size_t>(k));
        n += k;
        return n < room;
    });
    buffer[n] = '\0';
    return n;
}

std::int32_t
HeadlessPane::StreamOut(const std::function<std::int32_t(const char*, std::int32_t)>& sink) {
    char chunk[StreamChunk];
    std::int32_t used = 0;
    std::int32_t total = 0;
    bool stopped = false;
    auto flush = [&] {
        if (used == 0) return true;
        std::int32_t taken = std::clamp(sink(chunk, used), 0, used);
        total += taken;
        bool whole = taken == used;
        used = 0;
        return whole;
    };
    ForEachCrLfPiece([&](const char* piece, std::int32_t size) {
        while (size > 0) {
            std::int32_t k = std::min(size, StreamChunk - used);
            std::memcpy(chunk + used, piece, static_cast<std::size_t>(k));
            used += k;
            piece += k;
            size -= k;
            if (used == StreamChunk && !flush()) {
                stopped = true;
                return false;
            }
        }
        return true;
    });
    if (!stopped) flush();
    return total;
}

std::int32_t HeadlessPane::FindText(std::int32_t from, std::int32_t to, const char* text) {
    std::string pattern = NormaliseBreaks(text);
    if (pattern.empty()) return -1;
    for (char& c : pattern)
        c = Upper(c);
    std::int32_t length = TextLength();
    if (to < 0 || to > length) to = length;
    from = std::max(from, 0);
    // A match [p, p + m) must end at `to` at the latest.
    std::int32_t lastStart = to - static_cast<std::int32_t>(pattern.size());
    if (from > lastStart) return -1;

    Position position = Locate(from);
    std::int32_t p = from;
    std::int32_t offset = position.offset;
    for (std::int32_t line = position.line; line < lineCount_ && p <= lastStart; ++line) {
        const Line& l = LineAt(line);
        std::int32_t size = static_cast<std::int32_t>(l.text.size());
        std::int32_t cells = size + (line < lineCount_ - 1 ? 1 : 0);
        for (; offset < cells && p <= lastStart; ++offset, ++p) {
            char c = offset < size ? l.text[static_cast<std::size_t>(offset)] : LineBreak;
            if (Upper(c) == pattern[0] && MatchesAt(line, offset, pattern)) return p;
        }
        offset = 0;
    }
    return -1;
}

bool HeadlessPane::MatchesAt(std::int32_t line, std::int32_t offset,
                             const std::string& upperPattern) {
    std::size_t k = 0;
    while (k < upperPattern.size()) {
        if (line >= lineCount_) return false;
        const Line& l = LineAt(line);
        std::int32_t size = static_cast<std::int32_t>(l.text.size());
        std::int32_t cells = size + (line < lineCount_ - 1 ? 1 : 0);
        for (; offset < cells && k < upperPattern.size(); ++offset, ++k) {
            char c = offset < size ? l.text[static_cast<std::size_t>(offset)] : LineBreak;
            if (Upper(c) != upperPattern[k]) return false;
        }
        ++line;
        offset = 0;
    }
    return true;
}

// ---------------------------------------------------------------- selection

void HeadlessPane::GetSel(std::int32_t& start, std::int32_t& end) {
    start = selStart_;
    end = selEnd_;
}

void HeadlessPane::SetSel(std::int32_t start, std::int32_t end) {
    std::int32_t length = TextLength();
    if (start == -1) {
        // A start of -1 only drops the selection; the caret stays.
        selStart_ = selEnd_ = caret_;
        return;
    }
    if (end < 0) end = length;
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
    caret_ = end;
}

void HeadlessPane::ReplaceSel(const char* text, bool canUndo) {
    std::string inserted = NormaliseBreaks(text);
    std::int64_t length = TextLength();
    std::int64_t removedLength = selEnd_ - selStart_;
    if (inserted.empty() && removedLength == 0) return;
    std::int64_t newLength = length - removedLength + static_cast<std::int64_t>(inserted.size());
    // The whole replacement is refused when it would make the text longer than the
    // limit; a change that does not lengthen the text always goes through.
    if (newLength > textLimit_ && newLength > length) {
        Notify(EN_MAXTEXT);
        return;
    }

    // New text takes the colour of the character before it.
    Colour colour = selStart_ > 0 ? CharColour(selStart_ - 1) : Black;
    ColourRuns colours;
    AppendRun(colours, static_cast<std::int32_t>(inserted.size()), colour);
    Change change;
    Replace(selStart_, selEnd_, inserted, colours, canUndo ? &change : nullptr);
    if (canUndo) {
        RecordChange(std::move(change));
    } else {
        // Older steps would no longer fit the text.
        undo_.clear();
        undoGroupStepOpen_ = false;
    }
    selStart_ = selEnd_ = caret_ = selStart_ + static_cast<std::int32_t>(inserted.size());
    ClampScroll();
    if (changeNotification_) Notify(EN_CHANGE);
}

bool HeadlessPane::SetText(const char* text) {
    std::string all = NormaliseBreaks(text);
    blocks_.clear();
    lineCount_ = 0;
    Block block;
    std::size_t start = 0;
    for (;;) {
        std::size_t lineBreak = all.find(LineBreak, start);
        std::size_t end = lineBreak == std::string::npos ? all.size() : lineBreak;
        Line line;
        line.text.assign(all, start, end - start);
        line.colours.push_back({static_cast<std::int32_t>(end - start) + 1, Black});
        block.cells += static_cast<std::int32_t>(end - start) + 1;
        block.lines.push_back(std::move(line));
        ++lineCount_;
        if (block.lines.size() == BlockLines) {
            blocks_.push_back(std::move(block));
            block = Block();
        }
        if (lineBreak == std::string::npos) break;
        start = lineBreak + 1;
    }
    if (!block.lines.empty()) blocks_.push_back(std::move(block));
    cells_ = static_cast<std::int32_t>(all.size()) + 1;
    indexValid_ = false;

    selStart_ = selEnd_ = caret_ = 0;
    firstVisible_ = 0;
    undo_.clear();
    undoGroupStepOpen_ = false;
    if (changeNotification_) Notify(EN_CHANGE);
    return true;
}

// ------------------------------------------------------------------ colours

void HeadlessPane::Paint(std::int32_t from, std::int32_t to, Colour colour) {
    Position a = Locate(from);
    Position b = Locate(to);
    for (std::int32_t line = a.line; line <= b.line; ++line) {
        Line& l = LineAt(line);
        std::int32_t cells = static_cast<std::int32_t>(l.text.size()) + 1;
        std::int32_t start = line == a.line ? a.offset : 0;
        std::int32_t end = line == b.line ? b.offset : cells;
        if (start >= end) continue;
        ColourRuns runs;
        RunReader reader(l.colours);
        reader.Take(start, runs);
        AppendRun(runs, end - start, colour);
        reader.Skip(end - start);
        reader.Take(cells - end, runs);
        l.colours = std::move(runs);
    }
}

bool HeadlessPane::SetSelectionColour(Colour colour) {
    if (selStart_ < selEnd_) Paint(selStart_, selEnd_, colour);
    return true;
}

bool HeadlessPane::SetAllColour(Colour colour) {
    for (Block& block : blocks_) {
        for (Line& line : block.lines) {
            line.colours.assign(1, {static_cast<std::int32_t>(line.text.size()) + 1, colour});
        }
    }
    return true;
}

Colour HeadlessPane::CharColour(std::int32_t index) {
    if (index < 0 || index >= TextLength()) return Black;
    Position position = Locate(index);
    return ColourAt(LineAt(position.line).colours, position.offset);
}

bool HeadlessPane::LineHasColour(std::int32_t line, Colour colour) {
    if (line < 0 || line >= lineCount_) return false;
    const Line& l = LineAt(line);
    // The last line has no break; its run list still counts a cell for one.
    std::int32_t cells = static_cast<std::int32_t>(l.text.size()) + (line < lineCount_ - 1 ? 1 : 0);
    for (const ColourRun& run : l.colours) {
        if (cells <= 0) break;
        if (run.colour == colour) return true;
        cells -= run.length;
    }
    // Cells beyond the runs are black.
    return colour == Black && cells > 0;
}

// ---------------------------------------------------------------- scrolling

void HeadlessPane::ClampScroll() {
    std::int32_t last = std::max(0, lineCount_ - pageLines_);
    firstVisible_ = std::clamp(firstVisible_, 0, last);
}

void HeadlessPane::SetPageLines(std::int32_t lines) {
    pageLines_ = std::max(1, lines);
    ClampScroll();
}

void HeadlessPane::ScrollCaret() {
    std::int32_t line = Locate(std::clamp(caret_, 0, TextLength())).line;
    if (line < firstVisible_) {
        firstVisible_ = line;
    } else if (line >= firstVisible_ + pageLines_) {
        firstVisible_ = line - pageLines_ + 1;
    }
    ClampScroll();
}

std::int32_t HeadlessPane::FirstVisibleLine() { return firstVisible_; }

void HeadlessPane::LineScroll(std::int32_t lines) {
    std::int64_t target = static_cast<std::int64_t>(firstVisible_) + lines;
    firstVisible_ = static_cast<std::int32_t>(std::clamp<std::int64_t>(target, 0, lineCount_));
    ClampScroll();
}

void HeadlessPane::ScrollOneLine(bool down) { LineScroll(down ? 1 : -1); }

void HeadlessPane::SetRedraw(bool on) {
    redrawOn_ = on;
    if (on) ++redrawOnCount_;
}

// -------------------------------------------------------------- properties

void HeadlessPane::SetTextLimit(std::int32_t limit) {
    textLimit_ = limit > 0 ? limit : DefaultTextLimit;
}

void HeadlessPane::SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

void HeadlessPane::SetChangeNotification(bool on) { changeNotification_ = on; }

void HeadlessPane::Notify(std::uint16_t code) {
    if (notify_) notify_(code);
}

// --------------------------------------------------------------------- undo

void HeadlessPane::RecordChange(Change&& change) {
    if (undoGroupDepth_ > 0 && undoGroupStepOpen_ && !undo_.empty()) {
        undo_.back().push_back(std::move(change));
        return;
    }
    UndoStep step;
    step.push_back(std::move(change));
    undo_.push_back(std::move(step));
    if (undoGroupDepth_ > 0) undoGroupStepOpen_ = true;
    if (undo_.size() > UndoSteps) undo_.pop_front();
}

bool HeadlessPane::CanUndo() { return !undo_.empty(); }

void HeadlessPane::Undo() {
    if (undo_.empty()) return;
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    undoGroupStepOpen_ = false;
    std::int32_t caret = 0;
    for (auto it = step.rbegin(); it != step.rend(); ++it) {
        std::int32_t length = TextLength();
        std::int32_t from = std::clamp(it->position, 0, length);
        std::int32_t to = std::clamp(it->position + it->insertedLength, from, length);
        Replace(from, to, it->removedText, it->removedColours, nullptr);
        caret = from + static_cast<std::int32_t>(it->removedText.size());
    }
    selStart_ = selEnd_ = caret_ = caret;
    ClampScroll();
    if (changeNotification_) Notify(EN_CHANGE);
}

void HeadlessPane::BeginUndoGroup() {
    if (undoGroupDepth_++ == 0) undoGroupStepOpen_ = false;
}

void HeadlessPane::EndUndoGroup() {
    if (undoGroupDepth_ == 0) return;
    if (--undoGroupDepth_ == 0) undoGroupStepOpen_ = false;
}
