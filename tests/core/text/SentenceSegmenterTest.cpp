// Plain text cut into separators and sentences.
#include "SentenceSegmenter.h"
#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

SegmentationValues JapaneseDefaults() {
    SegmentationValues v;
    v.periodOnly = 1;
    v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = 0;
    v.spaceCutLength = 1;
    return v;
}

SegmentationValues ChineseDefaults() {
    SegmentationValues v = JapaneseDefaults();
    v.transHomo = 1;
    v.spaceCutFlag = 2;
    return v;
}

using Expected = std::vector<std::pair<std::u16string, std::u16string>>;  // separator, sentence

struct SegmentCase {
    const char* name;
    TransDirection direction;
    unsigned codePage;
    std::function<void(SegmentationValues&)> adjust;
    std::u16string text;
    Expected expected;
};

void Keep(SegmentationValues&) {}

const std::u16string kTwentyBytes = u"一二三四五六七八九十";
const std::u16string kFortyBytes = u"一二三四五六七八九十一二三四五六七八九十";

const SegmentCase kCases[] = {
    {"LinesJoinWithoutEndMark", kJapaneseToChinese, 932, Keep, u"今日は晴れ\n明日は雨",
     {{u"", u"今日は晴れ明日は雨"}}},
    {"EmptyLineEndsSentence", kJapaneseToChinese, 932, Keep, u"今日は晴れ\r\n\r\n明日は雨",
     {{u"", u"今日は晴れ"}, {u"\r\n\r\n", u"明日は雨"}}},
    {"ShortLineEndsUnderLineLengthRule", kJapaneseToChinese, 932, [](SegmentationValues& v) { v.lineFlag = 1; },
     kTwentyBytes + u"\n次の行", {{u"", kTwentyBytes}, {u"\r\n", u"次の行"}}},
    {"LongLineContinuesUnderLineLengthRule", kJapaneseToChinese, 932, [](SegmentationValues& v) { v.lineFlag = 1; },
     kFortyBytes + u"\n次の行", {{u"", kFortyBytes + u"次の行"}}},
    {"EveryLineFeedEndsUnderRuleZero", kJapaneseToChinese, 932, [](SegmentationValues& v) { v.lineFlag = 0; },
     u"一行目\n二行目", {{u"", u"一行目"}, {u"\r\n", u"二行目"}}},
    {"FullStopEnds", kJapaneseToChinese, 932, Keep, u"猫である。名前はまだ無い。",
     {{u"", u"猫である。"}, {u"", u"名前はまだ無い。"}}},
    {"ClosingCornerBracketStartsNextSentence", kJapaneseToChinese, 932, Keep, u"彼は「行く。」と言った。",
     {{u"", u"彼は「行く。"}, {u"", u"」と言った。"}}},
    {"ClosingParenthesesAreAbsorbed", kJapaneseToChinese, 932, Keep, u"(注意。)次",
     {{u"", u"(注意。)"}, {u"", u"次"}}},
    {"QuestionAbsorbsQuestionsThenExclamations", kJapaneseToChinese, 932, Keep, u"本当?!次",
     {{u"", u"本当?!"}, {u"", u"次"}}},
    {"PeriodBetweenDigitsStaysUnderRuleOne", kJapaneseToChinese, 932, Keep, u"Version 1.5 is out. Next",
     {{u"", u"Version 1.5 is out."}, {u" ", u"Next"}}},
    {"PeriodBeforeLetterStaysUnderRuleZero", kJapaneseToChinese, 932,
     [](SegmentationValues& v) { v.periodOnly = 0; }, u"a.b c. d", {{u"", u"a.b c."}, {u" ", u"d"}}},
    {"EveryPeriodEndsUnderRuleTwo", kJapaneseToChinese, 932, [](SegmentationValues& v) { v.periodOnly = 2; },
     u"a.b..c", {{u"", u"a."}, {u"", u"b.."}, {u"", u"c"}}},
    {"ColonEndsUnlessAfterDigit", kJapaneseToChinese, 932, [](SegmentationValues& v) { v.colonMark = 1; },
     u"時刻10:30、注意：次", {{u"", u"時刻10:30、注意："}, {u"", u"次"}}},
    {"JapaneseBlanksStayOnlyBesideWords", kJapaneseToChinese, 932, Keep, u"漢字 漢字　です ABC  です",
     {{u"", u"漢字漢字　です ABC です"}}},
    {"BlanksOnlyGiveOneEmptySentence", kJapaneseToChinese, 932, Keep, u"  \n\n　\n", {{u"", u""}}},
    {"ChineseCommaBetweenDigitsStays", kChineseToJapanese, 936, [](SegmentationValues& v) { v.commaMark = 1; },
     u"价格1,000元，很好", {{u"", u"价格1,000元，"}, {u"", u"很好"}}},
    {"ChineseDoubleBlankEnds", kChineseToJapanese, 936, Keep, u"中文  日本", {{u"", u"中文  "}, {u"", u"日本"}}},
    {"ChineseDoubleFullWidthBlankEnds", kChineseToJapanese, 936, Keep, u"中文　　日本",
     {{u"", u"中文　　"}, {u"", u"日本"}}},
    {"ChineseDashRunEnds", kChineseToJapanese, 936, [](SegmentationValues& v) { v.dashMark = 1; },
     u"我们－－你们", {{u"", u"我们－－"}, {u"", u"你们"}}},
    {"ChineseFullStopTakesClosingQuote", kChineseToJapanese, 936, Keep, u"他说：“好。”然后",
     {{u"", u"他说：“好。”"}, {u"", u"然后"}}},
    {"ChineseQuestionTakesExclamationAndQuote", kChineseToJapanese, 950, Keep, u"真的？！”然後",
     {{u"", u"真的？！”"}, {u"", u"然後"}}},
    {"ChineseBlanksBetweenShortRunsGo", kChineseToJapanese, 936, Keep, u"中 文 abc def 好",
     {{u"", u"中文 abc def 好"}}},
    {"ChineseBlanksAllKeptUnderRuleOne", kChineseToJapanese, 936, [](SegmentationValues& v) { v.spaceCutFlag = 1; },
     u"中 文", {{u"", u"中 文"}}},
    {"ChineseBlanksGoWithoutLimitUnderRuleZero", kChineseToJapanese, 936,
     [](SegmentationValues& v) { v.spaceCutFlag = 0; }, u"中文 日本語 abc", {{u"", u"中文日本語abc"}}},
    {"EllipsisEndsWhenOn", kChineseToJapanese, 936, [](SegmentationValues& v) { v.omitMark = 1; },
     u"等等……然后", {{u"", u"等等……"}, {u"", u"然后"}}},
};

class SentenceSegmenterTest : public testing::TestWithParam<SegmentCase> {};

TEST_P(SentenceSegmenterTest, CutsAsTheRulesSay) {
    const SegmentCase& c = GetParam();
    SegmentationValues values = c.direction == kJapaneseToChinese ? JapaneseDefaults() : ChineseDefaults();
    c.adjust(values);
    std::string text = Encode(c.text, c.codePage);
    SegmentationResult result =
        SegmentText(reinterpret_cast<const unsigned char*>(text.data()), text.size(), kFormMultibyte, c.codePage,
                    c.direction, values, SystemCodePages());
    EXPECT_EQ(result.end, SegmentationEnd::Done);
    ASSERT_EQ(result.segments.size(), c.expected.size());
    for (size_t i = 0; i < c.expected.size(); ++i) {
        EXPECT_EQ(result.segments[i].separator, Encode(c.expected[i].first, c.codePage)) << "separator " << i;
        EXPECT_EQ(Decode(result.segments[i].sentence, c.codePage), c.expected[i].second) << "sentence " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, SentenceSegmenterTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SegmentCase>& info) { return info.param.name; });

SegmentationResult SegmentJapanese(const std::string& bytes, int form = kFormMultibyte) {
    return SegmentText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), form, 932,
                       kJapaneseToChinese, JapaneseDefaults(), SystemCodePages());
}

TEST(SentenceSegmenterFormTest, Utf16WithCarriageReturnsCutsLikeTheMultibyteText) {
    std::u16string text = u"吾輩は猫である。名前はまだ無い。\r\n\r\n　どこで生れたか\r\nとんと見当がつかぬ。";
    SegmentationResult multibyte = SegmentJapanese(Encode(text, 932));
    SegmentationResult utf16 = SegmentJapanese("\xFF\xFE" + Utf16Bytes(text), kFormUtf16);
    ASSERT_EQ(utf16.segments.size(), multibyte.segments.size());
    ASSERT_EQ(multibyte.segments.size(), 3u);
    for (size_t i = 0; i < multibyte.segments.size(); ++i) {
        EXPECT_EQ(utf16.segments[i].separator, multibyte.segments[i].separator);
        EXPECT_EQ(utf16.segments[i].sentence, multibyte.segments[i].sentence);
    }
}

TEST(SentenceSegmenterFormTest, Utf8CutsLikeTheMultibyteText) {
    std::string multibyte = Encode(u"日本語です。次の文。", 932);
    SegmentationResult a = SegmentJapanese(multibyte);
    SegmentationResult b = SegmentJapanese("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xA7\xE3\x81\x99"
                                           "\xE3\x80\x82\xE6\xAC\xA1\xE3\x81\xAE\xE6\x96\x87\xE3\x80\x82",
                                           kFormUtf8);
    ASSERT_EQ(a.segments.size(), 2u);
    ASSERT_EQ(b.segments.size(), 2u);
    EXPECT_EQ(a.segments[1].sentence, b.segments[1].sentence);
}

// Marks whose rules are off stay inside the sentence, and the cut at 512 bytes falls inside a
// double-byte character: every form gives the same sentences.
TEST(SentenceSegmenterFormTest, LongChineseSentenceCutsAlikeInEveryForm) {
    std::u16string text = u"a";
    for (int i = 0; i < 40; ++i)
        text += u"我们，天气：“好”？真的!";
    text += u"完了。下一句。";
    SegmentationValues v = ChineseDefaults();
    v.questionMark = v.exclamationMark = 0;
    auto segment = [&](const std::string& bytes, int form) {
        return SegmentText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), form, 936,
                           kChineseToJapanese, v, SystemCodePages());
    };
    SegmentationResult multibyte = segment(Encode(text, 936), kFormMultibyte);
    ASSERT_EQ(multibyte.segments.size(), 3u);
    EXPECT_EQ(multibyte.segments[0].sentence.size(), 513u);
    for (const SegmentationResult& other :
         {segment("\xFF\xFE" + Utf16Bytes(text), kFormUtf16), segment(Utf8Bytes(text), kFormUtf8)}) {
        ASSERT_EQ(other.segments.size(), multibyte.segments.size());
        for (size_t i = 0; i < multibyte.segments.size(); ++i) {
            EXPECT_EQ(other.segments[i].separator, multibyte.segments[i].separator);
            EXPECT_EQ(other.segments[i].sentence, multibyte.segments[i].sentence);
        }
    }
}

TEST(SentenceSegmenterLimitTest, FirstZeroByteMeansBilingualFile) {
    EXPECT_EQ(SegmentJapanese(std::string("\0Velmarind", 10)).end, SegmentationEnd::BilingualFile);
}

TEST(SentenceSegmenterLimitTest, UnicodeTextStartingWithIdeographicBlankIsPlainText) {
    // U+3000 is 00 30 in UTF-16: a zero first byte that is no bilingual file.
    SegmentationResult r = SegmentJapanese(Utf16Bytes(u"\u3000猫。"), kFormUtf16);
    EXPECT_EQ(r.end, SegmentationEnd::Done);
    EXPECT_EQ(Decode(r.segments[0].sentence, 932), u"猫。");
}

TEST(SentenceSegmenterLimitTest, LongSentencesAreCutAt512Bytes) {
    SegmentationResult r = SegmentJapanese(std::string(600, 'a'));
    ASSERT_EQ(r.segments.size(), 2u);
    EXPECT_EQ(r.segments[0].sentence.size(), 512u);
    EXPECT_EQ(r.segments[1].sentence.size(), 88u);
}

TEST(SentenceSegmenterLimitTest, DoubleByteCharacterAtByte511IsCompleted) {
    SegmentationResult r = SegmentJapanese(std::string(511, 'a') + Encode(u"漢字", 932));
    ASSERT_EQ(r.segments.size(), 2u);
    EXPECT_EQ(r.segments[0].sentence.size(), 513u);
}

TEST(SentenceSegmenterLimitTest, BlankLinesBeyondTheSeparatorAreDroppedAndReadingGoesOn) {
    SegmentationResult r = SegmentJapanese(Encode(u"前。", 932) + std::string(300, '\n') + Encode(u"後。", 932));
    ASSERT_EQ(r.segments.size(), 2u);
    EXPECT_EQ(r.segments[1].separator.size(), 512u);
    EXPECT_EQ(Decode(r.segments[1].sentence, 932), u"後。");
}

TEST(SentenceSegmenterLimitTest, MoreThan99998SentencesDropTheLast) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "a.\n";
    SegmentationValues v = JapaneseDefaults();
    v.periodOnly = 2;
    SegmentationResult r = SegmentText(reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                                       kFormMultibyte, 932, kJapaneseToChinese, v, SystemCodePages());
    EXPECT_EQ(r.end, SegmentationEnd::TooManySentences);
    EXPECT_EQ(r.segments.size(), 99998u);
}

} // namespace

namespace {

TEST(CurrentSegmentationTest, DirectionGivesItsValuesAndChineseMarksComeFromChinese) {
    SegmentationValues japanese = JapaneseDefaults(), chinese = ChineseDefaults();
    japanese.lineLength = 40;
    japanese.commaMark = 0;
    chinese.lineLength = 50;
    chinese.commaMark = chinese.dashMark = chinese.omitMark = 1;
    SegmentationValues jc = CurrentSegmentation(kJapaneseToChinese, japanese, chinese);
    EXPECT_EQ(jc.lineLength, 40);
    EXPECT_EQ(jc.spaceCutFlag, 0);
    EXPECT_EQ(jc.commaMark + jc.dashMark + jc.omitMark, 3);
    SegmentationValues cj = CurrentSegmentation(kChineseToJapanese, japanese, chinese);
    EXPECT_EQ(cj.lineLength, 50);
    EXPECT_EQ(cj.spaceCutFlag, 2);
}

} // namespace
