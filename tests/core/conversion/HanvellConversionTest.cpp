// Pair and single-byte conversions of the Hanvell forms: the rules' edge cases and whole-table
// round trips.
#include "HanvellConversion.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <set>

namespace {

bool IsInRow98Gap(DoubleByteCode code) {
    return LeadOf(code) == 0x98 && TrailOf(code) >= 0x73 && TrailOf(code) <= 0x9E;
}

// GB rows whose targets come from the fixed rows rather than the formula.
bool IsFixedGbRow(int lead) {
    return lead == 0xA1 || lead == 0xA2 || lead == 0xA3 || lead == 0xA8 || lead == 0xA9 ||
           (lead >= 0xF4 && lead <= 0xF7);
}

struct PairCase {
    DoubleByteCode from;
    DoubleByteCode to;
};

TEST(SimplifiedHanvellTest, GbPairsGiveTheirHanvellCodes) {
    const PairCase cases[] = {
        {0xB0A1, 0x889F}, // first hanzi
        {0xCFD4, 0x874A}, // formula gives 98 73, moved under lead 87
        {0xCFFE, 0x8793}, // last of the 43
        {0xE946, 0xF282},
        {0xA1A1, 0x8140}, // ideographic space
        {0xA960, 0x815B}, // an extension pair
        {0xA3A0, 0x8140},
        {0xB569, kNoHanvellCode}, // a character without a Shift_JIS twin
        {0xA140, kNoHanvellCode},
        {0xF8A1, kNoHanvellCode}, // rows past F7 hold no GB2312 characters
    };
    for (const PairCase& c : cases) {
        EXPECT_EQ(GbToSimplifiedHanvell(LeadOf(c.from), TrailOf(c.from)), ConvertedCode::Pair(c.to))
            << std::hex << c.from;
    }
}

TEST(SimplifiedHanvellTest, HanvellPairsGiveTheirGbCodes) {
    const PairCase cases[] = {
        {0x889F, 0xB0A1},
        {0x874A, 0xCFD4},
        {0xF282, 0xE946},
        {0xFA40, SimplifiedHanvellToGb(0xEE, 0xEF)}, // range table
        {0xFC4B, SimplifiedHanvellToGb(0xEE, 0xEC)}, // its last code
        {0xF540, SimplifiedHanvellToGb(0x81, 0x40)}, // in no range
        {0xEEED, SimplifiedHanvellToGb(0x81, 0x40)},
        {0xEEF9, SimplifiedHanvellToGb(0x81, 0xCA)},
        {0x8140, 0xA1A1},
        {0x8120, kGbBlank}, // no Shift_JIS pair
    };
    for (const PairCase& c : cases) {
        EXPECT_EQ(SimplifiedHanvellToGb(LeadOf(c.from), TrailOf(c.from)), c.to)
            << std::hex << c.from;
    }
}

// Every GB code of the formula rows comes back, and so does every code of the fixed rows that
// has a Hanvell code at all. Rows AA-AF hold no GB2312 characters.
TEST(SimplifiedHanvellTest, GbRoundTripsThroughSimplifiedHanvell) {
    int fixedRowCodesBack = 0;
    for (int lead = 0xA1; lead <= 0xF7; ++lead) {
        if (lead >= 0xAA && lead <= 0xAF) {
            continue;
        }
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const DoubleByteCode gb = MakeCode(lead, trail);
            const ConvertedCode hanvell = GbToSimplifiedHanvell(LeadOf(gb), TrailOf(gb));
            if (IsFixedGbRow(lead) && hanvell == ConvertedCode::Pair(kNoHanvellCode) &&
                gb != kNoGbCode) {
                continue;
            }
            const DoubleByteCode back =
                hanvell.length == 1
                    ? SimplifiedHanvellByteToGb(static_cast<uint8_t>(hanvell.value)).value
                    : SimplifiedHanvellToGb(LeadOf(hanvell.value), TrailOf(hanvell.value));
            ASSERT_EQ(back, gb) << std::hex << gb << " via " << hanvell.value;
            fixedRowCodesBack += IsFixedGbRow(lead) && lead < 0xF4;
        }
    }
    EXPECT_GT(fixedRowCodesBack, 400); // the punctuation rows are not simply all unknown
}

TEST(SimplifiedHanvellTest, NothingLandsInTheRow98Gap) {
    for (int lead = 0x80; lead <= 0xFE; ++lead) {
        for (int trail = 0x01; trail <= 0xFF; ++trail) {
            const ConvertedCode hanvell =
                GbToSimplifiedHanvell(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            ASSERT_FALSE(hanvell.length == 2 && IsInRow98Gap(hanvell.value))
                << std::hex << lead << " " << trail;
            ASSERT_TRUE(hanvell.length == 1 || (IsShiftJisLead(LeadOf(hanvell.value)) &&
                                                IsShiftJisTrail(TrailOf(hanvell.value))));
        }
    }
}

TEST(SimplifiedHanvellTest, PinyinBytesAndRowA8Letters) {
    for (int letter = 0; letter < 25; ++letter) {
        const DoubleByteCode gb = MakeCode(0xA8, static_cast<uint8_t>(0xA1 + letter));
        const uint8_t capital = static_cast<uint8_t>(0xA6 + letter);
        const uint8_t small = static_cast<uint8_t>(0xBF + letter);
        EXPECT_EQ(SimplifiedHanvellByteToGb(capital), ConvertedCode::Pair(gb));
        EXPECT_EQ(SimplifiedHanvellByteToGb(small), ConvertedCode::Pair(gb));
        EXPECT_EQ(GbToSimplifiedHanvell(0xA8, TrailOf(gb)), ConvertedCode::Single(small));
    }
    EXPECT_EQ(SimplifiedHanvellByteToGb(0xD8), ConvertedCode::Pair(0xA8BA));
    EXPECT_EQ(GbToSimplifiedHanvell(0xA8, 0xBA), ConvertedCode::Single(0xD8));
}

TEST(SimplifiedHanvellTest, OtherSingleBytes) {
    EXPECT_EQ(SimplifiedHanvellByteToGb(0xA1), ConvertedCode::Pair(0xA1A3)); // 。
    EXPECT_EQ(SimplifiedHanvellByteToGb(0xA2), ConvertedCode::Pair(0xA1B8)); // 「
    for (int byte = 0xD9; byte <= 0xDD; ++byte) {
        EXPECT_EQ(SimplifiedHanvellByteToGb(static_cast<uint8_t>(byte)).length, 1);
        EXPECT_LT(SimplifiedHanvellByteToGb(static_cast<uint8_t>(byte)).value, 0x80);
    }
    EXPECT_EQ(SimplifiedHanvellByteToGb(0xDE).length, 2);
    for (int byte : {0x00, 0x41, 0x7F, 0x80, 0xA0, 0xE0, 0xFD, 0xFF}) {
        EXPECT_EQ(SimplifiedHanvellByteToGb(static_cast<uint8_t>(byte)),
                  ConvertedCode::Single(static_cast<uint8_t>(byte)));
    }
}

TEST(HanvellBytesToBig5Test, PinyinBytesGivePlainVowels) {
    struct Group {
        int first;
        int last;
        char vowel;
    };
    const Group groups[] = {{0xA6, 0xA9, 'A'}, {0xAA, 0xAD, 'E'}, {0xAE, 0xB1, 'I'},
                            {0xB2, 0xB5, 'O'}, {0xB6, 0xBE, 'U'}, {0xBF, 0xC2, 'a'},
                            {0xC3, 0xC6, 'e'}, {0xC7, 0xCA, 'i'}, {0xCB, 0xCE, 'o'},
                            {0xCF, 0xD7, 'u'}};
    for (const Group& group : groups) {
        for (int byte = group.first; byte <= group.last; ++byte) {
            EXPECT_EQ(HanvellByteToBig5(static_cast<uint8_t>(byte)), group.vowel) << byte;
        }
    }
    for (int byte : {0x41, 0xA1, 0xA5, 0xD8, 0xDF, 0xFF}) {
        EXPECT_EQ(HanvellByteToBig5(static_cast<uint8_t>(byte)), byte);
    }
}

// Every Big5 code with a place round-trips, the places are distinct Shift_JIS pairs, and every
// Hanvell code but the no-equivalent mark and the row-98 gap holds a Big5 character.
TEST(TraditionalHanvellTest, PlacedBig5CodesRoundTrip) {
    const CCharacterTables& tables = GeneratedTables();
    ASSERT_TRUE(tables.IsLoaded());
    std::set<DoubleByteCode> places;
    for (int lead = 0xA1; lead <= 0xF9; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail >= 0x7F && trail <= 0xA0) {
                continue;
            }
            const DoubleByteCode big5 = MakeCode(lead, trail);
            const DoubleByteCode hanvell =
                Big5ToTraditionalHanvell(tables, LeadOf(big5), TrailOf(big5));
            if (hanvell == kNoHanvellCode) {
                continue;
            }
            ASSERT_TRUE(IsShiftJisLead(LeadOf(hanvell)) && IsShiftJisTrail(TrailOf(hanvell)));
            ASSERT_FALSE(IsInRow98Gap(hanvell));
            ASSERT_TRUE(places.insert(hanvell).second) << std::hex << big5;
            ASSERT_EQ(TraditionalHanvellToBig5(tables, LeadOf(hanvell), TrailOf(hanvell)), big5);
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const DoubleByteCode hanvell = MakeCode(lead, trail);
            if (!IsShiftJisLead(LeadOf(hanvell)) || !IsShiftJisTrail(TrailOf(hanvell)) ||
                IsInRow98Gap(hanvell) || hanvell == kNoHanvellCode) {
                continue;
            }
            EXPECT_TRUE(places.count(hanvell)) << std::hex << hanvell;
        }
    }
}

TEST(TraditionalHanvellTest, CodesOutsideTheTablesGiveBlanksAndMarks) {
    const CCharacterTables& tables = GeneratedTables();
    EXPECT_EQ(Big5ToTraditionalHanvell(tables, 0xA0, 0x40), kHanvellBlank);
    EXPECT_EQ(Big5ToTraditionalHanvell(tables, 0xA4, 0x85), kHanvellBlank);
    EXPECT_EQ(Big5ToTraditionalHanvell(tables, 0xA4, 0x30), kHanvellBlank);
    EXPECT_EQ(Big5ToTraditionalHanvell(tables, 0xA3, 0xFE), kNoHanvellCode); // no character
    EXPECT_EQ(TraditionalHanvellToBig5(tables, 0xA0, 0x40), kBig5Blank);
    EXPECT_EQ(TraditionalHanvellToBig5(tables, 0x88, 0x30), kBig5Blank);
    EXPECT_EQ(TraditionalHanvellToBig5(tables, 0x81, 0xAC), kNoBig5Code);
}

TEST(TraditionalHanvellTest, WithoutTablesEveryCodeHasNoEquivalent) {
    const CCharacterTables none;
    EXPECT_EQ(Big5ToTraditionalHanvell(none, 0xA4, 0x40), kNoHanvellCode);
    EXPECT_EQ(TraditionalHanvellToBig5(none, 0x88, 0x9F), kNoBig5Code);
    EXPECT_EQ(ShiftJisFormToBig5(none, 0x88, 0x9F), kNoBig5Code);
}

// Whatever Shift-JIS-form pair comes in, a Big5 pair goes out.
TEST(ShiftJisFormToBig5Test, EveryPairGivesABig5Pair) {
    const CCharacterTables& tables = GeneratedTables();
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsShiftJisLead(static_cast<uint8_t>(lead))) {
            continue;
        }
        for (int trail = 0x01; trail <= 0xFF; ++trail) {
            const DoubleByteCode big5 =
                ShiftJisFormToBig5(tables, static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
            const uint8_t t = TrailOf(big5);
            ASSERT_TRUE(LeadOf(big5) >= 0xA1 && LeadOf(big5) <= 0xF9 &&
                        ((t >= 0x40 && t <= 0x7E) || (t >= 0xA1 && t <= 0xFE)))
                << std::hex << lead << " " << trail << " -> " << big5;
        }
    }
    EXPECT_EQ(ShiftJisFormToBig5(tables, 0x81, 0x40), kBig5Blank);
    EXPECT_EQ(ShiftJisFormToBig5(tables, 0x88, 0x9F), 0xB0DA); // 啊
}

} // namespace
