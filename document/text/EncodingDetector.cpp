// Guesses the encoding of a text file from its first bytes: every candidate encoding is scored on
// a sample by how many invalid characters it meets, and for Shift-JIS by its share of kana.
#include "EncodingDetector.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

enum Candidate { kHanvell, kGb2312, kBig5, kShiftJis, kUtf8J, kUtf8S, kUtf8T, kUtf16J, kUtf16S, kUtf16T, kCount };

// The order that breaks ties, and the answer of each.
const Candidate kOrder[] = {kShiftJis, kGb2312, kBig5, kUtf8J, kUtf8S, kUtf8T, kUtf16J, kUtf16S, kUtf16T};
const int32_t kAnswer[kCount] = {0, 936, 950, 932, 365001, 465001, 565001, 81200, 61200, 71200};

const size_t kSampleBytes = 200;

// The byte rules a language's sample is taken and judged by.
enum Rule { kRuleHanvell, kRuleGb2312, kRuleBig5, kRuleShiftJis };

bool IsSampleLead(Rule rule, unsigned char b) {
    if (rule == kRuleGb2312 || rule == kRuleBig5)
        return b >= 0x80 && b <= 0xFE;
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

uint16_t FullWidthBlank(Rule rule) {
    return rule == kRuleGb2312 ? 0xA1A1 : rule == kRuleBig5 ? 0xA140 : 0x8140;
}

bool IsValidPair(Rule rule, unsigned char lead, unsigned char trail) {
    switch (rule) {
    case kRuleHanvell:
        return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) &&
               ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC));
    case kRuleGb2312: return lead >= 0xA1 && lead <= 0xFE && trail >= 0xA1 && trail <= 0xFE;
    case kRuleBig5:
        return lead >= 0xA1 && lead <= 0xF9 && ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
    case kRuleShiftJis: return trail >= 0x40 && trail <= 0xFC && trail != 0x7F;
    }
    return false;
}

// Up to 200 bytes of text from start, without ASCII blanks and the rule's full-width blank. A lead
// byte in the last position ends the sample; one before the end of the text keeps the terminator.
std::string TakeSample(const std::string& text, size_t start, Rule rule) {
    std::string sample;
    size_t end = std::min(text.size(), start + kSampleBytes);
    for (size_t i = start; i < end;) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (IsSampleLead(rule, b)) {
            if (i + 1 == start + kSampleBytes)
                break;
            unsigned char trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
            if (uint16_t(b << 8 | trail) != FullWidthBlank(rule)) {
                sample += char(b);
                sample += char(trail);
            }
            i += 2;
        } else {
            if (b != ' ')
                sample += char(b);
            ++i;
        }
    }
    return sample;
}

struct Evaluation {
    int errorRate = 200;
    int score = -200;
};

// Errors of a sample, as a rate per hundred bytes; the sample is cleaned on the way (invalid
// pairs and control bytes become blanks), so that the kana can be counted afterwards.
int ErrorRate(std::string& sample, Rule rule, int errors = 0) {
    for (size_t i = 0; i < sample.size();) {
        unsigned char b = static_cast<unsigned char>(sample[i]);
        if (b < 0x20 && b != 0) {
            sample[i++] = ' ';
            continue;
        }
        if (!IsSampleLead(rule, b)) {
            ++i;
            continue;
        }
        unsigned char trail = i + 1 < sample.size() ? static_cast<unsigned char>(sample[i + 1]) : 0;
        if (trail == 0) {
            errors += 1;
            break;
        }
        if (!IsValidPair(rule, b, trail)) {
            errors += 2;
            sample[i] = sample[i + 1] = ' ';
        }
        i += 2;
    }
    return sample.empty() ? errors : errors * 100 / int(sample.size());
}

// Kana characters per hundred characters of a Shift-JIS sample; without any, the share of
// half-width katakana bytes.
int KanaShare(const std::string& sample) {
    int characters = 0, kana = 0, halfWidthKana = 0;
    for (size_t i = 0; i < sample.size(); ++characters) {
        unsigned char b = static_cast<unsigned char>(sample[i]);
        if (IsSampleLead(kRuleShiftJis, b) && i + 1 < sample.size()) {
            unsigned char t = static_cast<unsigned char>(sample[i + 1]);
            if ((b == 0x82 && t >= 0x9F && t <= 0xF1) || (b == 0x83 && t >= 0x40 && t <= 0x96))
                ++kana;
            i += 2;
        } else {
            if (b >= 0xA6 && b <= 0xDF)
                ++halfWidthKana;
            ++i;
        }
    }
    if (characters == 0)
        return 0;
    return kana ? kana * 100 / characters : halfWidthKana * 100 / characters;
}

// Shift-JIS is judged by its kana share where the text has double-byte characters at all.
int ShiftJisScore(const std::string& sample, int errorRate, bool hasDoubleByteRun) {
    if (!hasDoubleByteRun)
        return 100 - errorRate;
    return KanaShare(sample) - errorRate;
}

Evaluation Evaluate(const std::string& text, size_t start, Rule rule, bool hasDoubleByteRun) {
    std::string sample = TakeSample(text, start, rule);
    Evaluation e;
    e.errorRate = ErrorRate(sample, rule);
    e.score = rule == kRuleShiftJis ? ShiftJisScore(sample, e.errorRate, hasDoubleByteRun) : 100 - e.errorRate;
    return e;
}

// Where the first two double-byte characters in a row begin (ASCII blanks between allowed).
bool FindDoubleByteRun(const std::string& text, size_t& start) {
    size_t limit = std::min(text.size(), kDetectionBytes);
    for (size_t i = 0; i < limit;) {
        if (!(static_cast<unsigned char>(text[i]) & 0x80)) {
            ++i;
            continue;
        }
        size_t k = i + 2;
        while (k < limit && text[k] == ' ')
            ++k;
        if (k < limit && (static_cast<unsigned char>(text[k]) & 0x80)) {
            start = i;
            return true;
        }
        i = k;
    }
    start = 0;
    return false;
}

// The loose UTF-8 reading: false for an empty or malformed text. A sequence cut by the end of
// the bytes read (endIsCut) is left out: the rest of it lies beyond the detection buffer.
bool DecodeUtf8(const std::string& text, bool endIsCut, std::u16string& decoded) {
    if (text.empty())
        return false;
    for (size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i++]);
        if (!(lead & 0x80)) {
            decoded += char16_t(lead);
            continue;
        }
        int continuation = !(lead & 0x20) ? 1 : !(lead & 0x10) ? 2 : !(lead & 0x08) ? 3 : !(lead & 0x04) ? 4 : 0;
        if (continuation == 0)
            return false;
        unsigned long codePoint = lead & (0x3F >> continuation);
        for (int k = 0; k < continuation; ++k) {
            if (i >= text.size())
                return endIsCut;
            if (static_cast<unsigned char>(text[i]) & 0x40)
                return false;
            codePoint = codePoint << 6 | (static_cast<unsigned char>(text[i++]) & 0x3F);
        }
        if (codePoint >= 0x10000 && codePoint <= 0x10FFFF) {
            decoded += char16_t(0xD800 + ((codePoint - 0x10000) >> 10));
            decoded += char16_t(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        } else {
            decoded += char16_t(codePoint > 0xFFFF ? 0xFFFD : codePoint);
        }
    }
    return true;
}

// The start of the conversion of a Unicode text, at least as long as a sample reads. Only the start
// makes the sample, so a growing piece is converted first: text the code page lacks is slow to
// convert. A piece never ends inside a surrogate pair, and its last character is left a margin.
std::string ConvertedStart(const CCodePages& codePages, std::u16string_view text, unsigned codePage) {
    for (size_t units = 2 * kSampleBytes; units < text.size(); units *= 4) {
        size_t cut = units;
        while (cut < text.size() && text[cut - 1] >= 0xD800 && text[cut - 1] < 0xDC00)
            ++cut;
        std::string converted = codePages.FromUtf16(text.substr(0, cut), codePage);
        if (converted.size() > kSampleBytes + 2)
            return converted;
    }
    return codePages.FromUtf16(text, codePage);
}

// The three conversions of a Unicode text, each judged by its language where it loses least.
void EvaluateUnicode(std::u16string decoded, const CCodePages& codePages, bool hasDoubleByteRun,
                     Candidate japanese, Candidate simplified, Candidate traditional, Evaluation* evaluations) {
    if (!decoded.empty() && decoded[0] == 0xFEFF)
        decoded.erase(0, 1);
    struct Conversion {
        unsigned codePage;
        Rule sampleRule, judgeRule;
        Candidate candidate;
        std::string sample;
        long loss;
    } conversions[] = {{936, kRuleGb2312, kRuleGb2312, simplified, {}, 0},
                       {950, kRuleBig5, kRuleBig5, traditional, {}, 0},
                       {932, kRuleBig5, kRuleShiftJis, japanese, {}, 0}};
    long decodedQuestionMarks = long(std::count(decoded.begin(), decoded.end(), u'?'));
    long least = 0;
    bool first = true;
    for (Conversion& c : conversions) {
        std::string converted = ConvertedStart(codePages, decoded, c.codePage);
        c.sample = TakeSample(converted, 0, c.sampleRule);
        c.loss = long(std::count(c.sample.begin(), c.sample.end(), '?')) - decodedQuestionMarks;
        least = first ? c.loss : std::min(least, c.loss);
        first = false;
    }
    for (Conversion& c : conversions) {
        if (c.loss != least)
            continue;
        Evaluation& e = evaluations[c.candidate];
        // A character the conversion lost is as wrong as an invalid pair; without this any
        // multibyte text read as UTF-16 would convert to valid characters and win.
        int lost = c.loss > 0 ? int(c.loss) : 0;
        e.errorRate = ErrorRate(c.sample, c.judgeRule, 2 * lost);
        // Japanese read from Unicode is as sure as Chinese once kana make a tenth of it.
        bool japaneseByKana = c.judgeRule == kRuleShiftJis && KanaShare(c.sample) >= 10;
        e.score = c.judgeRule == kRuleShiftJis && !japaneseByKana
                      ? ShiftJisScore(c.sample, e.errorRate, hasDoubleByteRun)
                      : 100 - e.errorRate;
    }
}

// Traditional Hanvell uses codes that the simplified form never has.
bool HasTraditionalHanvellPair(const unsigned char* bytes, size_t size) {
    for (size_t i = 0; i + 1 < size;) {
        unsigned char lead = bytes[i];
        if (!IsSampleLead(kRuleHanvell, lead)) {
            ++i;
            continue;
        }
        unsigned char trail = bytes[i + 1];
        if (!IsValidPair(kRuleHanvell, lead, trail))
            return false;
        if ((lead >= 0xF0 && lead <= 0xF4 && trail >= 0x40) || (lead == 0xF9 && trail >= 0xD0 && trail <= 0xFC))
            return true;
        i += 2;
    }
    return false;
}

} // namespace

int32_t DetectEncoding(const unsigned char* bytes, size_t size, const CCodePages& codePages) {
    size = std::min(size, kDetectionBytes);
    const unsigned char* zero = std::find(bytes, bytes + size, 0);
    const std::string text(reinterpret_cast<const char*>(bytes), size_t(zero - bytes));

    // The signatures count on the bytes read: UTF-16 text often has a zero byte right after FF FE.
    bool onlyUtf16 = size >= 3 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    bool onlyUtf8 = size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF;
    bool multibyte = !onlyUtf16 && !onlyUtf8;
    Evaluation e[kCount];

    size_t start = 0;
    bool hasRun = multibyte ? FindDoubleByteRun(text, start) : true;
    if (multibyte) {
        e[kHanvell] = Evaluate(text, start, kRuleHanvell, hasRun);
        e[kGb2312] = Evaluate(text, start, kRuleGb2312, hasRun);
        e[kBig5] = Evaluate(text, start, kRuleBig5, hasRun);
        e[kShiftJis] = Evaluate(text, start, kRuleShiftJis, hasRun);
    } else {
        for (Candidate c : {kHanvell, kGb2312, kBig5, kShiftJis})
            e[c].score = -500;
    }
    if (!onlyUtf16) {
        std::u16string decoded;
        bool endIsCut = zero == bytes + size;
        if (DecodeUtf8(text, endIsCut, decoded))
            EvaluateUnicode(decoded, codePages, hasRun, kUtf8J, kUtf8S, kUtf8T, e);
    } else {
        for (Candidate c : {kUtf8J, kUtf8S, kUtf8T})
            e[c].score = -500;
    }
    if (!onlyUtf8) {
        std::u16string units;
        for (size_t i = 0; i + 1 < size; i += 2) {
            char16_t unit = char16_t(bytes[i] | bytes[i + 1] << 8);
            if (unit == 0)
                break;
            units += unit;
        }
        EvaluateUnicode(units, codePages, hasRun, kUtf16J, kUtf16S, kUtf16T, e);
    } else {
        for (Candidate c : {kUtf16J, kUtf16S, kUtf16T})
            e[c].score = -500;
    }

    int lowestRate = e[0].errorRate;
    for (const Evaluation& ev : e)
        lowestRate = std::min(lowestRate, ev.errorRate);
    for (Evaluation& ev : e)
        if (ev.errorRate > lowestRate)
            ev.score = -500;

    Candidate best = kOrder[0];
    for (Candidate c : kOrder)
        if (e[c].score > e[best].score)
            best = c;
    if (e[kHanvell].score <= e[best].score)
        return kAnswer[best];
    if (e[kShiftJis].score >= 1)
        return 932;
    return HasTraditionalHanvellPair(bytes, size_t(zero - bytes)) ? 20932 : 10932;
}
