// The row cache: 64 laid-out rows kept as a ring over the sentences around the window.
#pragma once

#include <array>
#include <cstddef>

constexpr int kRowSlotCount = 64;

struct RowSlot {
    int top = 0;           // y of the row's top edge; the top row may start above the window
    int height[3] = {};    // text height in each pane
    int laidOutWidth = 0;  // the pane width it was laid out for; any other value means "lay out again"
};

// Slot of sentence i = (i - first + head) mod 64 while first <= i <= first + 63; asking for a
// sentence outside that window slides it, and every slot that changes hands is marked.
class CRowSlots {
public:
    int SlotOf(int sentence);
    int SentenceOf(int slot) const;
    RowSlot& operator[](int slot) { return m_slots[size_t(slot)]; }
    const RowSlot& operator[](int slot) const { return m_slots[size_t(slot)]; }

    // A new document: the window starts at sentence 0, tops spaced apart, nothing laid out.
    void Reset(int spacing, const int heights[3]);
    void MarkAll();
    int First() const { return m_first; }
    int Head() const { return m_head; }

private:
    std::array<RowSlot, kRowSlotCount> m_slots;
    int m_first = 0;
    int m_head = 0;
};
