// Line breaking: where wrapped lines start in Japanese, Chinese and pinyin text.
#include "CodePages.h"
#include "FixedWidthMeasurer.h"
#include "LineBreaker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Shift-JIS "あいう" and "あ".
const std::string kAiu = "\x82\xA0\x82\xA2\x82\xA4";
const std::string kA = "\x82\xA0";

struct BreakCase {
    const char* name;
    std::string text;
    int width;
    LineBreaking breaking;
    std::vector<int> starts;  // the line starts; the count is their number
};

std::vector<int> Starts(const LineStartTable& table, int lines) { return {table.begin(), table.begin() + lines}; }

class LineBreakTest : public testing::TestWithParam<BreakCase> {};

TEST_P(LineBreakTest, LinesStartWhereExpected) {
    const BreakCase& c = GetParam();
    CFixedWidthMeasurer measurer;
    LineStartTable table{};
    int lines = CountLines(c.text, c.width, measurer, kCodePageJapanese, c.breaking, table);
    EXPECT_EQ(Starts(table, lines), c.starts);
    EXPECT_EQ(table[kLineStartEntries - 1], int(c.text.size()));
}

const LineBreaking kChar = LineBreaking::ByCharacter;
const LineBreaking kPinyin = LineBreaking::AfterLastBlank;

INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreakTest,
    testing::Values(BreakCase{"EmptyTextHasNoLine", "", 100, kChar, {}},
                    BreakCase{"ShortTextOneLine", "abc", 100, kChar, {0}},
                    BreakCase{"BreaksWhenTheWidthIsExceeded", "abcd", 24, kChar, {0, 3}},
                    BreakCase{"ExactFitStaysOnOneLine", "abc", 24, kChar, {0}},
                    // 8 + 16 fit in 32, the next character starts the second line at byte 3.
                    BreakCase{"TwoByteCharacterNeverSplit", "a" + kAiu, 32, kChar, {0, 3}},
                    BreakCase{"TrailingLeadByteDropped", "ab\x82", 16, kChar, {0}},
                    BreakCase{"LineFeedAtTheEndGivesAnEmptyLastLine", "ab\n", 100, kChar, {0, 3}},
                    BreakCase{"LineFeedAloneIsTwoLines", "\n", 100, kChar, {0, 1}},
                    BreakCase{"CarriageReturnTakesNoRoom", "abc\r\nd\re", 24, kChar, {0, 5}},
                    BreakCase{"CharacterWiderThanThePaneLeavesNoEmptyLine", kA + kA, 10, kChar, {0, 2}},
                    BreakCase{"JapaneseBreaksAtAnyCharacterNotAtBlanks", "ni hao shijie", 80, kChar, {0, 10}},
                    BreakCase{"PinyinBreaksAfterTheLastBlank", "ni hao shijie", 80, kPinyin, {0, 7}},
                    BreakCase{"PinyinBlankAtTheBreakNotCarried", "abcdefghij klm", 80, kPinyin, {0, 11}},
                    BreakCase{"PinyinWithoutBlankBreaksByCharacter", "abcdefghijkl", 80, kPinyin, {0, 10}},
                    BreakCase{"PinyinLineFeedForgetsTheBlank", "a b\ncdefghijklm", 80, kPinyin, {0, 4, 14}}),
    [](const testing::TestParamInfo<BreakCase>& info) { return std::string(info.param.name); });

TEST(LineBreaker, LoneLeadByteIsNeverMeasured) {
    CFixedWidthMeasurer measurer;
    LineStartTable table{};
    CountLines("ab\x82", 100, measurer, kCodePageJapanese, kChar, table);
    EXPECT_EQ(measurer.measured, (std::vector<std::string>{"a", "b"}));
}

TEST(LineBreaker, LeadBytesFollowTheCodePage) {
    // 0xA4 is a one-byte katakana in Shift-JIS and a lead byte in GB2312.
    const std::string text = "\xA4\xA4\xA4\xA4";
    CFixedWidthMeasurer measurer;
    LineStartTable table{};
    EXPECT_EQ(CountLines(text, 24, measurer, kCodePageJapanese, kChar, table), 2);
    EXPECT_EQ(table[1], 3);
    EXPECT_EQ(CountLines(text, 24, measurer, kCodePageSimplified, kChar, table), 2);
    EXPECT_EQ(table[1], 2);
}

TEST(LineBreaker, CountIsCappedAndLastEntryHoldsTheLength) {
    const std::string text(2000, '\n');
    CFixedWidthMeasurer measurer;
    LineStartTable table{};
    EXPECT_EQ(CountLines(text, 100, measurer, kCodePageJapanese, kChar, table), kMaxTextLines);
    EXPECT_EQ(table[kLineStartEntries - 1], 2000);
    EXPECT_EQ(table[kMaxTextLines - 1], kMaxTextLines - 1);
}

} // namespace
