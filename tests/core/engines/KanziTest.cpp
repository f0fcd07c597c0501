// Character conversion: Japanese kanji to the simplified or traditional Chinese character of
// the code page asked, Chinese characters to kanji, and simplified Chinese in Shift-JIS bytes.
#include "EngineFixture.h"
#include "Hanvell.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    TransDirection direction;
    int32_t chineseCodePage;
    const char* text;
    const char* converted;
};

const Case kCases[] = {
    {kJapaneseToChinese, 936, "国語の発音", "国语の发音"},
    {kJapaneseToChinese, 950, "国語の発音", "國語の發音"},
    {kJapaneseToChinese, 936, "気圧と電気", "气压と电气"},
    {kJapaneseToChinese, 950, "気圧と電気", "氣壓と電氣"},
    // Reviewed against the variant tables, which are wrong for Japanese here.
    {kJapaneseToChinese, 936, "連絡", "连络"},
    {kJapaneseToChinese, 950, "連絡", "連絡"},
    {kJapaneseToChinese, 936, "価値", "价值"},
    {kJapaneseToChinese, 936, "隣の姉", "邻の姐"},
    {kJapaneseToChinese, 936, "鉱山", "矿山"},
    {kJapaneseToChinese, 936, "「はい、」", "“はい，”"},
    {kChineseToJapanese, 936, "发音和电气", "発音和電気"},
    {kChineseToJapanese, 950, "發音和電氣", "発音和電気"},
    {kChineseToJapanese, 936, "价值连城", "価値連城"},
    {kChineseToJapanese, 936, "“学习，”", "「学習、」"},
};

class KanziTest : public testing::TestWithParam<Case> {};

TEST_P(KanziTest, CharacterByCharacter) {
    const Case& c = GetParam();
    transfer::CTransferEngine& engine = TestEngine(c.direction);
    const int32_t from = c.direction == kJapaneseToChinese ? 932 : c.chineseCodePage;
    const int32_t to = c.direction == kJapaneseToChinese ? c.chineseCodePage : 932;
    const std::string text = ToCodePage(engine.Tables(), from, c.text);
    std::string output(text.size() * 2 + 2, '\0');
    int32_t size = int32_t(text.size() * 2);
    ASSERT_EQ(engine.ConvertKanzi(text.c_str(), c.chineseCodePage, output.data(), &size), 0);
    EXPECT_EQ(FromCodePage(engine.Tables(), to, output.c_str()), c.converted);
    // The kanji conversion run (mode 2) gives the same text through the translate function.
    if (c.direction == kJapaneseToChinese) {
        EXPECT_EQ(TranslateUtf8(engine, c.text, 932, c.chineseCodePage, 2).text, c.converted);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, KanziTest, testing::ValuesIn(kCases));

struct HanvellCase {
    const char* text;
    const char* bytes;
};

// GB2312 by the JIS arithmetic; the codes the form keeps free are moved under lead byte 87;
// symbols through their Shift-JIS form; what GB2312 lacks is 81 AC.
const HanvellCase kHanvell[] = {
    {"啊", "\x88\x9f"},   // GB2312 B0 A1
    {"显", "\x87\x4a"},   // CF D4, which the arithmetic puts at 98 73
    {"。", "\x81\x42"},
    {"abc", "abc"},
    {"丟", "\x81\xac"},   // in GBK, not in GB2312
};

TEST(HanvellTest, SimplifiedChineseInShiftJisBytes) {
    const transfer::CCharacterTables& tables = TestEngine(kJapaneseToChinese).Tables();
    for (const HanvellCase& c : kHanvell) {
        std::string out;
        for (char16_t ch : Utf16FromUtf8(c.text))
            transfer::EncodeHanvellSimplified(tables, ch, out);
        EXPECT_EQ(out, c.bytes) << c.text;
    }
}

} // namespace
