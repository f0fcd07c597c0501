// The CVDATA resources as the program loads them, and their characters as Windows' own code
// pages read them.
#include "CharacterTablesResource.h"

#include "CharacterTables.h"
#include "HanvellConversion.h"
#include "TableFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace {

// The character of a double-byte code in a code page, or 0 when it holds none (user-defined
// codes hold private-use code points, no character of their own).
wchar_t CharacterOf(UINT codePage, DoubleByteCode code) {
    const char bytes[2] = {static_cast<char>(LeadOf(code)), static_cast<char>(TrailOf(code))};
    wchar_t wide[2] = {};
    if (MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) != 1 ||
        (wide[0] >= 0xE000 && wide[0] <= 0xF8FF)) {
        return 0;
    }
    return wide[0];
}

// The double-byte code of a character the code page really has (no best-fit look-alike), or 0.
DoubleByteCode CodeOf(UINT codePage, wchar_t character) {
    char bytes[4] = {};
    BOOL defaulted = FALSE;
    const int length = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, &character, 1, bytes,
                                           sizeof bytes, nullptr, &defaulted);
    if (length != 2 || defaulted) {
        return 0;
    }
    const DoubleByteCode code = MakeCode(bytes[0], bytes[1]);
    return CharacterOf(codePage, code) == character ? code : 0;
}

// Code points the code pages give for what a reader takes as one character.
bool SameCharacter(wchar_t a, wchar_t b) {
    static const wchar_t kVariants[][2] = {
        {0x00B7, 0x30FB}, {0x2014, 0x2015}, {0x2016, 0x2225}, {0x301C, 0xFF5E}, {0x2212, 0xFF0D},
        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x2264, 0x2266}, {0x2265, 0x2267},
    };
    if (a == b) {
        return true;
    }
    for (const auto& pair : kVariants) {
        if ((pair[0] == a && pair[1] == b) || (pair[0] == b && pair[1] == a)) {
            return true;
        }
    }
    return false;
}

bool IsHanzi(wchar_t c) {
    return (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF);
}

const CCharacterTables& LoadedTables() {
    EXPECT_TRUE(LoadCharacterTables(GetModuleHandleW(nullptr)));
    return ProgramCharacterTables();
}

TEST(CharacterTablesResourceTest, LoadsTheGeneratedTablesOnce) {
    ASSERT_TRUE(LoadCharacterTables(GetModuleHandleW(nullptr)));
    const CCharacterTables& tables = ProgramCharacterTables();
    const ByteSpan gb = tables.GbToBig5().Bytes();
    const std::vector<uint8_t>& file = TableFile("GB-BIG5");
    ASSERT_EQ(gb.size, file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.end(), gb.data));
    EXPECT_EQ(tables.Big5ToHanvell().Bytes().size, TableFile("BIG5-HVH").size());
    EXPECT_EQ(tables.HanvellToBig5().Bytes().size, TableFile("HVH-BIG5").size());

    EXPECT_TRUE(LoadCharacterTables(GetModuleHandleW(nullptr)));
    EXPECT_EQ(tables.GbToBig5().Bytes().data, gb.data);
    // A module without the tables leaves the loaded ones in place.
    EXPECT_FALSE(LoadCharacterTables(GetModuleHandleW(L"kernel32.dll")));
    EXPECT_EQ(tables.GbToBig5().Bytes().data, gb.data);
}

// A Big5 character that code page 932 has keeps its Shift_JIS code (the first Big5 code of it,
// where Big5 has two).
TEST(CharacterTablesResourceTest, Big5CharactersThatShiftJisHasKeepTheirCode) {
    const CCharacterTables& tables = LoadedTables();
    std::vector<bool> seen(0x10000);
    int kept = 0;
    for (int lead = 0xA1; lead <= 0xF9; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const wchar_t c = CharacterOf(950, MakeCode(lead, trail));
            if (c == 0 || seen[c]) {
                continue;
            }
            seen[c] = true;
            if (CodeOf(932, c) == 0) {
                continue;
            }
            const DoubleByteCode hanvell = Big5ToTraditionalHanvell(tables, lead, trail);
            EXPECT_EQ(CharacterOf(932, hanvell), c) << std::hex << lead << trail;
            ++kept;
        }
    }
    EXPECT_GT(kept, 5000);
}

TEST(CharacterTablesResourceTest, GbSymbolsBecomeTheSameBig5Symbol) {
    const CCharacterTables& tables = LoadedTables();
    for (int lead = 0xA1; lead <= 0xA9; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const wchar_t c = CharacterOf(936, MakeCode(lead, trail));
            if (c == 0 || CodeOf(950, c) == 0) {
                continue;
            }
            const DoubleByteCode big5 = tables.GbToBig5().Lookup(lead, trail);
            EXPECT_TRUE(SameCharacter(CharacterOf(950, big5), c)) << std::hex << lead << trail;
        }
    }
}

// Every GB2312 hanzi has a Big5 form, or none at all; never a Big5 code without a character.
TEST(CharacterTablesResourceTest, GbHanziBecomeBig5Characters) {
    const CCharacterTables& tables = LoadedTables();
    int converted = 0;
    for (int lead = 0xB0; lead <= 0xF7; ++lead) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const DoubleByteCode big5 = tables.GbToBig5().Lookup(lead, trail);
            if (big5 != 0) {
                EXPECT_TRUE(IsHanzi(CharacterOf(950, big5))) << std::hex << lead << trail;
                ++converted;
            }
        }
    }
    EXPECT_GT(converted, 6400);
}

// Punctuation in simplified Hanvell is Shift_JIS punctuation: a fixed-row code that holds a
// Shift_JIS character holds the GB character itself.
TEST(CharacterTablesResourceTest, SimplifiedHanvellPunctuationIsTheSameCharacter) {
    int same = 0;
    for (int lead : {0xA1, 0xA2, 0xA3, 0xA9}) {
        for (int trail = 0xA1; trail <= 0xFE; ++trail) {
            const wchar_t c = CharacterOf(936, MakeCode(lead, trail));
            const ConvertedCode hanvell = GbToSimplifiedHanvell(lead, trail);
            const wchar_t shown = hanvell.length == 2 ? CharacterOf(932, hanvell.value) : 0;
            if (c == 0 || shown == 0 || hanvell.value == kNoHanvellCode) {
                continue;
            }
            EXPECT_TRUE(SameCharacter(shown, c)) << std::hex << lead << trail;
            ++same;
        }
    }
    EXPECT_GT(same, 200);
}

} // namespace
