#include "platform/headless/headless_pane.h"

#include "platform/pane_rules.h"

#include <algorithm>
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

constexpr char LineBreak = '\r';
constexpr Colour Black = MakeColour(0, 0, 0);

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
    block.lines.push_back(Line());
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

void HeadlessPane::Extract(std::int32_t from, std::int32_t to, std::string& text) {
    text.clear();
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
    }
}

void HeadlessPane::Replace(std::int32_t from, std::int32_t to, const std::string& text,
                           const ColourMarks::Stretch* colours, Change* removed) {
    Position a = Locate(from);
    Position b = Locate(to);
    if (removed != nullptr) {
        removed->position = from;
        removed->insertedLength = static_cast<std::int32_t>(text.size());
        Extract(from, to, removed->removedText);
        marks_.Copy(a.line, a.offset, to - from, removed->removedColours);
    }

    // The text brings its colours, or takes the colour before it.
    if (colours != nullptr) {
        marks_.Replace(a.line, a.offset, to - from, *colours);
    } else {
        ColourMarks::Stretch inserted;
        inserted.cells = static_cast<std::int32_t>(text.size());
        for (std::size_t at = text.find(LineBreak); at != std::string::npos;
             at = text.find(LineBreak, at + 1)) {
            inserted.breaks.push_back(static_cast<std::int32_t>(at));
        }
        inserted.runs.push_back({inserted.cells, marks_.ColourBefore(a.line, a.offset)});
        marks_.Replace(a.line, a.offset, to - from, inserted);
    }

    // The first line up to `from`, the new text, and the last line from `to` on
    // make one run of characters that is cut into lines at its breaks.
    std::string joined(LineAt(a.line).text, 0, static_cast<std::size_t>(a.offset));
    joined += text;
    joined.append(LineAt(b.line).text, static_cast<std::size_t>(b.offset));

    std::vector<Line> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t lineBreak = joined.find(LineBreak, start);
        std::size_t end = lineBreak == std::string::npos ? joined.size() : lineBreak;
        Line line;
        line.text.assign(joined, start, end - start);
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
    line = RequestedLine(line, lineCount_,
                         [this] { return Locate(std::clamp(caret_, 0, TextLength())).line; });
    return line < 0 ? -1 : LineStart(line);
}

std::int32_t HeadlessPane::LineFromChar(std::int32_t index) {
    return Locate(RequestedChar(index, selStart_, TextLength())).line;
}

std::int32_t HeadlessPane::GetLine(std::int32_t line, char* buffer, std::int32_t capacity) {
    return CopyLine(line, lineCount_, buffer, capacity,
                    [this](std::int32_t l) { return std::string_view(LineAt(l).text); });
}

template <typename Out> std::int32_t HeadlessPane::WriteText(Out&& out) {
    std::int32_t line = 0;
    for (const Block& block : blocks_) {
        for (const Line& l : block.lines) {
            if (!out.Add(l.text, ++line == lineCount_)) return out.Finish();
        }
    }
    return out.Finish();
}

std::int32_t HeadlessPane::GetText(char* buffer, std::int32_t capacity) {
    return WriteText(TextCopy(buffer, capacity));
}

std::int32_t
HeadlessPane::StreamOut(const std::function<std::int32_t(const char*, std::int32_t)>& sink) {
    return WriteText(TextStream(sink));
}

std::int32_t HeadlessPane::FindText(std::int32_t from, std::int32_t to, const char* text) {
    const TextSearch search = PrepareSearch(text, from, to, TextLength());
    if (search.Empty()) return -1;
    const Position start = Locate(search.firstStart);
    return SearchLines(search, start.line, search.firstStart - start.offset, lineCount_,
                       [this](std::int32_t line) { return std::string_view(LineAt(line).text); });
}

// ---------------------------------------------------------------- selection

void HeadlessPane::GetSel(std::int32_t& start, std::int32_t& end) {
    start = selStart_;
    end = selEnd_;
}

void HeadlessPane::SetSel(std::int32_t start, std::int32_t end) {
    const PaneSelection selection = RequestedSelection(start, end, TextLength(), caret_);
    selStart_ = selection.Start();
    selEnd_ = selection.End();
    caret_ = selection.caret;
}

void HeadlessPane::ReplaceSel(const char* text, bool canUndo) {
    std::string inserted = PaneText(text);
    if (inserted.empty() && selEnd_ == selStart_) return;
    if (!FitsTextLimit(TextLength(), selEnd_ - selStart_,
                       static_cast<std::int64_t>(inserted.size()), textLimit_)) {
        Notify(EN_MAXTEXT);
        return;
    }

    Change change;
    Replace(selStart_, selEnd_, inserted, nullptr, canUndo ? &change : nullptr);
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
    std::string all = PaneText(text);
    blocks_.clear();
    lineCount_ = 0;
    Block block;
    std::vector<std::int32_t> lineCells;
    std::size_t start = 0;
    for (;;) {
        std::size_t lineBreak = all.find(LineBreak, start);
        std::size_t end = lineBreak == std::string::npos ? all.size() : lineBreak;
        Line line;
        line.text.assign(all, start, end - start);
        lineCells.push_back(static_cast<std::int32_t>(end - start) + 1);
        block.cells += lineCells.back();
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
    marks_.Reset(lineCells);

    selStart_ = selEnd_ = caret_ = 0;
    firstVisible_ = 0;
    undo_.clear();
    undoGroupStepOpen_ = false;
    if (changeNotification_) Notify(EN_CHANGE);
    return true;
}

// ------------------------------------------------------------------ colours

bool HeadlessPane::SetSelectionColour(Colour colour) {
    if (selStart_ < selEnd_) {
        const Position start = Locate(selStart_);
        marks_.PaintSpan(start.line, start.offset, selEnd_ - selStart_, colour);
    }
    return true;
}

bool HeadlessPane::SetAllColour(Colour colour) {
    marks_.PaintAll(colour);
    return true;
}

Colour HeadlessPane::CharColour(std::int32_t index) {
    if (index < 0 || index >= TextLength()) return Black;
    const Position position = Locate(index);
    return marks_.ColourAt(position.line, position.offset);
}

std::vector<Colour> HeadlessPane::CharColours() {
    std::vector<Colour> colours;
    colours.reserve(static_cast<std::size_t>(TextLength()) + 1);
    for (std::int32_t line = 0; line < marks_.LineCount(); ++line) {
        // Its characters and its line break's cell; black where the runs fall
        // short.
        const std::size_t end = colours.size() + static_cast<std::size_t>(marks_.LineCells(line));
        for (const ColourMarks::Run& run : marks_.Runs(line)) {
            const std::size_t room = end - colours.size();
            colours.insert(colours.end(), std::min(room, static_cast<std::size_t>(run.length)),
                           run.colour);
        }
        colours.resize(end, Black);
    }
    // The last line's cell for a line break is no character.
    colours.resize(static_cast<std::size_t>(TextLength()));
    return colours;
}

bool HeadlessPane::LineHasColour(std::int32_t line, Colour colour) {
    return marks_.LineHasColour(line, colour, line + 1 < lineCount_);
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

void HeadlessPane::SetTextLimit(std::int32_t limit) { textLimit_ = TextLimitFor(limit); }

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
        Replace(from, to, it->removedText, &it->removedColours, nullptr);
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
