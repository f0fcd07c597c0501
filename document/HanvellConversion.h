// Pair and single-byte conversions between the Hanvell forms, GB2312 and Big5.
#pragma once

#include "CharacterTables.h"
#include "HanvellCodes.h"

// What one character converts to: a pair, or (length 1) a single byte.
struct ConvertedCode {
    DoubleByteCode value;
    int length;

    static ConvertedCode Pair(DoubleByteCode code) { return {code, 2}; }
    static ConvertedCode Single(uint8_t byte) { return {byte, 1}; }
    bool operator==(const ConvertedCode& other) const {
        return value == other.value && length == other.length;
    }
};

// Simplified Hanvell (and Shift-JIS-form text) to GB2312. Always a pair.
DoubleByteCode SimplifiedHanvellToGb(uint8_t lead, uint8_t trail);
// GB2312 to simplified Hanvell; pinyin letters give single bytes.
ConvertedCode GbToSimplifiedHanvell(uint8_t lead, uint8_t trail);

DoubleByteCode Big5ToTraditionalHanvell(const CCharacterTables& tables, uint8_t lead,
                                        uint8_t trail);
DoubleByteCode TraditionalHanvellToBig5(const CCharacterTables& tables, uint8_t lead,
                                        uint8_t trail);
// A Shift-JIS-form pair through GB2312 to Big5.
DoubleByteCode ShiftJisFormToBig5(const CCharacterTables& tables, uint8_t lead, uint8_t trail);

// A single byte of simplified Hanvell text, towards GB2312.
ConvertedCode SimplifiedHanvellByteToGb(uint8_t byte);
// A single byte of traditional Hanvell or Shift-JIS-form text, towards Big5: pinyin bytes give
// their plain vowel.
uint8_t HanvellByteToBig5(uint8_t byte);
