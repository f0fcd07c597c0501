// Widths of the characters of one font, measured once each.
#pragma once

#include <cstdint>
#include <vector>

class CCharWidthCache {
public:
    // measure(c) gives the width of UTF-16 unit c; it runs only the first time c is asked for.
    template <typename Measure>
    int Width(char16_t c, Measure&& measure) {
        if (m_widths.empty())
            m_widths.assign(0x10000, kUnknown);
        int16_t& width = m_widths[c];
        if (width == kUnknown)
            width = int16_t(measure(c));
        return width;
    }
    // The font changed.
    void Clear() { m_widths.clear(); }

private:
    static constexpr int16_t kUnknown = -1;
    std::vector<int16_t> m_widths;
};
