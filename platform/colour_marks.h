// The colours of a pane's text, kept line by line beside the text rather than in
// it, by both panes. The Qt pane draws them over the text when it paints, so
// that colouring changes neither the document nor its undo history and needs no
// new layout. Nothing here knows Qt.
//
// Every line has one cell per character plus one for its line break (the last
// line's extra cell is never shown), the same count as a text block's length.
#pragma once

#include "platform/gap_vector.h"
#include "platform/pane.h"

#include <cstdint>
#include <vector>

class ColourMarks {
  public:
    // A stretch of cells of one colour.
    struct Run {
        std::int32_t length;
        Colour colour;
    };

    // A stretch of consecutive cells as it is taken out of the marks or put in:
    // how many cells, which of them are line breaks, and their colours.
    struct Stretch {
        std::int32_t cells = 0;
        // Offsets of the line-break cells within the stretch, ascending.
        std::vector<std::int32_t> breaks;
        // The colours of the cells in order; cells beyond the runs are black.
        std::vector<Run> runs;
    };

    ColourMarks();

    // All text black, in lines of the given cell counts.
    void Reset(const std::vector<std::int32_t>& lineCells);

    std::int32_t LineCount() const { return static_cast<std::int32_t>(lines_.size()); }
    std::int32_t LineCells(std::int32_t line) const;
    Colour ColourAt(std::int32_t line, std::int32_t cell) const;
    // The runs of a line, in order; empty when the whole line is black.
    const std::vector<Run>& Runs(std::int32_t line) const;
    // Whether a cell of the line has the colour; its last cell, the break,
    // counts only `withBreak` (the last line's stands for no character). False
    // for a line that does not exist.
    bool LineHasColour(std::int32_t line, Colour colour, bool withBreak) const;

    // The colour that new text at cell `cell` of `line` takes: that of the cell
    // before it, the previous line's break at a line start; black at the very
    // start.
    Colour ColourBefore(std::int32_t line, std::int32_t cell) const;

    // Colours cells [from, to) of one line.
    void Paint(std::int32_t line, std::int32_t from, std::int32_t to, Colour colour);
    // Colours `cells` cells from cell `offset` of `line` on, across line ends.
    void PaintSpan(std::int32_t line, std::int32_t offset, std::int32_t cells, Colour colour);
    void PaintAll(Colour colour);

    // The `cells` cells from cell `offset` of `line` on. Returns false when they
    // are not all there.
    bool Copy(std::int32_t line, std::int32_t offset, std::int32_t cells, Stretch& out) const;

    // Replaces the `removed` cells from cell `offset` of `line` on by `inserted`,
    // which brings its own line breaks and colours. Returns false, changing
    // nothing, when the removed cells are not all there or the stretch's breaks
    // lie outside it.
    bool Replace(std::int32_t line, std::int32_t offset, std::int32_t removed,
                 const Stretch& inserted);

    // Follows a text change as the text reports it: from cell `offset` of `line`
    // on, `removed` cells were replaced by `added` ones, and `newLineCells` holds
    // the cell counts of the lines that now hold the changed stretch, starting
    // with `line`. New cells take the colour before them. Returns false, changing
    // nothing, when the change does not fit the lines known.
    bool Replace(std::int32_t line, std::int32_t offset, std::int32_t removed, std::int32_t added,
                 const std::vector<std::int32_t>& newLineCells);

  private:
    struct Line {
        std::int32_t cells = 0;
        std::vector<Run> runs;
    };

    // Appends cells [from, to) of a line to `out`.
    static void AppendSlice(const Line& line, std::int32_t from, std::int32_t to,
                            std::vector<Run>& out);
    static void AppendRun(std::vector<Run>& runs, std::int32_t length, Colour colour);
    static void DropIfBlack(std::vector<Run>& runs);
    // The line that holds the end of `removed` cells from cell `offset` of
    // `line` on, and the cell there; false when they are not all there.
    bool FindEnd(std::int32_t line, std::int32_t offset, std::int32_t removed, std::size_t& last,
                 std::int32_t& tailFrom) const;

    // One entry per line; a gap where the last change was keeps runs of line
    // insertions cheap.
    GapVector<Line> lines_;
};
