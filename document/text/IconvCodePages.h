// The code-page interface over iconv, for the native builds (tests, fuzzing, benchmarks).
#pragma once

#include "CodePages.h"

class CIconvCodePages : public CCodePages {
public:
    std::string FromUtf16(std::u16string_view text, unsigned codePage, size_t* lost = nullptr) const override;
    std::u16string ToUtf16(std::string_view bytes, unsigned codePage) const override;
};
