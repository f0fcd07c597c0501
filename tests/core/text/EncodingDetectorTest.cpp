// Detection of a text file's encoding, and the table of codes.
#include "EncodingDetector.h"
#include "TextCodes.h"
#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

const std::u16string kJapanese = u"吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";
const std::u16string kSimplified = u"我们今天去公园散步，天气很好。你去过北京吗？";
const std::u16string kTraditional = u"我們今天去公園散步，天氣很好。你去過北京嗎？";


std::string Repeat(const std::string& s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

std::u16string RepeatText(const std::u16string& s, int times) {
    std::u16string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

// Simplified text with U+20000 written as a surrogate pair from the unit given.
std::u16string SimplifiedWithPairAt(size_t unit) {
    std::u16string text = RepeatText(kSimplified, 100);
    return text.substr(0, unit) + u"\xD840\xDC00" + text.substr(unit);
}

// Japanese whose every character GB2312 has too: only the kana tell it from Chinese.
const std::u16string kJapaneseInGb2312 = u"私は学生です。今日は大学へ行きます。";

// Chinese with its pinyin: GB2312 characters whose bytes are valid Shift-JIS pairs too, letters,
// and one tone-marked letter ("ā", A8 A1) whose first byte Shift-JIS reads as half-width katakana.
std::string Gb2312WithPinyin() {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += char(0xE0 + i % 0x18);
        text += char(0xA1 + i % 0x50);
    }
    return text + Repeat("zhongwen", 12) + "\xA8\xA1";
}

struct DetectCase {
    const char* name;
    std::function<std::string()> bytes;
    int32_t answer;
};

const DetectCase kCases[] = {
    {"AsciiIsShiftJis", [] { return std::string("Plain ASCII text, nothing else.\r\n"); }, 932},
    {"EmptyIsShiftJis", [] { return std::string(); }, 932},
    {"JapaneseShiftJis", [] { return Encode(kJapanese, 932); }, 932},
    {"Gb2312", [] { return Encode(kSimplified, 936); }, 936},
    {"Big5", [] { return Encode(kTraditional, 950); }, 950},
    {"Utf8JapaneseWithSignature", [] { return "\xEF\xBB\xBF" + Utf8(kJapanese); }, 365001},
    {"Utf8Simplified", [] { return Utf8(kSimplified); }, 465001},
    {"Utf8Traditional", [] { return Utf8(kTraditional); }, 565001},
    {"Utf16JapaneseWithSignature", [] { return "\xFF\xFE" + Utf16Bytes(kJapanese); }, 81200},
    {"Utf16SimplifiedWithSignature", [] { return "\xFF\xFE" + Utf16Bytes(kSimplified); }, 61200},
    {"Utf16SimplifiedWithoutSignature", [] { return Utf16Bytes(kSimplified); }, 61200},
    {"ShiftJisBehindUtf8SignatureIsUtf8", [] { return "\xEF\xBB\xBF" + Encode(kJapanese, 932); }, 365001},
    // Kanji-range pairs without kana: Hanvell; simplified unless a traditional-only code shows.
    {"HanvellSimplified", [] { return Repeat("\x88\x9F\x88\xA0\x89\x40\x8A\x41", 10); }, 10932},
    {"HanvellTraditional", [] { return Repeat("\x88\x9F\x88\xA0", 10) + "\xF0\x40"; }, 20932},
    {"HanvellPairsWithKanaAreShiftJis", [] { return Repeat("\x88\x9F\x82\xA0", 10); }, 932},
    // The detection buffer ends inside a character of a longer UTF-8 file.
    {"Utf8CutByTheBufferEnd", [] { return Repeat(Utf8(kSimplified), 160); }, 465001},
    // A zero byte right after the UTF-16 signature (U+3000, U+4E00).
    {"Utf16JapaneseBehindZeroByte", [] { return "\xFF\xFE" + Utf16Bytes(u"\u3000" + kJapanese); }, 81200},
    {"Utf16SimplifiedBehindZeroByte", [] { return "\xFF\xFE" + Utf16Bytes(u"\u4E00" + kSimplified); }, 61200},
    // Half-width bytes are a share of the characters, not a quotient that grows as they get fewer.
    {"Gb2312WithPinyin", [] { return Gb2312WithPinyin(); }, 936},
    // Kana make a Unicode text Japanese, even where every character converts to GB2312 too.
    {"Utf8JapaneseInGb2312Characters", [] { return Utf8(kJapaneseInGb2312); }, 365001},
    {"Utf16JapaneseInGb2312Characters", [] { return "\xFF\xFE" + Utf16Bytes(kJapaneseInGb2312); }, 81200},
    // Only the start of a long Unicode text is converted; a surrogate pair there stays whole.
    {"Utf16SimplifiedWithSurrogatePairAtUnit399", [] { return "\xFF\xFE" + Utf16Bytes(SimplifiedWithPairAt(399)); },
     61200},
    {"Utf16TraditionalLong", [] { return "\xFF\xFE" + Utf16Bytes(RepeatText(kTraditional, 100)); }, 71200},
};

class EncodingDetectorTest : public testing::TestWithParam<DetectCase> {};

TEST_P(EncodingDetectorTest, AnswersTheEncoding) {
    std::string bytes = GetParam().bytes();
    EXPECT_EQ(DetectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), SystemCodePages()),
              GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(Texts, EncodingDetectorTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DetectCase>& info) { return info.param.name; });

TEST(EncodingDetectorLimitTest, OnlyTheFirstTenThousandBytesCount) {
    std::string bytes = std::string(10000, 'a') + Encode(kSimplified, 936);
    EXPECT_EQ(DetectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), SystemCodePages()),
              932);
}

TEST(EncodingDetectorLimitTest, Utf8SequenceCutByAZeroByteStaysMalformed) {
    std::string bytes = Utf8(kSimplified) + "\xE4" + std::string(1, '\0') + Utf8(kSimplified);
    int32_t answer =
        DetectEncoding(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), SystemCodePages());
    EXPECT_NE(answer, 465001);
    EXPECT_NE(answer, 365001);
    EXPECT_NE(answer, 565001);
}

TEST(TextCodesTest, AnswersIndexesAndSuffixesAgree) {
    for (int index = 1; index < kTextCodeCount; ++index) {
        const TextCodeInfo& info = TextCodeByIndex(index);
        EXPECT_EQ(TextCodeOfAnswer(info.detectorAnswer), info.textCode) << index;
        EXPECT_EQ(IndexOfTextCode(info.textCode), index);
    }
    EXPECT_EQ(TextCodeOfAnswer(12345), 0);
    EXPECT_STREQ(TitleSuffixOf(0), TextCodeByIndex(1).titleSuffix);
    EXPECT_STREQ(TitleSuffixOf(kTextSimplified | kTextHanvell), TextCodeByIndex(4).titleSuffix);
    EXPECT_EQ(UnicodeFormOfIndex(5), 0);
    EXPECT_EQ(UnicodeFormOfIndex(6), 1);
    EXPECT_EQ(UnicodeFormOfIndex(11), 2);
}

} // namespace
