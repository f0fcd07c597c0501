// Stacking of the sentence rows in the window, and the scrolling that moves them.
#pragma once

#include "RowSlots.h"

#include <vector>

// What the row layout asks of the view: the document's length and the line count of a text.
class CRowMeasure {
public:
    virtual int SentenceCount() const = 0;
    // Wrapped lines of the sentence's text in the pane at the width; 0 for an empty text.
    virtual int PaneLines(int sentence, int pane, int width) = 0;

protected:
    ~CRowMeasure() = default;
};

struct PlacedRow {
    int sentence;
    int top;
    int bottom;  // top + row height
};

struct ScrollBarState {
    bool enabled;
    int maximum;   // range 0 ... maximum
    int position;
};

// Positions of the scroll bar stay below this, whatever the document's length.
constexpr int kScrollPositions = 30000;

class CRowLayout {
public:
    explicit CRowLayout(CRowMeasure& measure) : m_measure(measure) {}

    // The pane width W; rows laid out for another width are laid out again when next used.
    void SetPaneWidth(int width) { m_paneWidth = width; }
    int PaneWidth() const { return m_paneWidth; }
    void SetClientHeight(int height) { m_clientHeight = height; }
    int ClientHeight() const { return m_clientHeight; }
    // Two or three panes; leaving three panes empties every row's third-pane height.
    void SetPaneCount(int count);
    int PaneCount() const { return m_paneCount; }
    // Line height of each pane's font, and the height of an empty text.
    void SetLineHeights(const int paneLineHeight[3], int emptyTextHeight);
    int LineHeight(int pane) const { return m_lineHeight[pane]; }

    // A new document: the top sentence 0 at y 0, nothing laid out.
    void Reset();
    void MarkAllForLayout() { m_slots.MarkAll(); }
    void MarkForLayout(int sentence) { m_slots[m_slots.SlotOf(sentence)].laidOutWidth = 0; }

    // The ring slot of a sentence, and the slot laid out at the current width.
    int SlotOf(int sentence) { return m_slots.SlotOf(sentence); }
    void LayoutSlot(int slot);
    const RowSlot& Row(int sentence);
    int TextHeight(int sentence, int pane) { return Row(sentence).height[pane]; }
    // The largest text height plus its pane's line height (the blank gap), over the panes shown.
    int RowHeight(int sentence);

    int TopSentence() const { return m_top; }
    int TopY() const { return m_topY; }
    void SetTop(int sentence, int y);
    // Stacks the rows from the top sentence down to the window bottom and remembers what that shows.
    void Restack();
    const std::vector<PlacedRow>& VisibleRows() const { return m_rows; }
    // The row of a sentence in the window, or null.
    const PlacedRow* VisibleRow(int sentence) const;
    int AfterLastDrawn() const { return m_afterLast; }
    // Every remaining sentence was drawn and the last row ends within the window.
    bool EverythingFits() const { return m_fits; }

    ScrollBarState ScrollBar();
    int ScrollScale() const { return m_scale; }

    // Scrolling; false when nothing moved. unitPane's line height is the line unit.
    bool LineUp(int unitPane);
    bool LineDown(int unitPane);
    bool PageUp(int unitPane);
    bool PageDown();
    bool ThumbReleased(int position);

    // Moves the top forward (or back to the sentence) until the sentence's row fits in the window.
    void EnsureVisible(int sentence);

private:
    CRowMeasure& m_measure;
    CRowSlots m_slots;
    int m_paneWidth = 1;
    int m_clientHeight = 0;
    int m_paneCount = 2;
    int m_lineHeight[3] = {1, 1, 1};
    int m_emptyTextHeight = 1;

    int m_top = 0;
    int m_topY = 0;
    int m_afterLast = 1;
    bool m_fits = false;
    int m_scale = 1;
    int m_maximum = 0;
    std::vector<PlacedRow> m_rows;
};
