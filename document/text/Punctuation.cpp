// The punctuation the segmentation rules look for, as double-byte codes of each text code.
#include "Punctuation.h"

#include "CodePages.h"

namespace {
const PunctuationCodes kShiftJis = {0x8140, 0x8144, 0x8142, 0x8148, 0x8149, 0x8146, 0,      0x8147,
                                    0,      0,      0,      0x816A, 0,      0x824F, 0x8258};
const PunctuationCodes kGb2312 = {0xA1A1, 0xA3AE, 0xA1A3, 0xA3BF, 0xA3A1, 0xA3BA, 0xA3AC, 0xA3BB,
                                  0xA1AD, 0xA3AD, 0xA3AD, 0xA3A9, 0xA1B1, 0xA3B0, 0xA3B9};
const PunctuationCodes kBig5 = {0xA140, 0xA144, 0xA143, 0xA148, 0xA149, 0xA147, 0xA141, 0xA146,
                                0xA14B, 0xA158, 0xA1D0, 0xA15E, 0xA1A8, 0xA2AF, 0xA2B8};
} // namespace

const PunctuationCodes& PunctuationFor(unsigned codePage) {
    switch (codePage) {
    case kCodePageSimplified: return kGb2312;
    case kCodePageTraditional: return kBig5;
    default: return kShiftJis;
    }
}
