// The encodings of text files.
#include "TextCodes.h"

namespace {
const TextCodeInfo kCodes[kTextCodeCount] = {
    {0, 0, 0, ""},
    {1, 1, 932, " (シフト・JIS)"},
    {2, 2, 936, " (GB2312)"},
    {3, 4, 950, " (BIG5)"},
    {4, 10, 10932, " (HV簡)"},
    {5, 12, 20932, " (HV繁)"},
    {6, 17, 81200, " (UNICODE･日)"},
    {7, 18, 61200, " (UNICODE･簡)"},
    {8, 20, 71200, " (UNICODE･繁)"},
    {9, 33, 365001, " (UTF8･日)"},
    {10, 34, 465001, " (UTF8･簡)"},
    {11, 36, 565001, " (UTF8･繁)"},
};
} // namespace

const TextCodeInfo& TextCodeByIndex(int index) {
    return kCodes[index >= 0 && index < kTextCodeCount ? index : 0];
}

int TextCodeOfAnswer(int32_t answer) {
    for (const TextCodeInfo& code : kCodes)
        if (code.index > 0 && code.detectorAnswer == answer)
            return code.textCode;
    return 0;
}

int IndexOfTextCode(int textCode) {
    for (const TextCodeInfo& code : kCodes)
        if (code.index > 0 && code.textCode == textCode)
            return code.index;
    return 0;
}

const char* TitleSuffixOf(int textCode) {
    int index = IndexOfTextCode(textCode);
    return index ? kCodes[index].titleSuffix : kCodes[1].titleSuffix;
}

int UnicodeFormOfIndex(int index) { return index >= 9 ? 2 : index >= 6 ? 1 : 0; }
