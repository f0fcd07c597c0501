// The simplified/traditional conversion core: in-place contracts over every code, round trips,
// and bad input.
#include "HanswapCore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

// The text in a heap block of exactly its length plus the terminator, so that the sanitizer
// catches any read past it.
std::string ConvertInExactBuffer(const std::string& text, void (*convert)(char*)) {
    std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
    std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
    convert(buffer.get());
    return std::string(buffer.get());
}

std::u16string ConvertUnits(const std::u16string& text, void (*convert)(char16_t*)) {
    std::unique_ptr<char16_t[]> buffer(new char16_t[text.size() + 1]);
    std::memcpy(buffer.get(), text.c_str(), (text.size() + 1) * sizeof(char16_t));
    convert(buffer.get());
    return std::u16string(buffer.get(), text.size());
}

std::string Pair(int lead, int trail) {
    return std::string{static_cast<char>(lead), static_cast<char>(trail)};
}

bool IsGbPair(const std::string& s) {
    const auto lead = static_cast<uint8_t>(s[0]), trail = static_cast<uint8_t>(s[1]);
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

bool IsBig5Pair(const std::string& s) {
    const auto lead = static_cast<uint8_t>(s[0]), trail = static_cast<uint8_t>(s[1]);
    return lead >= 0x81 && lead <= 0xFE &&
           ((trail >= 0x40 && trail <= 0x7E) || (trail >= 0xA1 && trail <= 0xFE));
}

const std::string kBig5Question = "\xA1\x48";

TEST(HanswapCoreTest, EveryPairKeepsItsLengthAndGivesAPairOfTheOtherCodePage) {
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string pair = Pair(lead, trail);
            const std::string big5 = ConvertInExactBuffer(pair, ConvertGbToBig5);
            ASSERT_EQ(big5.size(), 2u);
            ASSERT_TRUE(big5 == pair || IsBig5Pair(big5)) << std::hex << lead << trail;
            const std::string gb = ConvertInExactBuffer(pair, ConvertBig5ToGb);
            ASSERT_EQ(gb.size(), 2u);
            ASSERT_TRUE(gb == pair || IsGbPair(gb)) << std::hex << lead << trail;
        }
    }
}

// Where exactly one GB2312 code becomes a given Big5 code, that Big5 code turns back into it.
TEST(HanswapCoreTest, OneToOneGbCodesRoundTrip) {
    std::map<std::string, std::string> sourceOf;
    std::map<std::string, int> sources;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const std::string gb = Pair(lead, trail);
            const std::string big5 = ConvertInExactBuffer(gb, ConvertGbToBig5);
            if (big5 == gb || big5 == kBig5Question) {
                continue;
            }
            sourceOf[big5] = gb;
            ++sources[big5];
        }
    }
    int oneToOne = 0;
    for (const auto& [big5, gb] : sourceOf) {
        if (sources[big5] == 1) {
            ++oneToOne;
            EXPECT_EQ(ConvertInExactBuffer(big5, ConvertBig5ToGb), gb);
        }
    }
    EXPECT_GT(oneToOne, 6000);
}

TEST(HanswapCoreTest, ConvertsBetweenTheScripts) {
    // 中国人 / 中國人, and 发 with its more common traditional form
    EXPECT_EQ(ConvertInExactBuffer("\xD6\xD0\xB9\xFA\xC8\xCB"
                                   "ok",
                                   ConvertGbToBig5),
              "\xA4\xA4\xB0\xEA\xA4\x48"
              "ok");
    EXPECT_EQ(ConvertInExactBuffer("\xA4\xA4\xB0\xEA\xA4\x48", ConvertBig5ToGb),
              "\xD6\xD0\xB9\xFA\xC8\xCB");
    EXPECT_EQ(ConvertInExactBuffer("\xB7\xA2", ConvertGbToBig5), "\xB5\x6F");    // 发 -> 發
    EXPECT_EQ(ConvertInExactBuffer("\xA4\xA2", ConvertGbToBig5), kBig5Question); // kana
}

struct BadInput {
    const char* name;
    std::string text;
};

class HanswapBadInputTest : public testing::TestWithParam<BadInput> {};

TEST_P(HanswapBadInputTest, IsLeftAsItIs) {
    EXPECT_EQ(ConvertInExactBuffer(GetParam().text, ConvertGbToBig5), GetParam().text);
    EXPECT_EQ(ConvertInExactBuffer(GetParam().text, ConvertBig5ToGb), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, HanswapBadInputTest,
                         testing::Values(BadInput{"Empty", ""}, BadInput{"Ascii", "abc 123\r\n"},
                                         BadInput{"LoneLeadAtEnd", "ab\xB0"},
                                         BadInput{"LeadBeforeControl", "\xB0\x0A"
                                                                       "x"},
                                         BadInput{"LeadBeforeDelete", "\xB0\x7F"},
                                         BadInput{"LeadFF", "\xFF\xB0"},
                                         BadInput{"UserDefinedArea", "\xFE\xFE"}),
                         [](const testing::TestParamInfo<BadInput>& info) {
                             return info.param.name;
                         });

TEST(HanswapUtf16Test, EveryUnitKeepsTheLengthAndStaysOutsideTheSurrogates) {
    for (char32_t unit = 1; unit <= 0xFFFF; ++unit) {
        const std::u16string text{static_cast<char16_t>(unit)};
        for (auto convert : {ConvertSimplifiedToTraditional, ConvertTraditionalToSimplified}) {
            const std::u16string out = ConvertUnits(text, convert);
            ASSERT_NE(out[0], 0);
            const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
            ASSERT_EQ(surrogate, out[0] >= 0xD800 && out[0] <= 0xDFFF) << std::hex << unit;
            if (unit < 0x3000) {
                ASSERT_EQ(out, text);
            }
        }
    }
}

TEST(HanswapUtf16Test, ConvertsCharactersAndLeavesTheOthers) {
    const std::u16string simplified = u"\u4E2D\u56FD\u4EBA\u3042 \U00020000"; // 中国人あ 𠀀
    const std::u16string traditional = u"\u4E2D\u570B\u4EBA\u3042 \U00020000";
    EXPECT_EQ(ConvertUnits(simplified, ConvertSimplifiedToTraditional), traditional);
    EXPECT_EQ(ConvertUnits(traditional, ConvertTraditionalToSimplified), simplified);
    EXPECT_EQ(ConvertUnits(u"", ConvertSimplifiedToTraditional), u"");
}

} // namespace
