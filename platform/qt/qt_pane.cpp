#include "platform/qt/qt_pane.h"

#include "platform/pane_rules.h"
#include "platform/qt/qt_text.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Colour Black = MakeColour(0, 0, 0);

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

// Whether a key press inserts its text (printable characters and Tab; Ctrl
// combinations are commands), as the editor itself decides.
bool InsertsText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return false;
    const QChar first = text.at(0);
    if (first.category() == QChar::Other_Format) return true;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier ||
        modifiers == (Qt::ShiftModifier | Qt::ControlModifier)) {
        return false;
    }
    return first.isPrint() || first == QChar(u'\t') ||
           first.category() == QChar::Other_PrivateUse || first.isHighSurrogate();
}

bool IsInput(const QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

// The selection bar: a strip left of the text in which a click selects the whole
// line beside it and a drag extends the selection line by line.
class QtPane::SelectionBar : public QWidget {
  public:
    explicit SelectionBar(QtPane* pane) : QWidget(pane), pane_(pane) {
        setAutoFillBackground(true);
        setBackgroundRole(QPalette::Base);
        setCursor(Qt::ArrowCursor);
    }

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        pane_->setFocus(Qt::MouseFocusReason);
        pane_->SelectLinesAt(static_cast<int>(event->position().y()),
                             (event->modifiers() & Qt::ShiftModifier) != 0);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if ((event->buttons() & Qt::LeftButton) == 0) return;
        pane_->SelectLinesAt(static_cast<int>(event->position().y()), true);
    }

  private:
    QtPane* pane_;
};

QtPane::QtPane(std::function<void(std::uint16_t code)> notify, QWidget* parent)
    : QPlainTextEdit(parent), notify_(std::move(notify)) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTabChangesFocus(false);

    // The colour marks mean these exact colours, so the text is black on white
    // whatever the desktop's colour scheme. The selection stays visible when the
    // pane loses the focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    connect(document(), &QTextDocument::contentsChange, this, &QtPane::OnContentsChange);
    connect(document(), &QTextDocument::undoCommandAdded, this, [this] { undoStepAdded_ = true; });
    ResetLines();
    NoteUndoState();
}

QtPane::~QtPane() = default;

// ------------------------------------------------------------------ reading

std::int32_t QtPane::LineCount() { return document()->blockCount(); }

std::int32_t QtPane::TextLength() { return document()->characterCount() - 1; }

std::int32_t QtPane::LineIndex(std::int32_t line) {
    line = RequestedLine(line, LineCount(), [this] {
        return document()->findBlock(CurrentSelection().caret).blockNumber();
    });
    return line < 0 ? -1 : document()->findBlockByNumber(line).position();
}

std::int32_t QtPane::LineFromChar(std::int32_t index) {
    index = RequestedChar(index, CurrentSelection().Start(), TextLength());
    return document()->findBlock(index).blockNumber();
}

std::int32_t QtPane::GetLine(std::int32_t line, char* buffer, std::int32_t capacity) {
    return CopyLine(line, LineCount(), buffer, capacity,
                    [this](std::int32_t l) { return std::string_view(LineBytes(l)); });
}

const std::string& QtPane::LineBytes(std::int32_t line) {
    EncodedLine& cached = encodedLines_[static_cast<std::size_t>(line)];
    if (!cached.valid) {
        cached.bytes = EncodeCp1252(document()->findBlockByNumber(line).text());
        cached.valid = true;
    }
    return cached.bytes;
}

template <typename Out> std::int32_t QtPane::WriteText(Out&& out) {
    const std::int32_t count = LineCount();
    for (std::int32_t line = 0; line < count; ++line) {
        if (!out.Add(LineBytes(line), line + 1 == count)) break;
    }
    return out.Finish();
}

std::int32_t QtPane::GetText(char* buffer, std::int32_t capacity) {
    return WriteText(TextCopy(buffer, capacity));
}

std::int32_t QtPane::StreamOut(const std::function<std::int32_t(const char*, std::int32_t)>& sink) {
    return WriteText(TextStream(sink));
}

std::int32_t QtPane::FindText(std::int32_t from, std::int32_t to, const char* text) {
    // QTextDocument::find is slow on large texts and takes a no-break space for
    // a space, so the lines are searched here, as bytes of the code page.
    const TextSearch search = PrepareSearch(text, from, to, TextLength());
    if (search.Empty()) return -1;
    const QTextBlock first = document()->findBlock(search.firstStart);
    return SearchLines(search, first.blockNumber(), first.position(), LineCount(),
                       [this](std::int32_t line) { return std::string_view(LineBytes(line)); });
}

// ---------------------------------------------------------------- selection

PaneSelection QtPane::CurrentSelection() const {
    if (selectionPending_) return pending_;
    const QTextCursor cursor = textCursor();
    return PaneSelection{cursor.anchor(), cursor.position()};
}

void QtPane::ApplySelection(PaneSelection selection) {
    if (!redrawOn_) {
        pending_ = selection;
        selectionPending_ = true;
        return;
    }
    selectionPending_ = false;
    SelectKeepingView(selection.anchor, selection.caret);
}

void QtPane::FlushSelection() {
    if (!selectionPending_) return;
    selectionPending_ = false;
    const std::int32_t length = TextLength();
    SelectKeepingView(std::clamp(pending_.anchor, 0, length),
                      std::clamp(pending_.caret, 0, length));
}

void QtPane::SelectKeepingView(std::int32_t anchor, std::int32_t caret) {
    // The widget scrolls a new selection's caret into view; a pane request
    // never does (only ScrollCaret and the scroll requests move the view), so
    // both scroll bars are put back where they were.
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    const int top = vertical->value();
    const int left = horizontal->value();
    QTextCursor cursor = textCursor();
    cursor.setPosition(anchor);
    cursor.setPosition(caret, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    vertical->setValue(top);
    horizontal->setValue(left);
}

void QtPane::GetSel(std::int32_t& start, std::int32_t& end) {
    const PaneSelection selection = CurrentSelection();
    start = selection.Start();
    end = selection.End();
}

void QtPane::SetSel(std::int32_t start, std::int32_t end) {
    ApplySelection(RequestedSelection(start, end, TextLength(), CurrentSelection().caret));
}

void QtPane::ReplaceSel(const char* text, bool canUndo) {
    const QString inserted = DecodePaneText(text);
    const PaneSelection selection = CurrentSelection();
    const std::int32_t start = selection.Start();
    const std::int32_t removed = selection.End() - start;
    if (inserted.isEmpty() && removed == 0) return;
    // The whole replacement is refused when it would make the text longer than
    // the limit; a change that does not lengthen the text always goes through.
    if (!AcceptInput(removed, inserted.size())) return;

    QTextCursor cursor(document());
    cursor.setPosition(start);
    cursor.setPosition(start + removed, QTextCursor::KeepAnchor);
    ++ownEdit_;
    // An edit block of its own keeps this replacement from merging with the one
    // before it into one undo step (inside an undo group it simply nests).
    cursor.beginEditBlock();
    // An empty format: text inserted at a line start would otherwise take the
    // format of the line.
    cursor.insertText(inserted, QTextCharFormat());
    cursor.endEditBlock();
    --ownEdit_;
    if (canUndo) {
        NoteChange(start, removed, static_cast<int>(inserted.size()));
    } else {
        // Older steps would no longer fit the text.
        document()->clearUndoRedoStacks();
        colourHistory_.Clear();
    }
    FollowChange(start, removed, static_cast<int>(inserted.size()));
    NoteUndoState();
    const std::int32_t caret = cursor.position();
    ApplySelection(PaneSelection{caret, caret});
    if (changeNotification_) Notify(EN_CHANGE);
}

bool QtPane::SetText(const char* text) {
    const QString all = DecodePaneText(text);
    ++ownEdit_;
    // Replaces the text, clears the undo history and puts the caret at the start.
    setPlainText(all);
    --ownEdit_;
    selectionPending_ = false;
    ResetLines();
    colourHistory_.Clear();
    NoteUndoState();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    if (changeNotification_) Notify(EN_CHANGE);
    return true;
}

// ------------------------------------------------------------------ colours

void QtPane::ResetLines() {
    // Every line is encoded now, from one copy of the whole text: the aids read
    // every line of a newly loaded text, and taking the lines one by one from
    // their blocks costs several times as much.
    const QString all = document()->toRawText();
    std::vector<std::int32_t> cells;
    cells.reserve(static_cast<std::size_t>(document()->blockCount()));
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        cells.push_back(block.length());
    }
    marks_.Reset(cells);
    encodedLines_.assign(cells.size(), EncodedLine());
    std::size_t line = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next(), ++line) {
        EncodedLine& encoded = encodedLines_[line];
        encoded.bytes = EncodeCp1252(QStringView(all).mid(block.position(), block.length() - 1));
        encoded.valid = true;
    }
}

void QtPane::FollowChange(int position, int removed, int added, bool replayed) {
    const QTextDocument* doc = document();
    const QTextBlock first = doc->findBlock(position);
    if (!first.isValid()) {
        ResetLines();
        return;
    }
    QTextBlock last = doc->findBlock(position + added);
    if (!last.isValid()) last = doc->lastBlock();
    std::vector<std::int32_t> cells;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        cells.push_back(block.length());
        if (block == last) break;
    }
    // A change the marks cannot follow, or a replay that did not end with the
    // document's lines (neither should happen), leaves the text black rather
    // than colours on the wrong characters.
    const std::int32_t line = first.blockNumber();
    bool fits = true;
    if (replayed) {
        fits = marks_.LineCount() == doc->blockCount();
        for (std::size_t i = 0; fits && i < cells.size(); ++i) {
            fits = marks_.LineCells(line + static_cast<std::int32_t>(i)) == cells[i];
        }
    } else {
        fits = marks_.Replace(line, position - first.position(), removed, added, cells);
    }
    if (!fits) {
        ResetLines();
        return;
    }
    // The lines that held the change are read anew when next asked for.
    const std::int64_t oldCount = static_cast<std::int64_t>(encodedLines_.size());
    const std::int64_t newLines = static_cast<std::int64_t>(cells.size());
    const std::int64_t oldLines = newLines - (doc->blockCount() - oldCount);
    if (oldLines < 1 || line + oldLines > oldCount) {
        encodedLines_.assign(static_cast<std::size_t>(doc->blockCount()), EncodedLine());
        return;
    }
    // Lines held on both sides are forgotten in place; only the difference moves
    // the lines after them.
    const std::size_t begin = static_cast<std::size_t>(line);
    const std::int64_t common = std::min(oldLines, newLines);
    for (std::int64_t i = 0; i < common; ++i)
        encodedLines_[begin + static_cast<std::size_t>(i)] = EncodedLine();
    if (oldLines > common) {
        encodedLines_.erase(begin + static_cast<std::size_t>(common),
                            static_cast<std::size_t>(oldLines - common));
    } else if (newLines > common) {
        encodedLines_.insert(begin + static_cast<std::size_t>(common),
                             static_cast<std::size_t>(newLines - common));
    }
}

void QtPane::NoteChange(int position, int removed, int added) {
    const QTextBlock block = document()->findBlock(position);
    if (!block.isValid()) {
        colourHistory_.Clear();
        return;
    }
    colourHistory_.Note(marks_, block.blockNumber(), position - block.position(), removed, added,
                        document()->availableUndoSteps());
}

void QtPane::NoteUndoState() {
    seenUndoSteps_ = document()->availableUndoSteps();
    seenRedoSteps_ = document()->availableRedoSteps();
    undoStepAdded_ = false;
}

void QtPane::OnContentsChange(int position, int removed, int added) {
    // The pane's own changes have been followed already.
    if (ownEdit_ > 0) return;
    if (removed == 0 && added == 0) return;
    // The document reports an undo or a redo of a whole step (a merge, say) as
    // one change from its first to its last character, as if all of it were new
    // text. The history's counts tell an undo (fewer steps) and a redo (more
    // steps, fewer to redo, none added) from a new change, and the colour
    // history brings the colours back change by change.
    const QTextDocument* doc = document();
    const int undoSteps = doc->availableUndoSteps();
    ColourHistory::Replay replay = ColourHistory::Replay::Nothing;
    if (undoSteps < seenUndoSteps_) {
        replay = colourHistory_.Undo(marks_, undoSteps);
    } else if (undoSteps > seenUndoSteps_ && !undoStepAdded_ &&
               doc->availableRedoSteps() < seenRedoSteps_) {
        replay = colourHistory_.Redo(marks_, undoSteps);
    } else {
        NoteChange(position, removed, added);
    }
    if (replay == ColourHistory::Replay::Failed) {
        ResetLines();
    } else {
        FollowChange(position, removed, added, replay == ColourHistory::Replay::Done);
    }
    NoteUndoState();
    if (changeNotification_) Notify(EN_CHANGE);
}

bool QtPane::SetSelectionColour(Colour colour) {
    const PaneSelection selection = CurrentSelection();
    const std::int32_t from = selection.Start();
    const std::int32_t to = selection.End();
    if (from >= to) return true;
    const QTextBlock block = document()->findBlock(from);
    marks_.PaintSpan(block.blockNumber(), from - block.position(), to - from, colour);
    viewport()->update();
    return true;
}

bool QtPane::SetAllColour(Colour colour) {
    marks_.PaintAll(colour);
    viewport()->update();
    return true;
}

Colour QtPane::CharColour(std::int32_t index) {
    if (index < 0 || index >= TextLength()) return Black;
    const QTextBlock block = document()->findBlock(index);
    return marks_.ColourAt(block.blockNumber(), index - block.position());
}

bool QtPane::LineHasColour(std::int32_t line, Colour colour) {
    return marks_.LineHasColour(line, colour, line + 1 < LineCount());
}

void QtPane::paintEvent(QPaintEvent* event) {
    // The base class's drawing of the visible lines, with the colour marks of
    // each line drawn as extra formats beneath the selection.
    QPainter painter(viewport());
    QPointF offset(contentOffset());
    QRect exposed = event->rect();
    const QRect area = viewport()->rect();
    const QTextDocument* doc = document();
    const qreal textWidth = doc->documentLayout()->documentSize().width();
    painter.setBrushOrigin(offset);
    const int rightEdge = static_cast<int>(offset.x() + std::max<qreal>(area.width(), textWidth) -
                                           doc->documentMargin());
    exposed.setRight(std::min(exposed.right(), rightEdge));
    painter.setClipRect(exposed);

    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    const bool showsCaret =
        !isReadOnly() || (textInteractionFlags() & Qt::TextSelectableByKeyboard) != 0;
    const QBrush background = palette().base();

    QTextBlock block = firstVisibleBlock();
    std::int32_t line = block.blockNumber();
    for (; block.isValid(); block = block.next(), ++line) {
        const QRectF bounds = blockBoundingRect(block).translated(offset);
        if (bounds.bottom() >= exposed.top() && bounds.top() <= exposed.bottom()) {
            QTextLayout* layout = block.layout();
            const int blockStart = block.position();
            const int blockLength = block.length();

            QList<QTextLayout::FormatRange> formats;
            int cell = 0;
            for (const ColourMarks::Run& run : marks_.Runs(line)) {
                if (run.colour != Black) {
                    QTextLayout::FormatRange range;
                    range.start = cell;
                    range.length = run.length;
                    range.format.setForeground(ToQColor(run.colour));
                    // The background is painted too, so that the coloured glyphs
                    // replace the black ones instead of blending with their edges.
                    range.format.setBackground(background);
                    formats.append(range);
                }
                cell += run.length;
            }
            for (const QAbstractTextDocumentLayout::Selection& selection : context.selections) {
                const int start = selection.cursor.selectionStart() - blockStart;
                const int end = selection.cursor.selectionEnd() - blockStart;
                if (start < blockLength && end > 0 && end > start) {
                    QTextLayout::FormatRange range;
                    range.start = start;
                    range.length = end - start;
                    range.format = selection.format;
                    formats.append(range);
                }
            }
            layout->draw(&painter, offset, formats, exposed);

            const int caret = context.cursorPosition;
            if (showsCaret && caret >= blockStart && caret < blockStart + blockLength) {
                layout->drawCursor(&painter, offset, caret - blockStart, cursorWidth());
            } else if (!isReadOnly() && caret < -1 && !layout->preeditAreaText().isEmpty()) {
                layout->drawCursor(&painter, offset, layout->preeditAreaPosition() - (caret + 2),
                                   cursorWidth());
            }
        }
        offset.ry() += bounds.height();
        if (offset.y() > area.height()) break;
    }
}

// ---------------------------------------------------------------- scrolling

void QtPane::ScrollCaret() {
    FlushSelection();
    ensureCursorVisible();
}

std::int32_t QtPane::FirstVisibleLine() {
    // Without line wrap every line is one block.
    return firstVisibleBlock().blockNumber();
}

void QtPane::LineScroll(std::int32_t lines) {
    // The scroll bar counts lines and stops at the pane's ends.
    QScrollBar* bar = verticalScrollBar();
    const qint64 target = static_cast<qint64>(bar->value()) + lines;
    bar->setValue(static_cast<int>(std::clamp<qint64>(target, bar->minimum(), bar->maximum())));
}

void QtPane::ScrollOneLine(bool down) {
    verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderSingleStepAdd
                                            : QAbstractSlider::SliderSingleStepSub);
}

void QtPane::SetRedraw(bool on) {
    redrawOn_ = on;
    if (on) FlushSelection();
    setUpdatesEnabled(on);
    if (on) viewport()->update();
}

// -------------------------------------------------------------- properties

void QtPane::SetTextLimit(std::int32_t limit) { textLimit_ = TextLimitFor(limit); }

void QtPane::SetReadOnly(bool readOnly) {
    setReadOnly(readOnly);
    // A read-only pane still has a caret that the keys move and that selects.
    if (readOnly) setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void QtPane::SetChangeNotification(bool on) { changeNotification_ = on; }

void QtPane::SetKeepScrollBars(bool keep) {
    QScrollBar* bar = verticalScrollBar();
    setVerticalScrollBarPolicy(keep ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    if (keep) {
        // Shown but disabled while there is nothing to scroll.
        connect(bar, &QScrollBar::rangeChanged, bar,
                [bar](int minimum, int maximum) { bar->setEnabled(maximum > minimum); });
        bar->setEnabled(bar->maximum() > bar->minimum());
    }
}

void QtPane::ShowSelectionBar() {
    if (selectionBar_ != nullptr) return;
    selectionBar_ = new SelectionBar(this);
    setViewportMargins(SelectionBarWidth, 0, 0, 0);
    PlaceSelectionBar();
    selectionBar_->show();
}

void QtPane::UseReadOnlyBackground() {
    QPalette colours = palette();
    colours.setColor(QPalette::Base, QApplication::palette("QMenu").color(QPalette::Window));
    setPalette(colours);
}

void QtPane::PlaceSelectionBar() {
    if (selectionBar_ == nullptr) return;
    const QRect inside = contentsRect();
    selectionBar_->setGeometry(inside.left(), inside.top(), SelectionBarWidth,
                               viewport()->height());
}

void QtPane::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceSelectionBar();
}

void QtPane::SelectLinesAt(int y, bool extend) {
    FlushSelection();
    const int line = cursorForPosition(QPoint(0, y)).blockNumber();
    if (!extend) selectionBarAnchorLine_ = line;
    const int first = std::min(selectionBarAnchorLine_, line);
    const int last = std::max(selectionBarAnchorLine_, line);
    const int start = document()->findBlockByNumber(first).position();
    const int end =
        last + 1 < LineCount() ? document()->findBlockByNumber(last + 1).position() : TextLength();
    // The caret goes to the end the pointer is at.
    QTextCursor cursor = textCursor();
    if (line >= selectionBarAnchorLine_) {
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        cursor.setPosition(end);
        cursor.setPosition(start, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
}

// ------------------------------------------------------------- user input

bool QtPane::AcceptInput(qint64 removed, qint64 added) {
    if (FitsTextLimit(document()->characterCount() - 1, removed, added, textLimit_)) return true;
    Notify(EN_MAXTEXT);
    return false;
}

// Input works on the widget's own selection: a waiting one is handed over first.
bool QtPane::event(QEvent* event) {
    if (selectionPending_ && IsInput(event)) FlushSelection();
    return QPlainTextEdit::event(event);
}

bool QtPane::viewportEvent(QEvent* event) {
    if (selectionPending_ && IsInput(event)) FlushSelection();
    return QPlainTextEdit::viewportEvent(event);
}

void QtPane::keyPressEvent(QKeyEvent* event) {
    if (!isReadOnly()) {
        const QTextCursor cursor = textCursor();
        const qint64 selected = cursor.selectionEnd() - cursor.selectionStart();
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && (event->modifiers() & Qt::ControlModifier) == 0) {
            if (!AcceptInput(selected, 1)) {
                event->accept();
                return;
            }
            if ((event->modifiers() & Qt::ShiftModifier) != 0) {
                // Shift+Enter would put a line separator inside the line; here
                // every Enter breaks the line.
                QKeyEvent plain(event->type(), event->key(),
                                event->modifiers() & ~Qt::ShiftModifier, event->text(),
                                event->isAutoRepeat(), static_cast<quint16>(event->count()));
                QPlainTextEdit::keyPressEvent(&plain);
                event->setAccepted(plain.isAccepted());
                return;
            }
        } else if (InsertsText(event)) {
            const QString typed = MakeStorable(event->text());
            if (!AcceptInput(selected, typed.size())) {
                event->accept();
                return;
            }
            if (typed != event->text()) {
                QKeyEvent storable(event->type(), event->key(), event->modifiers(), typed,
                                   event->isAutoRepeat(), static_cast<quint16>(event->count()));
                QPlainTextEdit::keyPressEvent(&storable);
                event->setAccepted(storable.isAccepted());
                return;
            }
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void QtPane::inputMethodEvent(QInputMethodEvent* event) {
    // The widget would still insert a commit into a read-only pane whose caret
    // the keys move.
    if (isReadOnly()) {
        event->ignore();
        return;
    }
    if (!event->commitString().isEmpty()) {
        QString commit = MakeStorable(event->commitString());
        const QTextCursor cursor = textCursor();
        const qint64 removed =
            cursor.selectionEnd() - cursor.selectionStart() + event->replacementLength();
        if (!AcceptInput(removed, commit.size())) commit.clear();
        if (commit != event->commitString()) {
            QInputMethodEvent storable(event->preeditString(), event->attributes());
            if (!commit.isEmpty()) {
                storable.setCommitString(commit, event->replacementStart(),
                                         event->replacementLength());
            }
            QPlainTextEdit::inputMethodEvent(&storable);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

QVariant QtPane::inputMethodQuery(Qt::InputMethodQuery query) const {
    return inputMethodQuery(query, QVariant());
}

QVariant QtPane::inputMethodQuery(Qt::InputMethodQuery query, QVariant argument) const {
    // A read-only pane takes no input-method text, so it asks for no input method.
    if (query == Qt::ImEnabled && isReadOnly()) return false;
    return QPlainTextEdit::inputMethodQuery(query, argument);
}

QMimeData* QtPane::createMimeDataFromSelection() const {
    // Copy, cut and drag hand on the selected characters themselves: the
    // widget's own way goes through a document fragment, whose plain text has
    // plain spaces for no-break spaces. Line breaks come as paragraph
    // separators and become '\n'.
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QChar(u'\n'));
    text.replace(QChar::LineSeparator, QChar(u'\n'));
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

void QtPane::insertFromMimeData(const QMimeData* source) {
    // Paste and drop. When text is moved by dragging, the editor has removed it
    // from its old place before it arrives here, so the count below is exact.
    if (isReadOnly() || source == nullptr || !source->hasText()) return;
    const QString text = MakeStorable(source->text());
    const QTextCursor cursor = textCursor();
    if (!AcceptInput(cursor.selectionEnd() - cursor.selectionStart(), text.size())) return;
    QMimeData storable;
    storable.setText(text);
    QPlainTextEdit::insertFromMimeData(&storable);
}

// --------------------------------------------------------------------- undo

bool QtPane::CanUndo() { return document()->isUndoAvailable(); }

void QtPane::Undo() {
    FlushSelection();
    undo();
}

void QtPane::BeginUndoGroup() {
    if (undoGroupDepth_++ > 0) return;
    // The block's own cursor is where undo puts the caret back: at the caret,
    // not at the top of the text, which would scroll the view there.
    FlushSelection();
    undoGroupCursor_ = QTextCursor(document());
    undoGroupCursor_.setPosition(textCursor().position());
    undoGroupCursor_.beginEditBlock();
}

void QtPane::EndUndoGroup() {
    if (undoGroupDepth_ == 0) return;
    if (--undoGroupDepth_ > 0) return;
    // The document reports the group's changes only now, all at once; the pane
    // has followed each of them as it made it.
    ++ownEdit_;
    undoGroupCursor_.endEditBlock();
    --ownEdit_;
    NoteUndoState();
}

void QtPane::Notify(std::uint16_t code) {
    if (notify_) notify_(code);
}
