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

// Characters of the Basic Multilingual Plane only.
inline std::string Utf8Bytes(const std::u16string& text) {
    std::string bytes;
    for (char16_t c : text) {
        if (c < 0x80) {
            bytes += char(c);
        } else if (c < 0x800) {
            bytes += char(0xC0 | c >> 6);
            bytes += char(0x80 | (c & 0x3F));
        } else {
            bytes += char(0xE0 | c >> 12);
            bytes += char(0x80 | (c >> 6 & 0x3F));
            bytes += char(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}
