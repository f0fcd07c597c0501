// Text conversions of the Hanvell forms: how pairs, single bytes and bad endings are walked.
#include "HanvellText.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TextCase {
    const char* name;
    std::string input;
    std::string expected;
};

class SimplifiedHanvellTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(SimplifiedHanvellTextTest, ToGb) {
    EXPECT_EQ(SimplifiedHanvellTextToGb(GetParam().input.c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SimplifiedHanvellTextTest,
                         testing::Values(TextCase{"Empty", "", ""},
                                         TextCase{"AsciiStays", "a-1\r\n", "a-1\r\n"},
                                         TextCase{"FullWidthBlank", "\x81\x40", "\xA1\xA1"},
                                         TextCase{"HanziAndAscii",
                                                  "x\x88\x9F"
                                                  "y",
                                                  "x\xB0\xA1"
                                                  "y"},
                                         TextCase{"PinyinBytesLengthen", "m\xC0", "m\xA8\xA2"},
                                         TextCase{"HalfWidthStop", "\xA1", "\xA1\xA3"},
                                         TextCase{"LoneLeadAtEndKept", "a\x88", "a\x88"}),
                         [](const testing::TestParamInfo<TextCase>& info) {
                             return info.param.name;
                         });

class GbTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(GbTextTest, ToSimplifiedHanvell) {
    EXPECT_EQ(GbTextToSimplifiedHanvell(GetParam().input.c_str()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GbTextTest,
                         testing::Values(TextCase{"Empty", "", ""},
                                         TextCase{"HanziAndAscii",
                                                  "x\xB0\xA1"
                                                  "y",
                                                  "x\x88\x9F"
                                                  "y"},
                                         TextCase{"MovedRowCf", "\xCF\xD4", "\x87\x4A"},
                                         TextCase{"PinyinShortens",
                                                  "m\xA8\xA2"
                                                  "a",
                                                  "m\xC0"
                                                  "a"},
                                         TextCase{"ExtensionCode", "\xA9\x60", "\x81\x5B"},
                                         TextCase{"LoneLeadAtEndKept", "a\xB0", "a\xB0"}),
                         [](const testing::TestParamInfo<TextCase>& info) {
                             return info.param.name;
                         });

TEST(ShiftJisFormTextTest, ToBig5) {
    const CCharacterTables& tables = GeneratedTables();
    EXPECT_EQ(ShiftJisFormTextToBig5(tables, "\x81\x40"), "\xA1\x40");
    EXPECT_EQ(ShiftJisFormTextToBig5(tables, "x\x88\x9F\xC0"), "x\xB0\xDA"
                                                               "a");
    EXPECT_EQ(ShiftJisFormTextToBig5(tables, "\x88"), "\x88");
    EXPECT_EQ(ShiftJisFormTextToBig5(tables, ""), "");
}

// Writing Big5 as traditional Hanvell and reading it back gives the text again.
TEST(TraditionalHanvellTextTest, Big5RoundTripsInPlace) {
    const CCharacterTables& tables = GeneratedTables();
    const std::string big5 = "A\xA4\xA4\xB0\xEA\xA1\x40"
                             "b\xA1\x43"; // 中國、b，
    std::vector<char> buffer(big5.begin(), big5.end());
    buffer.push_back('\0');
    Big5TextToTraditionalHanvell(tables, buffer.data());
    const std::string hanvell(buffer.data());
    ASSERT_EQ(hanvell.size(), big5.size());
    EXPECT_NE(hanvell, big5);
    EXPECT_EQ(TraditionalHanvellTextToBig5(tables, hanvell.c_str()), big5);
}

TEST(TraditionalHanvellTextTest, BadPairsAndLoneLeadInPlace) {
    const CCharacterTables& tables = GeneratedTables();
    struct InPlaceCase {
        std::string input;
        std::string expected;
    };
    const InPlaceCase cases[] = {
        {"", ""},
        {"\xA4", "\xA4"},         // lone lead before the terminator
        {"\xA4\x85", "\x81\x40"}, // trail outside Big5
        {"\x80\x41", "\x81\x40"}, // lead outside Big5
        {"\xA1\x40", "\x81\x40"}, // the blank is the blank
    };
    for (const InPlaceCase& c : cases) {
        std::vector<char> buffer(c.input.begin(), c.input.end());
        buffer.push_back('\0');
        Big5TextToTraditionalHanvell(tables, buffer.data());
        EXPECT_EQ(std::string(buffer.data()), c.expected);
    }
}

TEST(TraditionalHanvellTextTest, PinyinBytesReadAsVowels) {
    EXPECT_EQ(TraditionalHanvellTextToBig5(GeneratedTables(), "n\xCB\xA6"), "noA");
}

} // namespace
