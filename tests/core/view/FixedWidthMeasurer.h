// A measurer in which every one-byte character is 8 pixels wide and every two-byte one 16.
#pragma once

#include "LineBreaker.h"

#include <string>
#include <vector>

class CFixedWidthMeasurer : public CTextMeasurer {
public:
    static constexpr int kNarrow = 8;
    static constexpr int kWide = 16;

    int CharWidth(unsigned, const char* bytes, int count) override {
        measured.emplace_back(bytes, size_t(count));
        return count == 2 ? kWide : kNarrow;
    }

    std::vector<std::string> measured;
};
