// The engines' own code-page tables against the system's conversions, character by character.
#include "EngineFixture.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

class CodePageTablesTest : public testing::TestWithParam<int32_t> {};

TEST_P(CodePageTablesTest, EveryDoubleByteCharacterDecodesAndEncodesAsTheSystemDoes) {
    const int32_t codePage = GetParam();
    const transfer::CCodePage* page = TestEngine(kJapaneseToChinese).Tables().Page(codePage);
    int decodeMismatches = 0, encodeMismatches = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        if (!IsDBCSLeadByteEx(UINT(codePage), BYTE(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char bytes[2] = {char(lead), char(trail)};
            wchar_t wide[2] = {};
            const int n = MultiByteToWideChar(UINT(codePage), MB_ERR_INVALID_CHARS, bytes, 2, wide, 2);
            // User-defined characters (the private use area) are no text the engines see.
            if (n != 1 || (wide[0] >= 0xE000 && wide[0] <= 0xF8FF))
                continue;
            const std::u16string ours = page->Decode(bytes, 2).text;
            if (ours.size() != 1 || ours[0] != char16_t(wide[0])) {
                if (decodeMismatches++ < 12)
                    std::printf("%02X%02X ours U+%04X system U+%04X\n", lead, trail,
                                unsigned(ours.empty() ? 0 : ours[0]), unsigned(wide[0]));
                continue;
            }
            char back[4] = {};
            BOOL defaulted = FALSE;
            const int m = WideCharToMultiByte(UINT(codePage), WC_NO_BEST_FIT_CHARS, wide, 1, back,
                                              sizeof back, nullptr, &defaulted);
            std::string encoded;
            page->Encode(ours[0], encoded);
            if (!defaulted && encoded != std::string(back, size_t(m))) {
                if (encodeMismatches++ < 12)
                    std::printf("U+%04X ours %02X%02X system %02X%02X\n", unsigned(wide[0]),
                                unsigned(uint8_t(encoded[0])), unsigned(uint8_t(encoded.size() > 1 ? encoded[1] : 0)),
                                unsigned(uint8_t(back[0])), unsigned(uint8_t(back[1])));
            }
        }
    }
    EXPECT_EQ(decodeMismatches, 0);
    EXPECT_EQ(encodeMismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(CodePages, CodePageTablesTest, testing::Values(932, 936, 950));

} // namespace
