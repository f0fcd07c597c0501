// A source text cut into sentences by the segmentation values of the configuration.
#include "SentenceSplit.h"

#include <algorithm>

namespace transfer {

namespace {

constexpr char16_t kFullBlank = 0x3000;
constexpr char16_t kFullPeriod = 0xFF0E;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == kFullBlank; }
bool IsDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= 0xFF10 && c <= 0xFF19); }
bool IsDigitOrDot(char16_t c) { return IsDigit(c) || c == u'.' || c == kFullPeriod; }
bool IsDash(char16_t c) { return c == 0xFF0D || c == 0x2014 || c == 0x2015; }
bool IsPeriod(char16_t c) { return c == u'.' || c == kFullPeriod; }
bool IsColon(char16_t c) { return c == u':' || c == 0xFF1A; }
bool IsComma(char16_t c) { return c == u',' || c == 0xFF0C; }
bool IsSemicolon(char16_t c) { return c == u';' || c == 0xFF1B; }
// One byte in the source code page: ASCII and half-width katakana; every other character two.
bool IsSingleByte(char16_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

// The end-mark classes: 1 。, 2 ., 3 ?, 4 !, 6 dash, 7 …, 8 ．, 9 ？, 10 ！, 11 semicolon (CJ).
int EndClass(char16_t c, bool chinese, const SegmentationValues& v) {
    if (c == u'。')
        return 1;
    if (!chinese && (c == 0xFF61 || (IsSemicolon(c) && v.semicolonMark)))
        return 1;
    if (c == u'.' && v.periodOnly == 2)
        return 2;
    if (c == u'?' && v.questionMark)
        return 3;
    if (c == u'!' && v.exclamationMark)
        return 4;
    if (chinese && IsDash(c) && v.dashMark)
        return 6;
    if (chinese && c == u'…' && v.omitMark)
        return 7;
    if (c == kFullPeriod && v.periodOnly == 2)
        return 8;
    if (c == 0xFF1F && v.questionMark)
        return 9;
    if (c == 0xFF01 && v.exclamationMark)
        return 10;
    if (chinese && IsSemicolon(c) && v.semicolonMark)
        return 11;
    return 0;
}

// A word character of the Japanese blank rule: blanks next to one stay.
bool IsJapaneseWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= 0xFF21 && c <= 0xFF3A) ||
           (c >= 0xFF41 && c <= 0xFF5A) || (c >= 0x3041 && c <= 0x3093) || (c >= 0x30A1 && c <= 0x30F6) ||
           (c >= 0xFF6B && c <= 0xFF9F);
}

struct Chars {
    std::u16string text;
    std::vector<size_t> origin;
    void Put(char16_t c, size_t at) {
        text.push_back(c);
        origin.push_back(at);
    }
};

// Runs of blanks become their first blank; a blank goes when neither neighbour is a word
// character, and at the end.
Chars CleanJapaneseBlanks(const Chars& in) {
    Chars runs;
    for (size_t i = 0; i < in.text.size(); ++i)
        if (!(IsBlank(in.text[i]) && i > 0 && IsBlank(in.text[i - 1])))
            runs.Put(in.text[i], in.origin[i]);
    Chars out;
    const size_t n = runs.text.size();
    for (size_t i = 0; i < n; ++i) {
        if (IsBlank(runs.text[i])) {
            const bool before = i > 0 && IsJapaneseWordCharacter(runs.text[i - 1]);
            const bool after = i + 1 < n && IsJapaneseWordCharacter(runs.text[i + 1]);
            if (i + 1 == n || (!before && !after))
                continue;
        }
        out.Put(runs.text[i], runs.origin[i]);
    }
    return out;
}

// A single blank between two short runs of which one is Chinese goes; so does a single blank
// at the end after a short Chinese run.
Chars CleanChineseBlanks(const Chars& in, size_t limit) {
    const size_t n = in.text.size();
    // The length of the run of non-blanks ending before i, or starting at i, and whether it
    // holds a double-byte character.
    auto runBefore = [&](size_t i, bool& wide) {
        size_t length = 0;
        wide = false;
        while (i > 0 && !IsBlank(in.text[i - 1])) {
            wide = wide || !IsSingleByte(in.text[i - 1]);
            ++length;
            --i;
        }
        return length;
    };
    auto runAfter = [&](size_t i, bool& wide) {
        size_t length = 0;
        wide = false;
        while (i < n && !IsBlank(in.text[i])) {
            wide = wide || !IsSingleByte(in.text[i]);
            ++length;
            ++i;
        }
        return length;
    };
    Chars out;
    for (size_t i = 0; i < n; ++i) {
        const bool single = IsBlank(in.text[i]) && i > 0 && !IsBlank(in.text[i - 1]) &&
                            (i + 1 == n || !IsBlank(in.text[i + 1]));
        if (single) {
            bool wideBefore = false, wideAfter = false;
            const size_t before = runBefore(i, wideBefore);
            if (i + 1 == n) {
                if (before <= limit && wideBefore)
                    continue;
            } else {
                const size_t after = runAfter(i + 1, wideAfter);
                if (before <= limit && after <= limit && (wideBefore || wideAfter))
                    continue;
            }
        }
        out.Put(in.text[i], in.origin[i]);
    }
    return out;
}

class CSplitter {
public:
    CSplitter(const std::u16string& source, TransDirection direction, const SegmentationValues& values,
              SplitText& out)
        : m_source(source), m_chinese(direction == kChineseToJapanese), m_values(values), m_out(out) {}

    void Run() {
        m_out.text.clear();
        m_out.origin.clear();
        m_out.spans.clear();
        // Without line breaks, blanks, control characters and marks the text stays as it is:
        // only where its sentences end is to be found.
        m_bVerbatim = std::none_of(m_source.begin(), m_source.end(), [](char16_t c) {
            return c <= 0x20 || c == kFullBlank || c == u'[';
        });
        if (m_bVerbatim) {
            while (m_at < m_source.size())
                VerbatimSentence();
            m_out.text = m_source;
            m_out.origin.resize(m_source.size() + 1);
            for (size_t i = 0; i <= m_source.size(); ++i)
                m_out.origin[i] = i;
            return;
        }
        m_out.text.reserve(m_source.size());
        m_out.origin.reserve(m_source.size() + 1);
        while (m_at < m_source.size()) {
            Separator();
            if (m_at < m_source.size())
                Sentence();
        }
        m_out.origin.push_back(m_source.size());
    }

private:
    char16_t At(size_t i) const { return i < m_source.size() ? m_source[i] : 0; }

    // The length of the line break at i: "\r\n", "\n" or "\r"; 0 for none.
    size_t LineBreakAt(size_t i) const {
        if (At(i) == u'\r')
            return At(i + 1) == u'\n' ? 2 : 1;
        return At(i) == u'\n' ? 1 : 0;
    }

    void Emit(size_t start, bool sentence) {
        if (m_out.text.size() > start)
            m_out.spans.push_back({start, m_out.text.size() - start, sentence});
    }

    void Separator() {
        const size_t start = m_out.text.size();
        while (m_at < m_source.size()) {
            if (const size_t lb = LineBreakAt(m_at)) {
                for (size_t k = 0; k < lb; ++k)
                    m_out.text.push_back(m_source[m_at + k]), m_out.origin.push_back(m_at + k);
                m_at += lb;
                m_lineBytes = 0;
            } else if (m_source[m_at] <= 0x20 || m_source[m_at] == kFullBlank) {
                m_out.text.push_back(m_source[m_at]);
                m_out.origin.push_back(m_at);
                m_lineBytes += IsSingleByte(m_source[m_at]) ? 1 : 2;
                ++m_at;
            } else {
                break;
            }
        }
        Emit(start, false);
    }

    void Store(size_t at) {
        const char16_t c = m_source[at];
        if (!m_bVerbatim)
            m_sentence.Put(c < 0x20 ? u' ' : c, at);
        m_lineBytes += IsSingleByte(c) ? 1 : 2;
    }

    // Sentence for a verbatim text: the characters stored are the source's own.
    void VerbatimSentence() {
        const size_t begin = m_at;
        m_fullBlankOpen = false;
        while (m_at < m_source.size()) {
            const char16_t prev = m_at > begin ? m_source[m_at - 1] : 0;
            Store(m_at++);
            if (Ends(prev, m_source[m_at - 1]))
                break;
        }
        m_out.spans.push_back({begin, m_at - begin, true});
    }

    // Stores the characters at the reading place while they are ch.
    void AbsorbAll(char16_t ch) {
        while (m_at < m_source.size() && m_source[m_at] == ch)
            Store(m_at++);
    }
    void AbsorbOne(char16_t ch) {
        if (m_at < m_source.size() && m_source[m_at] == ch)
            Store(m_at++);
    }
    void AbsorbBrackets() {
        AbsorbOne(u')');
        AbsorbOne(0xFF09);
    }

    // True when the character just stored ends the sentence; the marks that belong to it are
    // taken as well.
    bool Ends(char16_t prev, char16_t c) {
        // Kana and kanji never end a sentence: most characters go no further.
        if ((c >= 0x3041 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF)) {
            if (m_chinese)
                m_fullBlankOpen = false;
            return false;
        }
        const SegmentationValues& v = m_values;
        const char16_t next = At(m_at);
        if (m_chinese && c == u' ' && prev == u' ')
            return true;
        if (m_chinese && c == kFullBlank) {
            if (m_fullBlankOpen)
                return true;
            m_fullBlankOpen = true;
        } else if (m_chinese && !IsSingleByte(c)) {
            m_fullBlankOpen = false;
        }
        if (v.colonMark && IsColon(c) && !IsDigit(prev))
            return true;
        if (m_chinese && v.commaMark && IsComma(c) && !(IsDigit(prev) && IsDigit(next)))
            return true;
        if (m_chinese && v.dashMark && IsDash(c) && !IsDigit(prev)) {
            while (IsDash(At(m_at)))
                Store(m_at++);
            return true;
        }
        const int cls = EndClass(c, m_chinese, v);
        if (cls != 0) {
            switch (cls) {
            case 1:
                if (m_chinese && next == 0x201D) {
                    Store(m_at++);
                    return true;
                }
                break;
            case 2: AbsorbAll(u'.'); break;
            case 8: AbsorbAll(kFullPeriod); break;
            case 3:
            case 4:
                AbsorbAll(u'?');
                AbsorbAll(u'!');
                break;
            case 9:
            case 10:
                AbsorbAll(0xFF1F);
                AbsorbAll(0xFF01);
                if (m_chinese && At(m_at) == 0x201D) {
                    Store(m_at++);
                    return true;
                }
                break;
            case 6:
            case 7:
                while (EndClass(At(m_at), m_chinese, v) == cls)
                    Store(m_at++);
                break;
            default: break;
            }
            AbsorbBrackets();
            return true;
        }
        if (v.periodOnly == 1 && IsPeriod(c) && prev != 0 && !IsDigitOrDot(prev)) {
            AbsorbAll(c);
            AbsorbBrackets();
            return true;
        }
        if (v.periodOnly == 0 && (c == u'.' || (!m_chinese && c == kFullPeriod)) &&
            (next == 0 || IsBlank(next) || LineBreakAt(m_at)))
            return true;
        return false;
    }

    void Sentence() {
        m_sentence.text.clear();
        m_sentence.origin.clear();
        m_sentence.text.reserve(m_source.size() - m_at);
        m_sentence.origin.reserve(m_source.size() - m_at);
        m_fullBlankOpen = false;
        while (m_at < m_source.size()) {
            if (const size_t lb = LineBreakAt(m_at)) {
                const bool shortLine = m_values.lineFlag == 1 && m_lineBytes < size_t(std::max(m_values.lineLength, 0));
                // A line break that does not end the sentence joins the lines without a blank;
                // an empty line after it ends the sentence (the breaks go to the next separator).
                if (m_values.lineFlag == 0 || shortLine || LineBreakAt(m_at + lb) || m_at + lb >= m_source.size())
                    break;
                m_at += lb;
                m_lineBytes = 0;
                continue;
            }
            if (m_source[m_at] == u'[' && At(m_at + 1) == u'[') {
                const size_t close = m_source.find(u"]]", m_at + 2);
                if (close != std::u16string::npos) {
                    while (m_at < close + 2)
                        Store(m_at++);
                    continue;
                }
            }
            const char16_t prev = m_sentence.text.empty() ? 0 : m_sentence.text.back();
            Store(m_at++);
            if (Ends(prev, m_sentence.text.back()))
                break;
        }
        const size_t start = m_out.text.size();
        // Without blanks there is nothing to clean: the sentence as it was read.
        if (std::none_of(m_sentence.text.begin(), m_sentence.text.end(), IsBlank)) {
            m_out.text += m_sentence.text;
            m_out.origin.insert(m_out.origin.end(), m_sentence.origin.begin(), m_sentence.origin.end());
            Emit(start, true);
            return;
        }
        Chars cleaned;
        if (!m_chinese)
            cleaned = CleanJapaneseBlanks(m_sentence);
        else if (m_values.spaceCutFlag == 1)
            cleaned = m_sentence;
        else
            cleaned = CleanChineseBlanks(m_sentence, m_values.spaceCutFlag == 0
                                                         ? size_t(999999)
                                                         : size_t(std::max(m_values.spaceCutLength, 0)));
        m_out.text += cleaned.text;
        m_out.origin.insert(m_out.origin.end(), cleaned.origin.begin(), cleaned.origin.end());
        Emit(start, true);
    }

    const std::u16string& m_source;
    bool m_chinese;
    SegmentationValues m_values;
    size_t m_at = 0;
    size_t m_lineBytes = 0;  // source bytes since the last line break
    bool m_fullBlankOpen = false;
    bool m_bVerbatim = false;
    Chars m_sentence;
    SplitText& m_out;
};

} // namespace

SegmentationValues DefaultSegmentation(TransDirection direction) {
    SegmentationValues v;
    v.periodOnly = 1;
    v.questionMark = 1;
    v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = direction == kChineseToJapanese ? 2 : 0;
    v.spaceCutLength = 1;
    v.transHomo = 1;
    return v;
}

SegmentationValues SegmentationOf(const TransConfig& config) {
    SegmentationValues v;
    v.periodOnly = config.m_nPeriodOnly;
    v.questionMark = config.m_nQuestionMark;
    v.exclamationMark = config.m_nExclamationMark;
    v.semicolonMark = config.m_nSemicolonMark;
    v.colonMark = config.m_nColonMark;
    v.commaMark = config.m_nCommaMark;
    v.dashMark = config.m_nDashMark;
    v.omitMark = config.m_nOmitMark;
    v.transHomo = config.m_nTransHomo;
    v.lineFlag = config.m_nLineFlag;
    v.lineLength = config.m_nLineLength;
    v.spaceCutFlag = config.m_nSpaceCutFlag;
    v.spaceCutLength = config.m_nSpaceCutLength;
    return v;
}

SplitText SplitSentences(const std::u16string& source, TransDirection direction,
                         const SegmentationValues& values) {
    SplitText out;
    CSplitter(source, direction, values, out).Run();
    return out;
}

void SplitSentences(const std::u16string& source, TransDirection direction, const SegmentationValues& values,
                    SplitText& out) {
    CSplitter(source, direction, values, out).Run();
}

} // namespace transfer
