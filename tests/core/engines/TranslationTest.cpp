// Translation of real sentences in both directions: the words that must be there, in the order
// the target language puts them.
#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* source;
    std::vector<const char*> inOrder;  // each found after the one before
    std::vector<const char*> absent = {};
};

// The position after each expected piece, or the reason it is missing.
testing::AssertionResult HasInOrder(const std::string& text, const Case& c) {
    size_t at = 0;
    for (const char* piece : c.inOrder) {
        const size_t found = text.find(piece, at);
        if (found == std::string::npos)
            return testing::AssertionFailure() << "\"" << piece << "\" missing after " << at << " in " << text;
        at = found + std::string(piece).size();
    }
    for (const char* piece : c.absent)
        if (text.find(piece) != std::string::npos)
            return testing::AssertionFailure() << "\"" << piece << "\" should not be in " << text;
    return testing::AssertionSuccess();
}

const Case kJapanese[] = {
    // The object follows the verb; the place comes first with 在.
    {"私は毎日学校で日本語を勉強します。", {"我", "每天", "在学校", "学习", "日语", "。"}},
    // A relative clause before its noun with 的; the past as 了.
    {"彼は私が書いた手紙を読んだ。", {"他", "读了", "我", "写", "的", "信"}, {"手纸"}},
    // The copula before a noun, none after an adjectival noun.
    {"吾輩は猫である。", {"吾辈", "是", "猫", "。"}},
    {"すべての人間は平等である。", {"人", "平等"}, {"是平等"}},
    // Negation before the verb, politeness dropped.
    {"私は肉を食べません。", {"我", "不", "吃", "肉"}, {"ません"}},
    // Compound particles become prepositions before their phrase.
    {"法の下において平等である。", {"在", "法", "之下", "平等"}},
    // Full-width punctuation in its Chinese form.
    {"「明日は、雨です。」", {"“", "明天", "，", "雨", "。", "”"}, {"、", "「"}},
    // A false friend of the characters is not taken.
    {"新聞を読む。", {"读", "报纸"}, {"新闻"}},
    // Nouns usually written in kana are words, not particles: りんご is not り + ん + ご.
    {"りんごを食べる。", {"吃", "苹果", "。"}},
    // Greetings and set phrases in kana.
    {"ありがとう、すみません。", {"谢谢", "对不起"}},
    // 何で before です is not the adverb 何で (why).
    {"これは何ですか。", {"这", "是什么"}, {"为什么"}},
    // Loanwords in their current sense, not the pivot's first English match.
    {"パーティーでサインした。", {"派对", "签名"}, {"党", "正弦"}},
};

const Case kChinese[] = {
    {"我每天在学校学习日语。", {"私", "は", "毎日", "学校", "で", "日本語", "を", "勉強する", "。"}},
    {"他被老师批评了。", {"彼", "は", "先生", "に", "された", "。"}},
    {"我昨天没有去学校。", {"私", "は", "昨日", "学校", "に", "行かなかった", "。"}},
    {"这个问题不难。", {"この", "問題", "は", "難しくない", "。"}},
    {"我们必须保护环境。", {"私たち", "は", "環境", "を", "保護しなければならない"}},
    {"“你好，”他说。", {"「", "、", "」", "彼"}, {"，"}},
    // Everyday words in their common sense, not a loanword the English pivot found.
    {"夏天的时候，游客很多。", {"夏", "観光客"}, {"サマー", "トラベラー"}},
};

class JapaneseToChineseTest : public testing::TestWithParam<Case> {};
class ChineseToJapaneseTest : public testing::TestWithParam<Case> {};

TEST_P(JapaneseToChineseTest, SimplifiedTarget) {
    const Translation t = TranslateUtf8(TestEngine(kJapaneseToChinese), GetParam().source, 932, 936);
    EXPECT_TRUE(HasInOrder(t.text, GetParam()));
}

TEST_P(ChineseToJapaneseTest, Gb2312Source) {
    const Translation t = TranslateUtf8(TestEngine(kChineseToJapanese), GetParam().source, 936, 932);
    EXPECT_TRUE(HasInOrder(t.text, GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Sentences, JapaneseToChineseTest, testing::ValuesIn(kJapanese));
INSTANTIATE_TEST_SUITE_P(Sentences, ChineseToJapaneseTest, testing::ValuesIn(kChinese));

TEST(TranslationTest, TraditionalTargetAndSource) {
    const Translation jc = TranslateUtf8(TestEngine(kJapaneseToChinese), "彼は私が書いた手紙を読んだ。", 932, 950);
    EXPECT_NE(jc.text.find("讀了"), std::string::npos) << jc.text;
    EXPECT_NE(jc.text.find("寫"), std::string::npos) << jc.text;
    const Translation cj = TranslateUtf8(TestEngine(kChineseToJapanese), "我們必須保護環境。", 950, 932);
    EXPECT_NE(cj.text.find("環境を保護しなければならない"), std::string::npos) << cj.text;
}

TEST(TranslationTest, MarkedSpansStayAsTheyAreWithoutBrackets) {
    const Translation jc = TranslateUtf8(TestEngine(kJapaneseToChinese), "[[東京タワー]]を見る。", 932, 936);
    EXPECT_NE(jc.text.find("東京タワー"), std::string::npos) << jc.text;
    EXPECT_EQ(jc.text.find("[["), std::string::npos) << jc.text;
    EXPECT_EQ(jc.text.find("]]"), std::string::npos) << jc.text;
    const Translation cj = TranslateUtf8(TestEngine(kChineseToJapanese), "我去[[北京饭店]]。", 936, 932);
    EXPECT_NE(cj.text.find("北京飯店"), std::string::npos) << "characters carried, not words translated: " << cj.text;
    EXPECT_EQ(cj.text.find("["), std::string::npos) << cj.text;
    // An opening without a close marks nothing.
    const Translation open = TranslateUtf8(TestEngine(kJapaneseToChinese), "[[猫", 932, 936);
    EXPECT_EQ(open.text, "[[猫");
}

TEST(TranslationTest, LineBreaksInsideASentenceAreKept) {
    const Translation jc = TranslateUtf8(TestEngine(kJapaneseToChinese), "猫である。\r\n犬である。", 932, 936);
    EXPECT_NE(jc.text.find("。\r\n"), std::string::npos) << jc.text;
    const Translation cj = TranslateUtf8(TestEngine(kChineseToJapanese), "我是学生。\n他是老师。", 936, 932);
    EXPECT_NE(cj.text.find("。\n"), std::string::npos) << cj.text;
}

TEST(TranslationTest, ExternalRequestsAreSimplifiedChineseInShiftJisBytes) {
    // 10932: GB2312 by the JIS arithmetic, read back here as Shift-JIS.
    const Translation gb = TranslateUtf8(TestEngine(kJapaneseToChinese), "日本語を勉強する。", 932, 936, 1);
    const Translation hv = TranslateUtf8(TestEngine(kJapaneseToChinese), "日本語を勉強する。", 932, 10932, 1);
    EXPECT_NE(gb.text, hv.text);
    EXPECT_NE(hv.text.find("。"), std::string::npos) << "punctuation through its Shift-JIS form";
}

TEST(TranslationTest, AlternativesAreGivenAsAskedInADocumentedForm) {
    transfer::CTransferEngine engine(kChineseToJapanese, TestSystemDicFolder());
    TransConfig config{};
    config.m_nTransHomo = 1;
    ASSERT_TRUE(engine.Configure(config, {}));
    transfer::CTransferEngine& one = engine;
    const Translation single = TranslateUtf8(one, "电脑", 936, 932);
    EXPECT_EQ(single.text.find("（"), std::string::npos) << single.text;
    config.m_nTransHomo = transfer::kAllTranslations;
    ASSERT_TRUE(engine.Configure(config, {}));
    const Translation all = TranslateUtf8(engine, "电脑", 936, 932);
    EXPECT_EQ(all.text.rfind(single.text, 0), 0u) << "the first translation leads: " << all.text;
    EXPECT_NE(all.text.find("（"), std::string::npos) << all.text;
    EXPECT_NE(all.text.find("）"), std::string::npos) << all.text;
}

} // namespace
