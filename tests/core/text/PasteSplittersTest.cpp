// Pasted text cut into one piece per sentence.
#include "PasteSplitters.h"
#include "TextTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

SegmentationValues Defaults(int spaceCutFlag) {
    SegmentationValues v;
    v.periodOnly = 1;
    v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = spaceCutFlag;
    v.spaceCutLength = 1;
    return v;
}

// Every piece of the text, as the pasting code takes them.
std::vector<std::u16string> Pieces(const std::u16string& text, unsigned codePage, const SegmentationValues& v,
                                   bool chinese) {
    std::string bytes = Encode(text, codePage);
    std::vector<std::u16string> pieces;
    size_t position = 0;
    do {
        std::string piece = chinese ? TakeChinesePiece(bytes, position, codePage, v) : TakeSimplePiece(bytes, position, 0, v);
        pieces.push_back(Decode(piece, codePage));
    } while (position != 0 && pieces.size() < 100);
    return pieces;
}

struct SplitCase {
    const char* name;
    bool chinese;
    unsigned codePage;
    std::function<void(SegmentationValues&)> adjust;
    std::u16string text;
    std::vector<std::u16string> expected;
};

void Keep(SegmentationValues&) {}

const SplitCase kCases[] = {
    {"JapaneseEndsAtFullStopAndLineFeed", false, 932, Keep, u"今日は晴れ。明日は雨\r\n次",
     {u"今日は晴れ。", u"明日は雨", u"次"}},
    {"JapaneseSingleByteMarksNeverEnd", false, 932, Keep, u"Yes. Really? 本当！ええ", {u"Yes. Really? 本当！", u"ええ"}},
    {"JapaneseTrailingLineBreakGivesEmptyPiece", false, 932, Keep, u"文。\r\n", {u"文。", u""}},
    {"JapaneseSemicolonOnlyWhenOn", false, 932, [](SegmentationValues& v) { v.semicolonMark = 1; }, u"前；後",
     {u"前；", u"後"}},
    {"ChineseMarksInARowStayTogether", true, 936, Keep, u"你好吗？！我很好。", {u"你好吗？！", u"我很好。"}},
    {"ChineseNumberWithCommasStaysWhole", true, 936, [](SegmentationValues& v) { v.commaMark = 1; },
     u"共1,234元，谢谢", {u"共1,234元，", u"谢谢"}},
    {"ChineseQuoteFollowsFullStop", true, 950, Keep, u"他說：「好。」”後來", {u"他說：「好。", u"」”後來"}},
    {"ChineseClosingQuoteTaken", true, 936, Keep, u"好。”然后", {u"好。”", u"然后"}},
    {"ChineseLeadingBlanksSkippedAndBlankRuleApplied", true, 936, Keep, u"　 中 文 好。下", {u"中文 好。", u"下"}},
    {"ChinesePeriodRunEnds", true, 936, Keep, u"Wait... 好", {u"Wait...", u"好"}},
    {"ChineseColonAfterDigitStays", true, 936, [](SegmentationValues& v) { v.colonMark = 1; }, u"10:30开会：地点",
     {u"10:30开会：", u"地点"}},
};

class PasteSplittersTest : public testing::TestWithParam<SplitCase> {};

TEST_P(PasteSplittersTest, CutsAsTheRulesSay) {
    const SplitCase& c = GetParam();
    SegmentationValues v = Defaults(c.chinese ? 2 : 0);
    c.adjust(v);
    EXPECT_EQ(Pieces(c.text, c.codePage, v, c.chinese), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, PasteSplittersTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(PasteSplittersLimitTest, ZeroByteEndsChineseText) {
    std::string bytes = Encode(u"你好", 936) + std::string(1, '\0') + Encode(u"再见", 936);
    size_t position = 0;
    const std::u16string before = u"你好";  // not inside the macro: its text must be Shift-JIS
    EXPECT_EQ(Decode(TakeChinesePiece(bytes, position, 936, Defaults(2)), 936), before);
    EXPECT_EQ(position, 0u);
}

TEST(PasteSplittersLimitTest, PiecesNeverExceedTheEditBuffer) {
    std::string bytes(40000, 'x');
    size_t position = 0;
    EXPECT_EQ(TakeSimplePiece(bytes, position, 0, Defaults(0)).size(), kMaxPieceBytes);
    EXPECT_EQ(position, kMaxPieceBytes);
    position = 0;
    EXPECT_EQ(TakeChinesePiece(bytes, position, 936, Defaults(2)).size(), kMaxPieceBytes);
}

} // namespace
