// The row cache: 64 laid-out rows kept as a ring over the sentences around the window.
#include "RowSlots.h"

namespace {
int Ring(int value) { return ((value % kRowSlotCount) + kRowSlotCount) % kRowSlotCount; }
} // namespace

int CRowSlots::SlotOf(int sentence) {
    if (sentence > m_first + kRowSlotCount - 1) {
        int steps = sentence - (m_first + kRowSlotCount - 1);
        // A jump of a whole ring or more gives every slot a new sentence: slide in one go.
        if (steps >= kRowSlotCount) {
            MarkAll();
            m_head = Ring(m_head + steps);
            m_first += steps;
        } else {
            for (; steps > 0; --steps) {
                m_slots[size_t(m_head)].laidOutWidth = 0;
                m_head = Ring(m_head + 1);
                ++m_first;
            }
        }
    } else if (sentence < m_first) {
        int steps = m_first - sentence;
        if (steps >= kRowSlotCount) {
            MarkAll();
            m_head = Ring(m_head - steps);
            m_first -= steps;
        } else {
            for (; steps > 0; --steps) {
                m_head = Ring(m_head - 1);
                m_slots[size_t(m_head)].laidOutWidth = 0;
                --m_first;
            }
        }
    }
    return Ring(sentence - m_first + m_head);
}

int CRowSlots::SentenceOf(int slot) const { return m_first + Ring(slot - m_head); }

void CRowSlots::Reset(int spacing, const int heights[3]) {
    m_first = 0;
    m_head = 0;
    for (int i = 0; i < kRowSlotCount; ++i) {
        RowSlot& slot = m_slots[size_t(i)];
        slot.top = i * spacing;
        slot.laidOutWidth = 0;
        for (int p = 0; p < 3; ++p)
            slot.height[p] = heights[p];
    }
}

void CRowSlots::MarkAll() {
    for (RowSlot& slot : m_slots)
        slot.laidOutWidth = 0;
}
