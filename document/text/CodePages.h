// What the text code needs from the system's code-page converters, and the lead-byte rules of
// the three code pages the editor keeps text in.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

enum : unsigned { kCodePageJapanese = 932, kCodePageSimplified = 936, kCodePageTraditional = 950 };

// Lead bytes: Shift-JIS 81-9F and E0-FC; GB2312 and Big5 81-FE.
inline bool IsLeadByte(unsigned codePage, unsigned char byte) {
    if (codePage == kCodePageJapanese)
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    return byte >= 0x81 && byte <= 0xFE;
}

class CCodePages {
public:
    virtual ~CCodePages() = default;
    // Characters the code page lacks become its default character; lost counts them when given.
    virtual std::string FromUtf16(std::u16string_view text, unsigned codePage, size_t* lost = nullptr) const = 0;
    // Bytes that are no character of the code page become U+FFFD or the system's choice.
    virtual std::u16string ToUtf16(std::string_view bytes, unsigned codePage) const = 0;
};

// The converters of the system the program runs on.
const CCodePages& SystemCodePages();
