// A text handed over in one piece is cut into sentences, its wrapped lines joined and its
// blanks cleaned by the segmentation values of the configuration record.
#include "EngineFixture.h"
#include "SentenceSplit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

using transfer::SplitSentences;

struct Case {
    TransDirection direction;
    std::function<void(SegmentationValues&)> change;  // from the settings' defaults
    const char* source;
    const char* sentences;  // each followed by "|"; separators left out
};

void None(SegmentationValues&) {}

std::string Rendered(const transfer::SplitText& split) {
    std::string out;
    for (const transfer::TextSpan& span : split.spans)
        if (span.sentence)
            out += Utf8FromUtf16(split.text.substr(span.start, span.length)) + "|";
    return out;
}

const TransDirection JC = kJapaneseToChinese, CJ = kChineseToJapanese;

const Case kCases[] = {
    {JC, None, "晴れ。雨？風！", "晴れ。|雨？|風！|"},
    {JC, [](SegmentationValues& v) { v.questionMark = 0; }, "晴れ？雨。", "晴れ？雨。|"},
    {JC, None, "（晴れ。）次。", "（晴れ。）|次。|"},
    {JC, None, "「晴れ。」", "「晴れ。|」|"},
    // Periods: 1 not after a digit, 0 before a blank, 2 every one.
    {JC, None, "It is pi. Next 3.14", "It is pi.|Next 3.14|"},
    {JC, [](SegmentationValues& v) { v.periodOnly = 0; }, "a.b c. d", "a.b c.|d|"},
    {JC, [](SegmentationValues& v) { v.periodOnly = 2; }, "a.b", "a.|b|"},
    // Line breaks: 2 joins lines and ends at an empty line, 0 ends at each, 1 at short lines.
    {JC, None, "一行目の\r\n続き。", "一行目の続き。|"},
    {JC, None, "見出し\r\n\r\n本文。", "見出し|本文。|"},
    {JC, [](SegmentationValues& v) { v.lineFlag = 0; }, "一行目の\r\n続き。", "一行目の|続き。|"},
    {JC, [](SegmentationValues& v) { v.lineFlag = 1; }, "あいうえおかきくけこ\nさ", "あいうえおかきくけこ|さ|"},
    {JC, [](SegmentationValues& v) { v.lineFlag = 1; }, "あいうえおかきくけこあいうえおかきくけこ\nさ",
     "あいうえおかきくけこあいうえおかきくけこさ|"},
    {JC, [](SegmentationValues& v) { v.colonMark = 1; }, "注意：危険 10:30", "注意：|危険10:30|"},
    {JC, [](SegmentationValues& v) { v.semicolonMark = 1; }, "甲；乙", "甲；|乙|"},
    {JC, None, "甲；乙", "甲；乙|"},
    // The Japanese blank rule: blanks stay only beside kana and letters.
    {JC, None, "日本　語 です ABC", "日本語 です ABC|"},
    // A marked span is never cut.
    {JC, None, "[[a. b。]]です。", "[[a. b。]]です。|"},
    // Marks only Chinese text has.
    {CJ, [](SegmentationValues& v) { v.commaMark = 1; }, "你好，世界，1,000元", "你好，|世界，|1,000元|"},
    {CJ, None, "你好，世界", "你好，世界|"},
    {CJ, [](SegmentationValues& v) { v.dashMark = 1; }, "他——走了", "他——|走了|"},
    {CJ, [](SegmentationValues& v) { v.omitMark = 1; }, "等等……好", "等等……|好|"},
    {CJ, None, "他说：“好。”然后走了。", "他说：“好。”|然后走了。|"},
    {CJ, None, "真的吗？！”他问。", "真的吗？！”|他问。|"},
    {CJ, None, "你好  世界", "你好  |世界|"},
    // The Chinese blank rule: 2 with its length, 0 every blank beside Chinese, 1 none.
    {CJ, None, "我 爱 中国", "我爱 中国|"},
    {CJ, [](SegmentationValues& v) { v.spaceCutFlag = 0; }, "我 爱 中国 ok", "我爱中国ok|"},
    {CJ, [](SegmentationValues& v) { v.spaceCutFlag = 1; }, "我 爱 中国", "我 爱 中国|"},
    {CJ, [](SegmentationValues& v) { v.spaceCutLength = 2; }, "我 爱 中国 abc", "我爱中国 abc|"},
};

class SentenceSplitTest : public testing::TestWithParam<Case> {};

TEST_P(SentenceSplitTest, CutsAsTheValuesSay) {
    const Case& c = GetParam();
    SegmentationValues values = transfer::DefaultSegmentation(c.direction);
    c.change(values);
    const transfer::SplitText split = SplitSentences(Utf16FromUtf8(c.source), c.direction, values);
    EXPECT_EQ(Rendered(split), c.sentences) << c.source;
    // Every character kept points at itself in the source.
    const std::u16string source = Utf16FromUtf8(c.source);
    ASSERT_EQ(split.origin.size(), split.text.size() + 1);
    for (size_t i = 0; i < split.text.size(); ++i) {
        if (split.text[i] != u' ') {
            EXPECT_EQ(split.text[i], source[split.origin[i]]) << c.source;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SentenceSplitTest, testing::ValuesIn(kCases));

TransConfig Configuration(const SegmentationValues& v) {
    TransConfig config;
    std::memset(&config, 0, sizeof config);
    config.m_nTransHomo = 1;
    config.m_nPeriodOnly = v.periodOnly;
    config.m_nQuestionMark = v.questionMark;
    config.m_nExclamationMark = v.exclamationMark;
    config.m_nSemicolonMark = v.semicolonMark;
    config.m_nColonMark = v.colonMark;
    config.m_nCommaMark = v.commaMark;
    config.m_nDashMark = v.dashMark;
    config.m_nOmitMark = v.omitMark;
    config.m_nLineFlag = v.lineFlag;
    config.m_nLineLength = v.lineLength;
    config.m_nSpaceCutFlag = v.spaceCutFlag;
    config.m_nSpaceCutLength = v.spaceCutLength;
    return config;
}

const char kWrapped[] = "私は毎日学校で\r\n日本語を勉強します。";

TEST(ConfiguredSegmentationTest, LineRuleOfTheRecordDecidesWhetherWrappedLinesJoin) {
    transfer::CTransferEngine engine(kJapaneseToChinese, TestSystemDicFolder());
    SegmentationValues v = transfer::DefaultSegmentation(kJapaneseToChinese);
    ASSERT_TRUE(engine.Configure(Configuration(v), {}));
    const Translation joined = TranslateUtf8(engine, kWrapped, 932, 936, 1);
    EXPECT_EQ(joined.text.find('\n'), std::string::npos) << joined.text;
    EXPECT_NE(joined.text.find("学习日语"), std::string::npos) << joined.text;

    v.lineFlag = 0;
    ASSERT_TRUE(engine.Configure(Configuration(v), {}));
    const Translation apart = TranslateUtf8(engine, kWrapped, 932, 936, 1);
    EXPECT_NE(apart.text.find("\r\n"), std::string::npos) << apart.text;
}

TEST(ConfiguredSegmentationTest, RecordsPointIntoTheTextAsGiven) {
    transfer::CTransferEngine engine(kJapaneseToChinese, TestSystemDicFolder());
    ASSERT_TRUE(engine.Configure(Configuration(transfer::DefaultSegmentation(kJapaneseToChinese)), {}));
    const Translation t = TranslateUtf8(engine, kWrapped, 932, 936);
    const std::u16string source = Utf16FromUtf8(kWrapped), target = Utf16FromUtf8(t.text);
    bool found = false;
    for (const WordRecord& r : t.records) {
        ASSERT_LE(size_t(r.m_nSourceStart + r.m_nSourceLength), source.size());
        if (source.substr(size_t(r.m_nSourceStart), size_t(r.m_nSourceLength)) == u"日本語") {
            EXPECT_EQ(target.substr(size_t(r.m_nTargetStart), size_t(r.m_nTargetLength)), u"日语") << t.text;
            found = true;
        }
    }
    EXPECT_TRUE(found) << t.text;
}

TEST(ConfiguredSegmentationTest, ChineseBlankRuleOfTheRecord) {
    transfer::CTransferEngine engine(kChineseToJapanese, TestSystemDicFolder());
    SegmentationValues v = transfer::DefaultSegmentation(kChineseToJapanese);
    v.spaceCutFlag = 0;
    ASSERT_TRUE(engine.Configure(Configuration(v), {}));
    const char kSpaced[] = "我们 必须 保护 环境。";
    const Translation cut = TranslateUtf8(engine, kSpaced, 936, 932, 1);
    EXPECT_NE(cut.text.find("環境を保護しなければならない"), std::string::npos) << cut.text;
    v.spaceCutFlag = 1;
    ASSERT_TRUE(engine.Configure(Configuration(v), {}));
    const Translation kept = TranslateUtf8(engine, kSpaced, 936, 932, 1);
    EXPECT_NE(kept.text.find(' '), std::string::npos) << kept.text;
}

} // namespace
