// Cuts a plain text into separators and sentences under the segmentation values of the direction.
#include "SentenceSegmenter.h"

#include "BlankCleaning.h"
#include "Punctuation.h"

#include <algorithm>

namespace {

class CSegmenter {
public:
    // sizeHint, the size of the text, only guides how much room is set aside.
    CSegmenter(CCharacterReader& reader, size_t sizeHint, unsigned codePage, TransDirection direction,
               const SegmentationValues& v)
        : m_reader(reader), m_sizeHint(sizeHint), m_codePage(codePage), m_p(PunctuationFor(codePage)),
          m_chinese(direction == kChineseToJapanese), m_v(v) {
        BuildOrdinaryTables();
    }

    SegmentationResult Run();

private:
    void Read() { m_cur = m_reader.Next(); }
    void BuildOrdinaryTables();
    bool IsOrdinary(const TextChar& c) const {
        return m_ordinary.IsOrdinary(c);
    }
    void CollectSeparator(std::string& separator);
    void CollectSentence(CSentenceBuffer& sentence);
    // Stores the current character, reads the next one.
    void Take(CSentenceBuffer& sentence) {
        // Only blanks and a lead byte left alone at the end give the blank cleaning work.
        m_needsCleaning = m_needsCleaning ||
                          (m_cur.kind == kCharSingle ? m_cleaningSingle[m_cur.bytes[0]] : IsBlank(m_cur));
        m_last = m_cur;
        m_cur.AppendTo(sentence);
        Read();
    }
    // Takes the characters that repeat like.
    void TakeRun(CSentenceBuffer& sentence, const TextChar like) {
        while (sentence.size() < kMaxSegmentBytes && Same(m_cur, like))
            Take(sentence);
    }
    // One ")" and then one "）", when they follow.
    void TakeClosingParentheses(CSentenceBuffer& sentence) {
        if (m_cur.IsSingle(')') && sentence.size() < kMaxSegmentBytes)
            Take(sentence);
        if (m_cur.IsDouble(m_p.closingParen) && sentence.size() < kMaxSegmentBytes)
            Take(sentence);
    }
    // Period handling 1: a period after anything but a digit or a dot ends the sentence.
    bool EndsAtPeriodRun(const TextChar& stored) const {
        return m_v.periodOnly == 1 && !IsDigitOrDot(stored) &&
               (m_cur.IsSingle('.') || m_cur.IsDouble(m_p.fullWidthPeriod));
    }
    void TakePeriodRun(CSentenceBuffer& sentence) {
        TakeRun(sentence, m_cur);
        TakeClosingParentheses(sentence);
    }
    static bool Same(const TextChar& c, const TextChar& like) {
        return c.kind == like.kind && c.Code() == like.Code() && c.bytes[0] == like.bytes[0];
    }
    int EndMarkClass(const TextChar& c) const;
    static bool IsDigit(const TextChar& c) {
        return (c.kind == kCharSingle && c.bytes[0] >= '0' && c.bytes[0] <= '9') ||
               (c.kind == kCharDouble && c.Code() >= 0x824F && c.Code() <= 0x8258);
    }
    static bool IsDigitOrDot(const TextChar& c) { return IsDigit(c) || c.IsSingle('.') || c.IsDouble(0x8144); }
    bool IsBlank(const TextChar& c) const { return c.IsSingle(' ') || c.IsDouble(m_p.fullWidthBlank); }

    CCharacterReader& m_reader;
    size_t m_sizeHint;
    unsigned m_codePage;
    const PunctuationCodes& m_p;
    bool m_chinese;
    const SegmentationValues& m_v;
    TextChar m_cur;
    TextChar m_last;
    bool m_pendingParagraph = false;
    bool m_needsCleaning = false;
    OrdinaryCharacters m_ordinary;
    bool m_cleaningSingle[256] = {};  // the blank and the lead bytes
};

void CSegmenter::BuildOrdinaryTables() {
    m_ordinary.NoteLeadBytes(m_codePage);
    for (int b = 0; b < 256; ++b)
        m_cleaningSingle[b] = b == ' ' || IsLeadByte(m_codePage, static_cast<unsigned char>(b));
    for (int b = 0x21; b < 0x80; ++b)
        m_ordinary.single[b] = true;
    // Only the marks a rule of these values looks at leave the fast path; the closing parenthesis
    // and quote matter only right after a mark, which the character-by-character way reads.
    m_ordinary.single['.'] = false;
    m_ordinary.single['?'] = !m_v.questionMark;
    m_ordinary.single['!'] = !m_v.exclamationMark;
    m_ordinary.single[':'] = !m_v.colonMark;
    m_ordinary.single[';'] = !m_v.semicolonMark;
    m_ordinary.single[','] = !(m_chinese && m_v.commaMark);
    // Half-width katakana; the half-width full stop A1 is an end mark.
    for (int b = 0xA2; b <= 0xDF; ++b)
        m_ordinary.single[b] = !IsLeadByte(m_codePage, static_cast<unsigned char>(b));
    const uint16_t codes[] = {m_p.fullWidthBlank,
                              m_p.fullWidthPeriod,
                              m_p.fullStop,
                              m_v.questionMark ? m_p.question : uint16_t(0),
                              m_v.exclamationMark ? m_p.exclamation : uint16_t(0),
                              m_v.colonMark ? m_p.colon : uint16_t(0),
                              m_chinese && m_v.commaMark ? m_p.comma : uint16_t(0),
                              m_v.semicolonMark ? m_p.semicolon : uint16_t(0),
                              m_chinese && m_v.omitMark ? m_p.ellipsis : uint16_t(0),
                              m_chinese && m_v.dashMark ? m_p.endMarkDash : uint16_t(0),
                              m_chinese && m_v.dashMark ? m_p.ruleDash : uint16_t(0),
                              0x8144};
    for (uint16_t code : codes)
        if (code)
            m_ordinary.NoteSpecial(code);
    for (uint16_t digit = 0x824F; digit <= 0x8258; ++digit)
        m_ordinary.NoteSpecial(digit);
}

int CSegmenter::EndMarkClass(const TextChar& c) const {
    if (c.kind == kCharDouble) {
        uint16_t code = c.Code();
        if (code == m_p.fullStop)
            return 1;
        if (!m_chinese && m_v.semicolonMark && code == m_p.semicolon)
            return 1;
        if (m_chinese && m_v.dashMark && m_p.endMarkDash && code == m_p.endMarkDash)
            return 6;
        if (m_chinese && m_v.omitMark && m_p.ellipsis && code == m_p.ellipsis)
            return 7;
        if (m_v.periodOnly == 2 && code == m_p.fullWidthPeriod)
            return 8;
        if (m_v.questionMark && code == m_p.question)
            return 9;
        if (m_v.exclamationMark && code == m_p.exclamation)
            return 10;
        if (m_chinese && m_v.semicolonMark && code == m_p.semicolon)
            return 11;
        return 0;
    }
    if (c.kind != kCharSingle)
        return 0;
    unsigned char b = c.bytes[0];
    if (!m_chinese && (b == 0xA1 || (m_v.semicolonMark && b == ';')))
        return 1;
    if (m_v.periodOnly == 2 && b == '.')
        return 2;
    if (m_v.questionMark && b == '?')
        return 3;
    if (m_v.exclamationMark && b == '!')
        return 4;
    if (m_chinese && m_v.semicolonMark && b == ';')
        return 11;
    return 0;
}

void CSegmenter::CollectSeparator(std::string& separator) {
    for (;;) {
        // Byte by byte: the separators are short, and most are one line break.
        if (m_pendingParagraph) {
            separator.push_back('\r');
            separator.push_back('\n');
            m_pendingParagraph = false;
            continue;
        }
        if (m_cur.IsEnd())
            return;
        char piece[2];
        size_t length = 2;
        if (m_cur.IsLineFeed()) {
            piece[0] = '\r';
            piece[1] = '\n';
        } else if (m_cur.kind == kCharSingle && m_cur.bytes[0] <= 0x20) {
            // A zero byte would end the separator in a bilingual file; it is kept as a blank.
            piece[0] = m_cur.bytes[0] == 0 ? ' ' : char(m_cur.bytes[0]);
            length = 1;
        } else if (m_cur.IsDouble(m_p.fullWidthBlank)) {
            piece[0] = char(m_cur.bytes[0]);
            piece[1] = char(m_cur.bytes[1]);
        } else {
            return;
        }
        // Blank lines beyond what a separator holds are dropped; the text goes on.
        if (separator.size() + length <= kMaxSegmentBytes) {
            separator.push_back(piece[0]);
            if (length == 2)
                separator.push_back(piece[1]);
        }
        Read();
    }
}

void CSegmenter::CollectSentence(CSentenceBuffer& s) {
    m_last = TextChar();
    bool asciiBlankBefore = false;
    bool fullWidthBlankOpen = false;
    while (s.size() < kMaxSegmentBytes) {
        if (IsOrdinary(m_cur)) {
            // The bulk of a sentence: copy the run of ordinary characters at once. No rule below
            // looks at an ordinary character, so they come first.
            bool copiedDouble = m_cur.kind == kCharDouble;
            m_last = m_cur;
            m_cur.AppendTo(s);
            TextChar last = m_reader.CopyOrdinaryRun(s, kMaxSegmentBytes, m_ordinary, copiedDouble);
            if (!last.IsEnd())
                m_last = last;
            asciiBlankBefore = false;
            if (copiedDouble)
                fullWidthBlankOpen = false;
            Read();
            if (EndsAtPeriodRun(m_last)) {
                TakePeriodRun(s);
                return;
            }
            continue;
        }

        if (m_cur.IsEnd())
            return;
        if (m_cur.IsLineFeed()) {
            if (m_v.lineFlag == 0)
                return;
            if (m_v.lineFlag == 1 && m_reader.PreviousLineLength() < m_v.lineLength)
                return;
            Read();
            if (m_cur.IsLineFeed()) {
                m_pendingParagraph = true;
                return;
            }
            continue;  // the lines are joined without a blank
        }

        if (m_chinese) {
            if ((m_cur.IsSingle(' ') && asciiBlankBefore) ||
                (m_cur.IsDouble(m_p.fullWidthBlank) && fullWidthBlankOpen)) {
                Take(s);
                return;
            }
        }
        if (m_cur.kind == kCharSingle && m_cur.bytes[0] < 0x20)
            m_cur.bytes[0] = ' ';

        const TextChar before = m_last;
        if (m_v.colonMark && (m_cur.IsSingle(':') || m_cur.IsDouble(m_p.colon)) && !IsDigit(before)) {
            Take(s);
            return;
        }
        if (m_chinese && m_v.commaMark && (m_cur.IsSingle(',') || (m_p.comma && m_cur.IsDouble(m_p.comma)))) {
            Take(s);
            if (IsDigit(before) && IsDigit(m_cur))
                continue;
            return;
        }
        if (m_chinese && m_v.dashMark && m_p.ruleDash && m_cur.IsDouble(m_p.ruleDash) && !IsDigit(before)) {
            TakeRun(s, m_cur);
            return;
        }
        if (int mark = EndMarkClass(m_cur)) {
            TextChar markChar = m_cur;
            Take(s);
            auto takeRun = [&](char single, uint16_t code) {
                TextChar like;
                like.kind = single ? kCharSingle : kCharDouble;
                like.bytes[0] = single ? static_cast<unsigned char>(single) : static_cast<unsigned char>(code >> 8);
                like.bytes[1] = single ? 0 : static_cast<unsigned char>(code & 0xFF);
                TakeRun(s, like);
            };
            switch (mark) {
            case 2: takeRun('.', 0); break;
            case 3:
            case 4:
                takeRun('?', 0);
                takeRun('!', 0);
                break;
            case 8: takeRun(0, m_p.fullWidthPeriod); break;
            case 9:
            case 10:
                takeRun(0, m_p.question);
                takeRun(0, m_p.exclamation);
                if (m_chinese && m_p.closingQuote && m_cur.IsDouble(m_p.closingQuote) && s.size() < kMaxSegmentBytes) {
                    Take(s);
                    return;
                }
                break;
            case 6:
            case 7:
                if (m_chinese)
                    TakeRun(s, markChar);
                break;
            case 1:
                if (m_chinese && m_p.closingQuote && m_cur.IsDouble(m_p.closingQuote) && s.size() < kMaxSegmentBytes) {
                    Take(s);
                    return;
                }
                break;
            }
            TakeClosingParentheses(s);
            return;
        }

        const TextChar stored = m_cur;
        Take(s);
        asciiBlankBefore = stored.IsSingle(' ');
        if (stored.IsDouble(m_p.fullWidthBlank))
            fullWidthBlankOpen = true;
        else if (stored.kind == kCharDouble)
            fullWidthBlankOpen = false;

        bool storedPeriod = stored.IsSingle('.') || stored.IsDouble(m_p.fullWidthPeriod);
        if (EndsAtPeriodRun(stored)) {
            TakePeriodRun(s);
            return;
        }
        if (m_v.periodOnly == 0 && storedPeriod && (IsBlank(m_cur) || m_cur.IsLineFeed() || m_cur.IsEnd()))
            return;
    }
}

SegmentationResult CSegmenter::Run() {
    SegmentationResult result;
    Read();
    if (m_cur.IsSingle(0)) {
        result.end = SegmentationEnd::BilingualFile;
        return result;
    }
    // Sentences are gathered in one buffer and stored at their own size.
    CSentenceBuffer sentence;
    result.segments.reserve(std::min(size_t(kMaxReadSentences), m_sizeHint / 32 + 1));
    while (result.segments.size() < size_t(kMaxReadSentences)) {
        result.segments.emplace_back();
        Segment& segment = result.segments.back();
        CollectSeparator(segment.separator);
        sentence.clear();
        m_needsCleaning = false;
        CollectSentence(sentence);
        if (!m_needsCleaning)
            segment.sentence = std::string(sentence.data(), sentence.size());
        else if (m_chinese)
            segment.sentence = CleanChineseBlanks(sentence.Text(), m_codePage, m_v.spaceCutFlag, m_v.spaceCutLength);
        else
            segment.sentence = CleanJapaneseBlanks(sentence.Text());
        if (segment.sentence.empty()) {
            result.segments.pop_back();
            break;
        }
        if (m_cur.IsEnd())
            break;
    }
    if (result.segments.size() == size_t(kMaxReadSentences)) {
        result.segments.pop_back();
        result.end = SegmentationEnd::TooManySentences;
    }
    if (result.segments.empty())
        result.segments.emplace_back();
    result.previousLineLength = m_reader.PreviousLineLength();
    return result;
}

} // namespace

SegmentationResult SegmentText(const unsigned char* data, size_t size, int form, unsigned codePage,
                               TransDirection direction, const SegmentationValues& values,
                               const CCodePages& codePages) {
    CCharacterReader reader(data, size, form, codePage, codePages);
    return CSegmenter(reader, size, codePage, direction, values).Run();
}
