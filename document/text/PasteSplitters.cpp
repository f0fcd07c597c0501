// Cutting text pasted into the source pane into one piece per sentence.
#include "PasteSplitters.h"

#include "BlankCleaning.h"
#include "CodePages.h"
#include "Punctuation.h"

namespace {

unsigned CodePageOfCode(int code) {
    return code == 1 ? kCodePageSimplified : code == 2 ? kCodePageTraditional : kCodePageJapanese;
}

bool IsChineseLead(unsigned char b) { return b >= 0x80 && b != 0xFF; }

uint16_t PairAt(const std::string& text, size_t i) {
    return uint16_t(static_cast<unsigned char>(text[i]) << 8 | static_cast<unsigned char>(text[i + 1]));
}

// Skips the blanks after a piece: the next piece's start, or when only blanks remain, the place
// after the last carriage return among them (0 when there is none).
size_t SkipFollowingBlanks(const std::string& text, size_t i, uint16_t fullWidthBlank,
                           bool (*isLead)(unsigned char)) {
    size_t afterCarriageReturn = 0;
    while (i < text.size()) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (b <= 0x20) {
            if (b == '\r')
                afterCarriageReturn = i + 1;
            ++i;
        } else if (isLead(b) && i + 1 < text.size() && PairAt(text, i) == fullWidthBlank) {
            i += 2;
        } else {
            return i;
        }
    }
    return afterCarriageReturn;
}

bool IsShiftJisLead(unsigned char b) { return IsLeadByte(kCodePageJapanese, b); }

// One character of Chinese text: its bytes, or none at the end or at a zero byte.
struct ChineseChar {
    int length = 0;  // 0 none, 1 or 2 bytes
    uint16_t code = 0;  // the byte, or the pair
    bool Is(uint16_t c, int len) const { return length == len && code == c; }
};

ChineseChar ChineseCharAt(const std::string& text, size_t i) {
    ChineseChar c;
    if (i >= text.size() || text[i] == 0)
        return c;
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (IsChineseLead(b) && i + 1 < text.size()) {
        if (text[i + 1] == 0)
            return c;
        c.length = 2;
        c.code = PairAt(text, i);
    } else {
        c.length = 1;
        c.code = b;
    }
    return c;
}

class CChineseSplitter {
public:
    CChineseSplitter(unsigned codePage, const SegmentationValues& v) : m_p(PunctuationFor(codePage)), m_v(v) {}

    bool IsDigit(const ChineseChar& c) const {
        return (c.length == 1 && c.code >= '0' && c.code <= '9') ||
               (c.length == 2 && c.code >= m_p.fullWidthDigitFirst && c.code <= m_p.fullWidthDigitLast);
    }

    int ClassOf(const ChineseChar& c) const {
        if (c.length == 2) {
            if (c.code == m_p.fullStop)
                return 1;
            if (m_v.periodOnly == 2 && c.code == m_p.fullWidthPeriod)
                return 8;
            if (m_v.questionMark && c.code == m_p.question)
                return 9;
            if (m_v.exclamationMark && c.code == m_p.exclamation)
                return 10;
            if (m_v.dashMark && m_p.endMarkDash && c.code == m_p.endMarkDash)
                return 6;
            if (m_v.omitMark && m_p.ellipsis && c.code == m_p.ellipsis)
                return 7;
            if (m_v.semicolonMark && c.code == m_p.semicolon)
                return 11;
            return 0;
        }
        if (c.length != 1)
            return 0;
        if (m_v.periodOnly == 2 && c.code == '.')
            return 2;
        if (m_v.questionMark && c.code == '?')
            return 3;
        if (m_v.exclamationMark && c.code == '!')
            return 4;
        if (m_v.semicolonMark && c.code == ';')
            return 11;
        return 0;
    }

    // Whether the piece ends after c, given the character before it and the one after it.
    bool EndsAfter(const ChineseChar& c, const ChineseChar& before, const ChineseChar& next) const {
        bool beforeIsDigit = IsDigit(before);
        if (m_v.colonMark && (c.Is(':', 1) || c.Is(m_p.colon, 2)) && !beforeIsDigit)
            return true;
        if (m_v.commaMark && (c.Is(',', 1) || (m_p.comma && c.Is(m_p.comma, 2))))
            return !(beforeIsDigit && IsDigit(next));
        if (m_v.dashMark && m_p.ruleDash && c.Is(m_p.ruleDash, 2) && !beforeIsDigit)
            return !next.Is(m_p.ruleDash, 2);
        int mark = ClassOf(c);
        int nextMark = ClassOf(next);
        switch (mark) {
        case 1:
        case 11: return true;
        case 2:
        case 6:
        case 7:
        case 8: return nextMark != mark;
        case 3:
        case 4: return nextMark != 3 && nextMark != 4;
        case 9:
        case 10: return nextMark != 9 && nextMark != 10;
        }
        if (m_v.periodOnly == 1 && (c.Is('.', 1) || c.Is(m_p.fullWidthPeriod, 2)) && !beforeIsDigit)
            return !(next.length == c.length && next.code == c.code);
        return false;
    }

    bool TakesClosingQuote(const ChineseChar& c) const {
        int mark = ClassOf(c);
        return mark == 1 || mark == 9 || mark == 10;
    }

    const PunctuationCodes& m_p;
    const SegmentationValues& m_v;
};

} // namespace

std::string TakeSimplePiece(const std::string& text, size_t& position, int code, const SegmentationValues& v) {
    const unsigned codePage = CodePageOfCode(code);
    const PunctuationCodes& p = PunctuationFor(codePage);
    bool (*isLead)(unsigned char) = codePage == kCodePageJapanese ? IsShiftJisLead : IsChineseLead;
    std::string piece;
    size_t i = position;
    while (i < text.size() && piece.size() < kMaxPieceBytes) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (isLead(b) && i + 1 < text.size()) {
            uint16_t pair = PairAt(text, i);
            piece.append(text, i, 2);
            i += 2;
            if (pair == p.fullStop || (v.periodOnly == 2 && pair == p.fullWidthPeriod) ||
                (v.questionMark && pair == p.question) || (v.exclamationMark && pair == p.exclamation) ||
                (v.semicolonMark && pair == p.semicolon))
                break;
            continue;
        }
        if (b == '\n')
            break;
        ++i;
        if (b == '\r')
            continue;
        piece += b < 0x20 ? ' ' : char(b);
        if (b == 0xA1)
            break;
    }
    position = SkipFollowingBlanks(text, i, p.fullWidthBlank, isLead);
    return piece;
}

std::string TakeChinesePiece(const std::string& text, size_t& position, unsigned codePage,
                             const SegmentationValues& v) {
    CChineseSplitter splitter(codePage, v);
    const PunctuationCodes& p = splitter.m_p;
    std::string piece;
    ChineseChar before, last;
    size_t i = position;
    bool usedUp = false;
    while (piece.size() < kMaxPieceBytes) {
        ChineseChar c = ChineseCharAt(text, i);
        if (c.length == 0) {
            usedUp = true;
            break;
        }
        if (c.length == 2) {
            i += 2;
            if (piece.empty() && c.code == p.fullWidthBlank)
                continue;
        } else {
            if (c.code == '\n')
                break;
            ++i;
            if (c.code == '\r' || (c.code == ' ' && piece.empty()))
                continue;
            if (c.code < 0x20)
                c.code = ' ';
        }
        if (c.length == 2) {
            piece += char(c.code >> 8);
            piece += char(c.code & 0xFF);
        } else {
            piece += char(c.code);
        }
        before = last;
        last = c;
        if (c.Is(0xA1, 1))
            break;
        ChineseChar next = ChineseCharAt(text, i);
        if (splitter.EndsAfter(c, before, next)) {
            if (splitter.TakesClosingQuote(c) && p.closingQuote && next.Is(p.closingQuote, 2)) {
                piece.append(text, i, 2);
                i += 2;
            }
            break;
        }
    }
    piece = CleanChineseBlanks(piece, codePage, v.spaceCutFlag, v.spaceCutLength);
    position = usedUp ? 0 : SkipFollowingBlanks(text, i, p.fullWidthBlank, IsChineseLead);
    return piece;
}
