// The three code pages the engines read and write, and the character maps between Japanese
// kanji and simplified and traditional Chinese characters.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace transfer {

// Code pages as the interface names them; 10932 is written as simplified Chinese in the
// Shift-JIS byte space.
enum CodePage : int32_t {
    kShiftJis = 932,
    kGb2312 = 936,
    kBig5 = 950,
    kHanvellSimplified = 10932,
};

// What a byte sequence that the code page does not map decodes to: one character that
// encodes as the code page's "?".
constexpr char16_t kUndecodable = 0xFFFD;

// A decoded text: one UTF-16 unit per source character, a two-byte character counting one.
struct DecodedText {
    std::u16string text;
};

class CCodePage {
public:
    bool Load(const uint8_t* single, const uint8_t* doubles, const uint8_t* encode,
              size_t encodeCount, bool everyHighByteLeads);

    // Lead bytes follow the editor's rule: Shift-JIS 81-9F and E0-FC, Chinese every byte with
    // the high bit set except FF; a lead byte before the terminator is a character of its own.
    DecodedText Decode(const char* bytes) const;
    DecodedText Decode(const char* bytes, size_t length) const;
    // The same into text, whose buffer is kept.
    void Decode(const char* bytes, size_t length, std::u16string& text) const;
    // Characters the code page lacks become "?".
    void Encode(char16_t ch, std::string& out) const;
    // Encode into room for two bytes at out; returns the place after the bytes written.
    char* EncodeTo(char16_t ch, char* out) const {
        if (ch < 0x80) {
            *out++ = char(ch);
            return out;
        }
        const uint16_t code = m_encode.empty() ? 0 : m_encode[ch];
        if (code == 0) {
            *out++ = '?';
            return out;
        }
        if (code > 0xFF)
            *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
        return out;
    }
    bool CanEncode(char16_t ch) const;

private:
    bool IsLead(uint8_t byte) const;
    std::array<char16_t, 256> m_single{};
    std::vector<char16_t> m_double;  // 128 rows of 256, for lead bytes 80 to FF
    std::vector<uint16_t> m_encode;  // by character; 0 where the code page lacks it
    bool m_bEveryHighByteLeads = false;
};

enum class CharMap { JapaneseToSimplified, JapaneseToTraditional, SimplifiedToJapanese,
                     TraditionalToJapanese, TraditionalToSimplified, SimplifiedToTraditional };

class CCharacterTables {
public:
    // KANJI.TBL of the system dictionary folder; false when it is missing or damaged.
    bool Load(const std::filesystem::path& file);
    bool IsLoaded() const { return m_bLoaded; }

    // Null for a code page the engines do not use (10932 is written through GB2312).
    const CCodePage* Page(int32_t codePage) const;
    // The character itself when the map leaves it unchanged.
    char16_t Map(CharMap map, char16_t ch) const;
    std::u16string Map(CharMap map, const std::u16string& text) const;

private:
    std::array<std::vector<std::pair<char16_t, char16_t>>, 6> m_maps;
    CCodePage m_shiftJis, m_gb, m_big5;
    bool m_bLoaded = false;
};

bool IsKanji(char16_t ch);
bool IsHiragana(char16_t ch);
bool IsKatakana(char16_t ch);

} // namespace transfer
