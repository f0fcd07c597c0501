// Text of the engines' tests and measurements: UTF-8 in and out of the code pages.
#include "EngineText.h"

#include <filesystem>

std::u16string Utf16FromUtf8(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 6 && i + 1 < s.size()) {
            cp = char32_t((c & 0x1F) << 6 | (s[i + 1] & 0x3F));
            n = 2;
        } else if ((c >> 4) == 14 && i + 2 < s.size()) {
            cp = char32_t((c & 0x0F) << 12 | (s[i + 1] & 0x3F) << 6 | (s[i + 2] & 0x3F));
            n = 3;
        } else if ((c >> 3) == 30 && i + 3 < s.size()) {
            n = 4;
        }
        out.push_back(cp <= 0xFFFF ? char16_t(cp) : char16_t(0xFFFD));
        i += n;
    }
    return out;
}

std::string Utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (char16_t ch : text) {
        const unsigned c = ch;
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | c >> 6));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xE0 | c >> 12));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::string ToCodePage(const transfer::CCharacterTables& tables, int32_t codePage,
                       const std::string& utf8) {
    std::string out;
    for (char16_t ch : Utf16FromUtf8(utf8))
        tables.Page(codePage)->Encode(ch, out);
    return out;
}

std::string FromCodePage(const transfer::CCharacterTables& tables, int32_t codePage,
                         const std::string& bytes) {
    return Utf8FromUtf16(tables.Page(codePage)->Decode(bytes.c_str()).text);
}

std::string SystemDicFolder(const char* argv0) {
    std::filesystem::path self = argv0 ? std::filesystem::path(argv0) : std::filesystem::path();
    return (self.parent_path() / "SYSTEMDIC").string();
}
