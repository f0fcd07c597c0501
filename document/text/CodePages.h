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

// Wide text of the system's own width (UTF-16 on Windows) in a code page.
inline std::string FromWide(const CCodePages& codePages, std::wstring_view text, unsigned codePage,
                            size_t* lost = nullptr) {
    std::u16string units;
    units.reserve(text.size());
    for (wchar_t c : text) {
        unsigned long codePoint = static_cast<unsigned long>(c);
        if (codePoint > 0xFFFF) {
            units += char16_t(0xD800 + ((codePoint - 0x10000) >> 10));
            units += char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            units += char16_t(codePoint);
        }
    }
    return codePages.FromUtf16(units, codePage, lost);
}
