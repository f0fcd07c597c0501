// Test texts written as UTF-16 literals and turned into the code page under test.
#pragma once

#include "CodePages.h"

#include <string>

inline std::string Encode(const std::u16string& text, unsigned codePage) {
    return SystemCodePages().FromUtf16(text, codePage);
}

inline std::u16string Decode(const std::string& bytes, unsigned codePage) {
    return SystemCodePages().ToUtf16(bytes, codePage);
}

inline std::string Utf16Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t unit : text) {
        bytes += char(unit & 0xFF);
        bytes += char(unit >> 8);
    }
    return bytes;
}
