// The punctuation the segmentation rules look for, as double-byte codes of each text code.
#pragma once

#include <cstdint>

struct PunctuationCodes {
    uint16_t fullWidthBlank;
    uint16_t fullWidthPeriod;  // "．"
    uint16_t fullStop;         // "。"
    uint16_t question;         // "？"
    uint16_t exclamation;      // "！"
    uint16_t colon;            // "："
    uint16_t comma;            // "，" (0 where not used)
    uint16_t semicolon;        // "；"
    uint16_t ellipsis;         // "…" (0 where not used)
    uint16_t endMarkDash;      // dash of the end marks (0 where not used)
    uint16_t ruleDash;         // dash of the dash rule (0 where not used)
    uint16_t closingParen;     // "）"
    uint16_t closingQuote;     // "”" (0 where not used)
    uint16_t fullWidthDigitFirst, fullWidthDigitLast;
};

// The codes for text in code page 932, 936 or 950.
const PunctuationCodes& PunctuationFor(unsigned codePage);
