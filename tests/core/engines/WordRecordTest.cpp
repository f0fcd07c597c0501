// Word records: each translated word points at its counterpart, in characters, a two-byte
// character counting one.
#include "EngineFixture.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    TransDirection direction;
    const char* source;
    const char* sourceWord;  // a word of the source ...
    const char* targetWord;  // ... and what its record must point at
};

const Case kCases[] = {
    {kJapaneseToChinese, "私は本を読む。", "本", "书"},
    {kJapaneseToChinese, "私は本を読む。", "読む", "读"},
    {kJapaneseToChinese, "ABC私は本を読む。", "本", "书"},  // single-byte letters count one each
    {kJapaneseToChinese, "ｱｲｳ私は本を読む。", "本", "书"},  // so do half-width katakana
    {kJapaneseToChinese, "[[東京]]に住む。", "東京", "東京"},
    {kChineseToJapanese, "我读这本书。", "书", "本"},
    {kChineseToJapanese, "我读这本书。", "读", "読む"},
    {kChineseToJapanese, "ABC我读这本书。", "书", "本"},
};

std::u16string Substring(const std::u16string& text, int32_t start, int32_t length) {
    if (start < 0 || length < 0 || size_t(start) + size_t(length) > text.size())
        return u"<out of bounds>";
    return text.substr(size_t(start), size_t(length));
}

class WordRecordTest : public testing::TestWithParam<Case> {};

TEST_P(WordRecordTest, PointsAtTheCounterpart) {
    const Case& c = GetParam();
    const bool jc = c.direction == kJapaneseToChinese;
    const Translation t = TranslateUtf8(TestEngine(c.direction), c.source, jc ? 932 : 936, jc ? 936 : 932);
    const std::u16string source = Utf16FromUtf8(c.source), target = Utf16FromUtf8(t.text);
    ASSERT_FALSE(t.records.empty()) << t.text;
    bool found = false;
    for (const WordRecord& r : t.records) {
        EXPECT_NE(Substring(source, r.m_nSourceStart, r.m_nSourceLength), u"<out of bounds>");
        EXPECT_NE(Substring(target, r.m_nTargetStart, r.m_nTargetLength), u"<out of bounds>");
        if (Substring(source, r.m_nSourceStart, r.m_nSourceLength) == Utf16FromUtf8(c.sourceWord)) {
            EXPECT_EQ(Utf8FromUtf16(Substring(target, r.m_nTargetStart, r.m_nTargetLength)), c.targetWord)
                << t.text;
            found = true;
        }
    }
    EXPECT_TRUE(found) << c.sourceWord << " has no record in " << t.text;
}

INSTANTIATE_TEST_SUITE_P(Words, WordRecordTest, testing::ValuesIn(kCases));

TEST(WordRecordOrderTest, TargetsDoNotOverlap) {
    const Translation t = TranslateUtf8(TestEngine(kJapaneseToChinese),
                                        "彼は私が昨日書いた手紙を読まなかった。", 932, 936);
    int32_t end = 0;
    for (const WordRecord& r : t.records) {
        EXPECT_GE(r.m_nTargetStart, end) << t.text;
        end = r.m_nTargetStart + r.m_nTargetLength;
    }
}

} // namespace
