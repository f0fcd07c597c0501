// A table of words found by the start of a text: the entries by their first character, longest
// first and in the table's order within one length, which is the order of the answer.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace transfer {

// Word has a std::u16string_view (or convertible) member `surface`, never empty.
template <typename Word>
class FirstCharacterIndex {
public:
    template <size_t N>
    explicit FirstCharacterIndex(const Word (&words)[N]) {
        for (const Word& w : words)
            m_byFirst.push_back(&w);
        std::stable_sort(m_byFirst.begin(), m_byFirst.end(), [](const Word* a, const Word* b) {
            return a->surface[0] < b->surface[0] ||
                   (a->surface[0] == b->surface[0] && a->surface.size() > b->surface.size());
        });
        // The entries of character c are [m_start[c], m_start[c + 1]).
        m_start.assign(0x10001, uint16_t(m_byFirst.size()));
        for (size_t k = m_byFirst.size(); k-- > 0;)
            m_start[m_byFirst[k]->surface[0]] = uint16_t(k);
        for (size_t c = 0x10000; c-- > 0;)
            m_start[c] = std::min(m_start[c], m_start[c + 1]);
    }

    // Appends the words the text starts with; with words already in out, all are ordered longest first.
    void Find(std::u16string_view text, std::vector<const Word*>& out) const {
        if (text.empty())
            return;
        const bool had = !out.empty();
        for (size_t k = m_start[text[0]], end = m_start[size_t(text[0]) + 1]; k < end; ++k) {
            const std::u16string_view surface = m_byFirst[k]->surface;
            if (surface.size() <= text.size() && text.compare(0, surface.size(), surface) == 0)
                out.push_back(m_byFirst[k]);
        }
        if (had)
            std::stable_sort(out.begin(), out.end(),
                             [](const Word* a, const Word* b) { return a->surface.size() > b->surface.size(); });
    }

private:
    std::vector<const Word*> m_byFirst;
    std::vector<uint16_t> m_start;
};

} // namespace transfer
