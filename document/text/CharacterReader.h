// Reads a text one character at a time in the multibyte code page of its language, whatever
// form the file holds (multibyte, UTF-16 little-endian, UTF-8). Carriage returns are skipped.
#pragma once

#include "CodePages.h"

#include <bitset>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

enum ReadCharKind { kCharEnd = -1, kCharLineFeed = 0, kCharSingle = 1, kCharDouble = 2 };

struct TextChar {
    signed char kind = kCharEnd;  // a ReadCharKind; small, so that a character fits a register
    unsigned char bytes[2] = {0, 0};

    bool IsEnd() const { return kind == kCharEnd; }
    bool IsLineFeed() const { return kind == kCharLineFeed; }
    bool IsSingle(unsigned char b) const { return kind == kCharSingle && bytes[0] == b; }
    bool IsDouble(uint16_t code) const { return kind == kCharDouble && Code() == code; }
    uint16_t Code() const { return uint16_t(bytes[0] << 8 | bytes[1]); }
    int Length() const { return kind == kCharDouble ? 2 : kind == kCharSingle ? 1 : 0; }
    template <typename Text>
    void AppendTo(Text& text) const {
        if (kind == kCharSingle) {
            text.push_back(char(bytes[0]));
        } else if (kind == kCharDouble) {
            text.push_back(char(bytes[0]));
            text.push_back(char(bytes[1]));
        }
    }
};

// The characters no segmentation rule looks at, which the fast path copies in bulk.
struct OrdinaryCharacters {
    bool single[256] = {};
    std::bitset<0x10000> specialDouble;  // the double-byte codes that are not ordinary
    // Per byte: 0 for no lead byte of the code page, 1 for one whose pairs are all ordinary, 2 else.
    unsigned char lead[256] = {};

    void NoteLeadBytes(unsigned codePage) {
        for (int b = 0; b < 256; ++b)
            lead[b] = IsLeadByte(codePage, static_cast<unsigned char>(b)) ? 1 : 0;
    }
    // After NoteLeadBytes.
    void NoteSpecial(uint16_t code) {
        specialDouble[code] = true;
        if (lead[code >> 8])
            lead[code >> 8] = 2;
    }
    bool IsOrdinary(const TextChar& c) const {
        return c.kind == kCharSingle ? single[c.bytes[0]] : c.kind == kCharDouble && !specialDouble[c.Code()];
    }
};

// A sentence while it is read. Segmentation never lets one grow much past its limit; bytes beyond
// the room are dropped rather than written past it.
class CSentenceBuffer {
public:
    size_t size() const { return m_size; }
    const char* data() const { return m_bytes; }
    std::string Text() const { return std::string(m_bytes, m_size); }
    void clear() { m_size = 0; }
    void push_back(char c) {
        if (m_size < sizeof m_bytes)
            m_bytes[m_size++] = c;
    }
    void append(const char* bytes, size_t count) {
        if (count > sizeof m_bytes - m_size)
            count = sizeof m_bytes - m_size;
        std::memcpy(m_bytes + m_size, bytes, count);
        m_size += count;
    }

private:
    char m_bytes[1024];
    size_t m_size = 0;
};

// Character forms of a text file.
enum TextForm { kFormMultibyte = 0, kFormUtf16 = 1, kFormUtf8 = 2 };

class CCharacterReader {
public:
    // The data must outlive the reader. A byte-order mark at the start of a Unicode form is skipped.
    CCharacterReader(const unsigned char* data, size_t size, int form, unsigned codePage, const CCodePages& codePages);

    TextChar Next() {
        TextChar c = m_form == kFormMultibyte ? NextMultibyte() : NextUnicode();
        if (c.kind == kCharLineFeed) {
            m_previousLineLength = m_lineLength;
            m_lineLength = 0;
        } else {
            m_lineLength += c.Length();
        }
        return c;
    }
    // Copies the ordinary characters that follow into out while it holds fewer than limit bytes
    // (a fast path for the bulk of a sentence). Returns the last character copied (the end kind
    // when none) and notes double-byte ones.
    TextChar CopyOrdinaryRun(CSentenceBuffer& out, size_t limit, const OrdinaryCharacters& ordinary, bool& copiedDouble) {
        if (m_form != kFormMultibyte)
            return CopyOrdinaryUnicodeRun(out, limit, ordinary, copiedDouble);
        TextChar last;
        const size_t start = out.size();
        if (start >= limit)
            return last;
        size_t pos = m_pos;
        bool lastDouble = false, anyDouble = false;
        const size_t stop = m_size - m_pos > limit - start ? m_pos + (limit - start) : m_size;
        // Two characters at a time while both are double-byte ones of a lead byte without marks.
        const size_t pairStop = stop < m_size - 1 ? stop : m_size - 1;
        while (pos < stop) {
            if (pos + 2 < pairStop && ordinary.lead[m_data[pos]] == 1 && ordinary.lead[m_data[pos + 2]] == 1) {
                lastDouble = anyDouble = true;
                pos += 4;
                continue;
            }
            unsigned char b = m_data[pos];
            unsigned char lead = ordinary.lead[b];
            if (lead) {
                if (pos + 1 >= m_size || (lead == 2 && ordinary.specialDouble[size_t(b << 8 | m_data[pos + 1])]))
                    break;
                lastDouble = anyDouble = true;
                pos += 2;
            } else {
                if (!ordinary.single[b])
                    break;
                lastDouble = false;
                pos += 1;
            }
        }
        if (pos == m_pos)
            return last;
        copiedDouble = copiedDouble || anyDouble;
        const size_t lastStart = pos - (lastDouble ? 2 : 1);
        out.append(reinterpret_cast<const char*>(m_data + m_pos), pos - m_pos);
        m_lineLength += int(pos - m_pos);
        last.kind = pos - lastStart == 2 ? kCharDouble : kCharSingle;
        last.bytes[0] = m_data[lastStart];
        last.bytes[1] = last.kind == kCharDouble ? m_data[lastStart + 1] : 0;
        m_pos = pos;
        return last;
    }

    // Bytes read since the last line feed, and the length of the line that the last one ended.
    int LineLength() const { return m_lineLength; }
    int PreviousLineLength() const { return m_previousLineLength; }

private:
    TextChar NextMultibyte() {
        TextChar c;
        while (m_pos < m_size && m_data[m_pos] == '\r')
            ++m_pos;
        if (m_pos >= m_size)
            return c;
        unsigned char first = m_data[m_pos++];
        if (first == '\n') {
            c.kind = kCharLineFeed;
            return c;
        }
        c.bytes[0] = first;
        // A lead byte with nothing after it stays a single byte.
        if (m_leadByte[first] && m_pos < m_size) {
            c.bytes[1] = m_data[m_pos++];
            c.kind = kCharDouble;
        } else {
            c.kind = kCharSingle;
        }
        return c;
    }
    TextChar NextUnicode();
    TextChar CopyOrdinaryUnicodeRun(CSentenceBuffer& out, size_t limit, const OrdinaryCharacters& ordinary,
                                    bool& copiedDouble);
    // Code point of the next Unicode character, or -1 at the end.
    long NextCodePoint() {
        // Most characters of a UTF-8 text are ASCII or three bytes long.
        if (m_form == kFormUtf8 && m_pos < m_size) {
            unsigned char lead = m_data[m_pos];
            if (lead < 0x80) {
                ++m_pos;
                return lead;
            }
            if ((lead & 0xF0) == 0xE0 && m_size - m_pos >= 3 && (m_data[m_pos + 1] & 0xC0) == 0x80 &&
                (m_data[m_pos + 2] & 0xC0) == 0x80) {
                long codePoint = long(lead & 0x0F) << 12 | long(m_data[m_pos + 1] & 0x3F) << 6 | (m_data[m_pos + 2] & 0x3F);
                m_pos += 3;
                return codePoint;
            }
        }
        return NextCodePointSlowly();
    }
    long NextCodePointSlowly();
    // The character in the code page, packed as the cache holds it.
    uint32_t Converted(long codePoint) {
        if (codePoint < 0x80)
            return 1u << 16 | uint32_t(codePoint);
        uint32_t converted = codePoint < 0x10000 ? m_bmpCache[size_t(codePoint)] : 0;
        return converted ? converted : Convert(codePoint);
    }
    uint32_t Convert(long codePoint);
    static TextChar Unpacked(uint32_t converted) {
        TextChar c;
        c.kind = (converted >> 16) == 2 ? kCharDouble : kCharSingle;
        c.bytes[0] = c.kind == kCharDouble ? (converted >> 8) & 0xFF : converted & 0xFF;
        c.bytes[1] = c.kind == kCharDouble ? converted & 0xFF : 0;
        return c;
    }

    const unsigned char* m_data;
    size_t m_size;
    size_t m_pos = 0;
    int m_form;
    unsigned m_codePage;
    const CCodePages& m_codePages;
    int m_lineLength = 0;
    int m_previousLineLength = 0;
    bool m_leadByte[256];
    // Converted form of each character of the Basic Multilingual Plane, filled as met:
    // 0 = not yet converted, else length (1 or 2) in bits 16-17 and the bytes below.
    std::vector<uint32_t> m_bmpCache;
};
