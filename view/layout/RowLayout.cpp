// Stacking of the sentence rows in the window, and the scrolling that moves them.
#include "RowLayout.h"

#include <algorithm>

void CRowLayout::SetPaneCount(int count) {
    if (count == m_paneCount)
        return;
    m_paneCount = count;
    if (count < 3)
        for (int slot = 0; slot < kRowSlotCount; ++slot)
            m_slots[slot].height[2] = 0;
    m_slots.MarkAll();
}

void CRowLayout::SetLineHeights(const int paneLineHeight[3], int emptyTextHeight) {
    for (int p = 0; p < 3; ++p)
        m_lineHeight[p] = paneLineHeight[p] > 0 ? paneLineHeight[p] : 1;
    m_emptyTextHeight = emptyTextHeight > 0 ? emptyTextHeight : 1;
}

void CRowLayout::Reset() {
    int largest = std::max({m_lineHeight[0], m_lineHeight[1], m_lineHeight[2]});
    m_slots.Reset(3 * largest, m_lineHeight);
    m_top = 0;
    m_topY = 0;
    m_afterLast = 1;
    m_fits = false;
    m_scale = 1;
    m_maximum = 0;
    m_rows.clear();
}

void CRowLayout::LayoutSlot(int slot) {
    RowSlot& row = m_slots[slot];
    int sentence = m_slots.SentenceOf(slot);
    row.laidOutWidth = m_paneWidth;
    for (int p = 0; p < 3; ++p) {
        if (p >= m_paneCount) {
            row.height[p] = 0;
            continue;
        }
        int lines = m_measure.PaneLines(sentence, p, m_paneWidth);
        row.height[p] = lines > 0 ? lines * m_lineHeight[p] : m_emptyTextHeight;
    }
}

const RowSlot& CRowLayout::Row(int sentence) {
    int slot = m_slots.SlotOf(sentence);
    if (m_slots[slot].laidOutWidth != m_paneWidth)
        LayoutSlot(slot);
    return m_slots[slot];
}

int CRowLayout::RowHeight(int sentence) {
    const RowSlot& row = Row(sentence);
    int height = 0;
    for (int p = 0; p < m_paneCount; ++p)
        height = std::max(height, row.height[p] + m_lineHeight[p]);
    return height;
}

void CRowLayout::SetTop(int sentence, int y) {
    int count = m_measure.SentenceCount();
    m_top = std::clamp(sentence, 0, count > 0 ? count - 1 : 0);
    m_topY = y;
    Restack();
}

void CRowLayout::Restack() {
    m_rows.clear();
    const int count = m_measure.SentenceCount();
    int y = m_topY;
    int sentence = m_top;
    while (sentence < count && y < m_clientHeight) {
        int height = RowHeight(sentence);
        m_slots[m_slots.SlotOf(sentence)].top = y;
        m_rows.push_back({sentence, y, y + height});
        y += height;
        ++sentence;
    }
    m_afterLast = sentence;
    m_fits = sentence >= count && y <= m_clientHeight;
}

const PlacedRow* CRowLayout::VisibleRow(int sentence) const {
    if (m_rows.empty() || sentence < m_rows.front().sentence || sentence > m_rows.back().sentence)
        return nullptr;
    return &m_rows[size_t(sentence - m_rows.front().sentence)];
}

ScrollBarState CRowLayout::ScrollBar() {
    const int count = m_measure.SentenceCount();
    int position = m_top == 0 && m_topY == 0 ? 0 : m_top + 1;
    if (position == 0 && m_fits) {
        m_scale = 1;
        m_maximum = 0;
        return {false, 0, 0};
    }
    int total = m_top + (count - m_afterLast) + 2;
    m_scale = total / kScrollPositions + 1;
    m_maximum = total / m_scale;
    return {true, m_maximum, m_fits ? m_maximum : position / m_scale};
}

bool CRowLayout::LineUp(int unitPane) {
    if (m_top == 0 && m_topY >= 0)
        return false;
    m_topY += m_lineHeight[unitPane];
    // The rows before come into sight one line at a time, each from its bottom up.
    while (m_topY > 0 && m_top > 0) {
        --m_top;
        m_topY -= RowHeight(m_top);
    }
    if (m_top == 0 && m_topY > 0)
        m_topY = 0;
    Restack();
    return true;
}

bool CRowLayout::LineDown(int unitPane) {
    if (m_fits)
        return false;
    const int count = m_measure.SentenceCount();
    int top = m_top;
    int y = m_topY - m_lineHeight[unitPane];
    while (y + RowHeight(top) <= 0) {
        if (top + 1 >= count)
            return false;  // the last sentence would leave the window
        y += RowHeight(top);
        ++top;
    }
    m_top = top;
    m_topY = y;
    Restack();
    return true;
}

bool CRowLayout::PageUp(int unitPane) {
    int n = m_clientHeight / m_lineHeight[unitPane] - 1 + (m_top - m_afterLast - 1);
    if (n < 1)
        n = 1;
    bool moved = false;
    while (n-- > 0 && LineUp(unitPane))
        moved = true;
    return moved;
}

bool CRowLayout::PageDown() {
    const int count = m_measure.SentenceCount();
    if (m_top >= count - 1)
        return false;
    int last = m_afterLast - 1;
    SetTop(last <= m_top ? m_top + 1 : last, 0);
    return true;
}

bool CRowLayout::ThumbReleased(int position) {
    const int count = m_measure.SentenceCount();
    int target = position * m_scale;
    if (target <= 0) {
        SetTop(0, 0);
        return true;
    }
    // The last screenful: rows added backwards from the last sentence until they fill the window.
    int first = count - 1;
    int sum = 0;
    while (first >= 0) {
        sum += RowHeight(first);
        if (sum >= m_clientHeight)
            break;
        --first;
    }
    // The thumb at the end of its track shows the end, whatever the scale rounded away.
    if (first < 0)
        SetTop(0, 0);
    else if (target - 1 < first && (m_maximum == 0 || position < m_maximum))
        SetTop(target - 1, 0);
    else
        SetTop(first, m_clientHeight - sum);
    return true;
}

void CRowLayout::EnsureVisible(int sentence) {
    const int count = m_measure.SentenceCount();
    if (sentence < 0 || sentence >= count)
        return;
    if (sentence < m_top) {
        SetTop(sentence, 0);
        return;
    }
    int y = m_topY;
    for (int s = m_top; s <= sentence && y <= m_clientHeight; ++s)
        y += RowHeight(s);
    if (y <= m_clientHeight) {
        Restack();
        return;
    }
    // The first candidate from which the sentence's row ends within the window, found backwards.
    int top = sentence;
    int sum = RowHeight(sentence);
    while (top - 1 >= m_top) {
        int height = RowHeight(top - 1);
        if (sum + height > m_clientHeight)
            break;
        sum += height;
        --top;
    }
    SetTop(top, 0);
}
