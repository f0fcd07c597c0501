// Reads a text one character at a time in the multibyte code page of its language.
#include "CharacterReader.h"

CCharacterReader::CCharacterReader(const unsigned char* data, size_t size, int form, unsigned codePage,
                                   const CCodePages& codePages)
    : m_data(data), m_size(size), m_form(form), m_codePage(codePage), m_codePages(codePages) {
    for (int b = 0; b < 256; ++b)
        m_leadByte[b] = IsLeadByte(codePage, static_cast<unsigned char>(b));
    if (form != kFormMultibyte)
        m_bmpCache.assign(0x10000, 0);
    if (form == kFormUtf16 && size >= 2 && data[0] == 0xFF && data[1] == 0xFE)
        m_pos = 2;
    else if (form == kFormUtf8 && size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF)
        m_pos = 3;
}

long CCharacterReader::NextCodePointSlowly() {
    if (m_form == kFormUtf16) {
        if (m_pos + 1 >= m_size)
            return -1;
        long unit = m_data[m_pos] | m_data[m_pos + 1] << 8;
        m_pos += 2;
        if (unit >= 0xD800 && unit < 0xDC00 && m_pos + 1 < m_size) {
            long low = m_data[m_pos] | m_data[m_pos + 1] << 8;
            if (low >= 0xDC00 && low < 0xE000) {
                m_pos += 2;
                return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            }
        }
        return unit;
    }
    if (m_pos >= m_size)
        return -1;
    unsigned char lead = m_data[m_pos++];
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5)
        return 0xFFFD;
    long codePoint = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (m_pos >= m_size || (m_data[m_pos] & 0xC0) != 0x80)
            return 0xFFFD;  // the bytes read so far make no character; the next one starts afresh
        codePoint = codePoint << 6 | (m_data[m_pos++] & 0x3F);
    }
    return codePoint > 0x10FFFF ? 0xFFFD : codePoint;
}

uint32_t CCharacterReader::Convert(long codePoint) {
    std::u16string unit;
    if (codePoint >= 0x10000) {
        unit += char16_t(0xD800 + ((codePoint - 0x10000) >> 10));
        unit += char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
    } else {
        unit += char16_t(codePoint);
    }
    std::string bytes = m_codePages.FromUtf16(unit, m_codePage);
    uint32_t converted;
    if (bytes.size() == 2 && IsLeadByte(m_codePage, static_cast<unsigned char>(bytes[0])))
        converted = 2u << 16 | uint32_t(static_cast<unsigned char>(bytes[0])) << 8 | static_cast<unsigned char>(bytes[1]);
    else if (bytes.size() == 1)
        converted = 1u << 16 | static_cast<unsigned char>(bytes[0]);
    else
        converted = 1u << 16 | '?';
    if (codePoint < 0x10000)
        m_bmpCache[size_t(codePoint)] = converted;
    return converted;
}

TextChar CCharacterReader::NextUnicode() {
    long codePoint;
    do
        codePoint = NextCodePoint();
    while (codePoint == '\r');
    if (codePoint < 0)
        return TextChar();
    if (codePoint == '\n') {
        TextChar c;
        c.kind = kCharLineFeed;
        return c;
    }
    return Unpacked(Converted(codePoint));
}

TextChar CCharacterReader::CopyOrdinaryUnicodeRun(CSentenceBuffer& out, size_t limit, const OrdinaryCharacters& ordinary,
                                                  bool& copiedDouble) {
    uint32_t last = 0;
    while (out.size() < limit) {
        size_t before = m_pos;
        long codePoint = NextCodePoint();
        // Line ends and carriage returns go the character-by-character way.
        if (codePoint < 0 || codePoint == '\r' || codePoint == '\n') {
            m_pos = before;
            break;
        }
        uint32_t converted = Converted(codePoint);
        if ((converted >> 16) == 2) {
            if (ordinary.specialDouble[converted & 0xFFFF]) {
                m_pos = before;
                break;
            }
            char pair[2] = {char((converted >> 8) & 0xFF), char(converted & 0xFF)};
            out.append(pair, 2);
            copiedDouble = true;
            m_lineLength += 2;
        } else {
            if (!ordinary.single[converted & 0xFF]) {
                m_pos = before;
                break;
            }
            out.push_back(char(converted & 0xFF));
            m_lineLength += 1;
        }
        last = converted;
    }
    return last ? Unpacked(last) : TextChar();
}
