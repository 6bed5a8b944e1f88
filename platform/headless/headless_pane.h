// An in-memory text pane with the behaviour the pane operations rely on: 8-bit
// text whose line breaks count as one character, a colour for every character
// kept beside the text, a selection, scrolling with a page of visible lines,
// undo of replacements, a text limit and the change notifications.
//
// The text is held as lines in blocks of a few hundred, each block knowing its
// line and character count, so that reading a line, finding a line's start and
// finding the line of a character cost O(log n), and inserting a line moves only
// the lines of one block. Colours are the colour marks the Qt pane keeps too,
// runs per line beside the text.
#pragma once

#include "platform/colour_marks.h"
#include "platform/pane.h"
#include "platform/pane_rules.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

class HeadlessPane : public Pane {
  public:
    // `notify` receives EN_CHANGE (when change notification is on) and EN_MAXTEXT.
    HeadlessPane(int id, std::function<void(std::uint16_t code)> notify);

    std::int32_t LineCount() override;
    std::int32_t LineIndex(std::int32_t line) override;
    std::int32_t LineFromChar(std::int32_t index) override;
    std::int32_t GetLine(std::int32_t line, char* buffer, std::int32_t capacity) override;
    std::int32_t TextLength() override;

    void GetSel(std::int32_t& start, std::int32_t& end) override;
    void SetSel(std::int32_t start, std::int32_t end) override;
    void ReplaceSel(const char* text, bool canUndo) override;

    std::int32_t FindText(std::int32_t from, std::int32_t to, const char* text) override;

    bool SetSelectionColour(Colour colour) override;
    bool SetAllColour(Colour colour) override;
    Colour CharColour(std::int32_t index) override;
    bool LineHasColour(std::int32_t line, Colour colour) override;

    void ScrollCaret() override;
    std::int32_t FirstVisibleLine() override;
    void LineScroll(std::int32_t lines) override;
    void ScrollOneLine(bool down) override;
    void SetRedraw(bool on) override;

    bool SetText(const char* text) override;
    std::int32_t GetText(char* buffer, std::int32_t capacity) override;
    std::int32_t
    StreamOut(const std::function<std::int32_t(const char*, std::int32_t)>& sink) override;

    void SetTextLimit(std::int32_t limit) override;
    void SetReadOnly(bool readOnly) override;
    void SetChangeNotification(bool on) override;

    bool CanUndo() override;
    void Undo() override;
    void BeginUndoGroup() override;
    void EndUndoGroup() override;

    // What tests look at.
    int Id() const { return id_; }
    // The colour of every character, in one pass (CharColour of 0 to
    // TextLength() - 1).
    std::vector<Colour> CharColours();
    // Number of lines the pane shows at once; scrolling stops when the last line
    // is at the bottom.
    void SetPageLines(std::int32_t lines);
    std::int32_t PageLines() const { return pageLines_; }
    bool IsRedrawOn() const { return redrawOn_; }
    // Where the caret is: the end of the selection it was made towards.
    std::int32_t Caret() const { return caret_; }
    // How often drawing was switched on (each time repaints the whole pane).
    int RedrawOnCount() const { return redrawOnCount_; }
    bool IsReadOnly() const { return readOnly_; }
    std::int32_t TextLimit() const { return textLimit_; }
    bool ChangeNotification() const { return changeNotification_; }

    // Marks the platform sets on the pane.
    bool hasReadOnlyBackground = false;
    bool hasSelectionBar = false;

  private:
    // One line: its characters without the line break.
    struct Line {
        std::string text;
    };

    struct Block {
        std::vector<Line> lines;
        // Characters of the block's lines, one cell per line for its break.
        std::int32_t cells = 0;
        // Start of each line relative to the block, and `cells` at the end;
        // rebuilt when the block's lines changed.
        std::vector<std::int32_t> starts;
        bool startsValid = false;
    };

    struct Position {
        std::int32_t line;
        std::int32_t offset;
    };

    // One replacement as undo needs it: where it happened, how much it put in,
    // and what it took away (with the colours it had).
    struct Change {
        std::int32_t position;
        std::int32_t insertedLength;
        std::string removedText;
        ColourMarks::Stretch removedColours;
    };
    using UndoStep = std::vector<Change>;

    Line& LineAt(std::int32_t line);
    std::int32_t LineStart(std::int32_t line);
    Position Locate(std::int32_t index);
    void LocateLine(std::int32_t line, std::size_t& block, std::size_t& index);
    const std::vector<std::int32_t>& StartsOf(std::size_t block);
    void EnsureIndex();

    // Replaces [from, to) by `text` (line breaks as CR) coloured by `colours`, or
    // by the colour before it when there are none; fills `removed` with what was
    // there when it is given.
    void Replace(std::int32_t from, std::int32_t to, const std::string& text,
                 const ColourMarks::Stretch* colours, Change* removed);
    void ReplaceLines(std::int32_t first, std::int32_t count, std::vector<Line>&& lines);
    void Tidy();
    void Extract(std::int32_t from, std::int32_t to, std::string& text);
    void RecordChange(Change&& change);
    void ClampScroll();
    void Notify(std::uint16_t code);
    // Hands the lines in order to a TextCopy or a TextStream.
    template <typename Out> std::int32_t WriteText(Out&& out);

    int id_;
    std::function<void(std::uint16_t)> notify_;

    std::vector<Block> blocks_;
    std::int32_t lineCount_ = 1;
    std::int32_t cells_ = 1;
    ColourMarks marks_;
    // First line and first character of every block, rebuilt after a change.
    std::vector<std::int32_t> blockFirstLine_;
    std::vector<std::int32_t> blockFirstChar_;
    bool indexValid_ = false;

    std::int32_t selStart_ = 0;
    std::int32_t selEnd_ = 0;
    std::int32_t caret_ = 0;
    std::int32_t firstVisible_ = 0;
    std::int32_t pageLines_ = 20;
    bool redrawOn_ = true;
    int redrawOnCount_ = 0;
    bool readOnly_ = false;
    std::int32_t textLimit_ = DefaultTextLimit;
    bool changeNotification_ = false;

    std::deque<UndoStep> undo_;
    int undoGroupDepth_ = 0;
    // The open group already has its step at the back of `undo_`.
    bool undoGroupStepOpen_ = false;
};
