// The Qt text pane: a QPlainTextEdit that answers the pane requests exactly as
// the headless pane does.
//
// Lines are the document's text blocks. A block's position counts the break
// before it as one character, which is our one-character line break, so line
// starts and line numbers come straight from the document (O(log n) each).
// Text is Windows-1252: bytes handed in are decoded with the code page's table,
// lines read back are encoded with it ('?' for what it cannot hold).
//
// Colours are marks, not edits. They live in ColourMarks, one list of runs per
// line, and paintEvent draws them over the text of the visible lines as extra
// formats of the line's QTextLayout, the way the selection is drawn. So a colour
// change never touches the document: it adds no undo step, reports no change
// and needs no new layout, which keeps colouring every line of a large file
// cheap. The marks follow every text change through the document's
// contentsChange signal (typing, pasting), or directly for the pane's own
// replacements; new text takes the colour of the character before it. Undo and
// redo give back the colours the text had, from a ColourHistory kept beside the
// document's own undo history.
#pragma once

#include "platform/colour_history.h"
#include "platform/colour_marks.h"
#include "platform/gap_vector.h"
#include "platform/pane.h"
#include "platform/pane_rules.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QtPane : public QPlainTextEdit, public Pane {
    Q_OBJECT

  public:
    // `notify` receives EN_CHANGE (when change notification is on) and
    // EN_MAXTEXT; the platform turns them into commands of the window.
    explicit QtPane(std::function<void(std::uint16_t code)> notify, QWidget* parent = nullptr);
    ~QtPane() override;

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

    // Set-up by the platform.
    // The vertical scroll bar stays shown (disabled) when there is nothing to scroll.
    void SetKeepScrollBars(bool keep);
    // A narrow left margin in which a click selects the whole line.
    void ShowSelectionBar();
    // The window colour as background, marking the read-only side.
    void UseReadOnlyBackground();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    Q_INVOKABLE QVariant inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const;

    bool IsRedrawOn() const { return redrawOn_; }
    std::int32_t TextLimit() const { return textLimit_; }

    // Width of the selection bar in pixels.
    static constexpr int SelectionBarWidth = 8;

  protected:
    bool event(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QMimeData* createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    class SelectionBar;

    PaneSelection CurrentSelection() const;
    // Selects; while drawing is off the selection waits in `pending_`.
    void ApplySelection(PaneSelection selection);
    // Hands a waiting selection to the widget.
    void FlushSelection();
    // Gives the widget a selection without scrolling.
    void SelectKeepingView(std::int32_t anchor, std::int32_t caret);

    void OnContentsChange(int position, int removed, int added);
    // Brings the colour marks and the encoded lines in line with a change of
    // the text. `replayed`: the colour history has brought the marks in line
    // already (an undo or a redo), so they are only checked against the lines.
    void FollowChange(int position, int removed, int added, bool replayed = false);
    // Notes a change in the colour history, after the document made it and
    // before the marks follow it.
    void NoteChange(int position, int removed, int added);
    // Remembers the counts of the document's undo history, against which the
    // next change is told apart as an undo, a redo or a new change.
    void NoteUndoState();
    void ResetLines();
    // The bytes of a line without its break, encoded once and kept until the
    // line changes.
    const std::string& LineBytes(std::int32_t line);
    // Refuses input that passes the limit: reports EN_MAXTEXT and returns false.
    bool AcceptInput(qint64 removed, qint64 added);
    void Notify(std::uint16_t code);
    // Hands the encoded lines in order to a TextCopy or a TextStream.
    template <typename Out> std::int32_t WriteText(Out&& out);
    void SelectLinesAt(int y, bool extend);
    void PlaceSelectionBar();

    std::function<void(std::uint16_t)> notify_;
    ColourMarks marks_;
    ColourHistory colourHistory_;
    int seenUndoSteps_ = 0;
    int seenRedoSteps_ = 0;
    // The document's undo history gained a step since NoteUndoState.
    bool undoStepAdded_ = false;
    // The encoded bytes of each line, by line number. Reading a line from the
    // document costs a block search and a string copy (about a microsecond);
    // the aids read lines hundreds of thousands of times.
    struct EncodedLine {
        std::string bytes;
        bool valid = false;
    };
    GapVector<EncodedLine> encodedLines_;
    std::int32_t textLimit_ = DefaultTextLimit;
    bool changeNotification_ = false;
    bool redrawOn_ = true;
    // Giving the widget a selection makes it measure the caret's place through
    // the lines around it; the aids select twice for every line they colour. So
    // while drawing is off, which nobody can see, the selection is only noted
    // here and handed over when drawing is switched on again (or input arrives).
    PaneSelection pending_{0, 0};
    bool selectionPending_ = false;
    // Above zero while the pane itself changes the text and follows the change.
    int ownEdit_ = 0;
    int undoGroupDepth_ = 0;
    QTextCursor undoGroupCursor_;
    SelectionBar* selectionBar_ = nullptr;
    // Line a selection-bar drag started on.
    int selectionBarAnchorLine_ = 0;
};
