// The three code pages the engines read and write, and the character maps between Japanese
// kanji and simplified and traditional Chinese characters.
#include "CharacterTables.h"

#include "DataFile.h"

#include <algorithm>
#include <cstring>

namespace transfer {

bool IsKanji(char16_t ch) {
    return (ch >= 0x4E00 && ch <= 0x9FFF) || (ch >= 0x3400 && ch <= 0x4DBF) ||
           (ch >= 0xF900 && ch <= 0xFAFF) || ch == 0x3005;
}

bool IsHiragana(char16_t ch) { return ch >= 0x3041 && ch <= 0x309F; }

bool IsKatakana(char16_t ch) { return (ch >= 0x30A1 && ch <= 0x30FF) || (ch >= 0xFF66 && ch <= 0xFF9F); }

bool CCodePage::Load(const uint8_t* single, const uint8_t* doubles, const uint8_t* encode,
                     size_t encodeCount, bool everyHighByteLeads) {
    for (size_t i = 0; i < 256; ++i)
        m_single[i] = char16_t(ReadU16(single + 2 * i));
    m_double.resize(128 * 256);
    for (size_t i = 0; i < m_double.size(); ++i)
        m_double[i] = char16_t(ReadU16(doubles + 2 * i));
    // Every character's code at its own place: encoding is the engines' commonest lookup.
    m_encode.assign(0x10000, 0);
    char16_t previous = 0;
    for (size_t i = 0; i < encodeCount; ++i) {
        const char16_t ch = char16_t(ReadU16(encode + 4 * i));
        if (i > 0 && ch < previous)
            return false;
        previous = ch;
        // Of codes given for one character, the first is the one written.
        if (ch >= 0x80 && m_encode[ch] == 0)
            m_encode[ch] = ReadU16(encode + 4 * i + 2);
    }
    m_bEveryHighByteLeads = everyHighByteLeads;
    return true;
}

bool CCodePage::IsLead(uint8_t byte) const {
    if (m_bEveryHighByteLeads)
        return byte >= 0x81 && byte <= 0xFE;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

DecodedText CCodePage::Decode(const char* bytes) const {
    return Decode(bytes, bytes ? std::strlen(bytes) : 0);
}

DecodedText CCodePage::Decode(const char* bytes, size_t length) const {
    DecodedText out;
    Decode(bytes, length, out.text);
    return out;
}

void CCodePage::Decode(const char* bytes, size_t length, std::u16string& text) const {
    // At most one character a byte: written in place, then cut to the characters made.
    text.resize(length);
    char16_t* out = text.data();
    for (size_t i = 0; i < length; ++i) {
        const uint8_t b = uint8_t(bytes[i]);
        if (IsLead(b) && i + 1 < length && bytes[i + 1] != 0) {
            const uint8_t trail = uint8_t(bytes[++i]);
            const char16_t ch = m_double[size_t(b - 0x80) * 256 + trail];
            *out++ = ch ? ch : kUndecodable;
        } else if (b < 0x80) {
            *out++ = char16_t(b);
        } else {
            *out++ = m_single[b] ? m_single[b] : kUndecodable;
        }
    }
    text.resize(size_t(out - text.data()));
}

bool CCodePage::CanEncode(char16_t ch) const {
    return ch < 0x80 || (!m_encode.empty() && m_encode[ch] != 0);
}

void CCodePage::Encode(char16_t ch, std::string& out) const {
    if (ch < 0x80) {
        out.push_back(char(ch));
        return;
    }
    const uint16_t code = m_encode.empty() ? 0 : m_encode[ch];
    if (code == 0) {
        out.push_back('?');
        return;
    }
    if (code > 0xFF)
        out.push_back(char(code >> 8));
    out.push_back(char(code & 0xFF));
}

bool CCharacterTables::Load(const std::filesystem::path& file) {
    m_bLoaded = false;
    CDataFile data;
    if (!data.Load(file, "KTBL"))
        return false;
    for (uint32_t i = 0; i < 6; ++i) {
        Section s = data.Find(i + 1);
        auto& map = m_maps[i];
        map.resize(s.Count<uint32_t>());
        for (size_t k = 0; k < map.size(); ++k)
            map[k] = {char16_t(ReadU16(s.data + 4 * k)), char16_t(ReadU16(s.data + 4 * k + 2))};
        if (!std::is_sorted(map.begin(), map.end()))
            return false;
    }
    const struct {
        uint32_t codePage;
        CCodePage* page;
        bool everyHighByteLeads;
    } pages[] = {{932, &m_shiftJis, false}, {936, &m_gb, true}, {950, &m_big5, true}};
    for (const auto& p : pages) {
        Section single = data.Find(p.codePage * 10 + 1), doubles = data.Find(p.codePage * 10 + 2),
                encode = data.Find(p.codePage * 10 + 3);
        if (single.size != 512 || doubles.size != 128 * 256 * 2 ||
            !p.page->Load(single.data, doubles.data, encode.data, encode.Count<uint32_t>(),
                          p.everyHighByteLeads))
            return false;
    }
    m_bLoaded = true;
    return true;
}

const CCodePage* CCharacterTables::Page(int32_t codePage) const {
    switch (codePage) {
    case kShiftJis: return &m_shiftJis;
    case kGb2312: return &m_gb;
    case kBig5: return &m_big5;
    default: return nullptr;
    }
}

char16_t CCharacterTables::Map(CharMap map, char16_t ch) const {
    const auto& table = m_maps[size_t(map)];
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(ch, char16_t(0)));
    return it != table.end() && it->first == ch ? it->second : ch;
}

std::u16string CCharacterTables::Map(CharMap map, const std::u16string& text) const {
    std::u16string out(text);
    for (char16_t& ch : out)
        ch = Map(map, ch);
    return out;
}

} // namespace transfer
