// The encodings of text files: the codes, their open-dialog indexes, the detector's answers and
// the suffixes the window title shows.
#pragma once

#include <cstdint>

// TextCode bits.
enum : int {
    kTextJapanese = 1,
    kTextSimplified = 2,
    kTextTraditional = 4,
    kTextHanvell = 8,
    kTextUtf16 = 16,
    kTextUtf8 = 32,
};

struct TextCodeInfo {
    int index;           // open dialog and Input_Chinese_Code
    int textCode;        // 0 for automatic detection
    int32_t detectorAnswer;
    const char* titleSuffix;  // Shift-JIS
};

constexpr int kTextCodeCount = 12;  // index 0 (automatic) and the eleven codes

const TextCodeInfo& TextCodeByIndex(int index);  // an index out of range gives index 0
// The code of a detector answer; 0 for any other answer.
int TextCodeOfAnswer(int32_t answer);
int IndexOfTextCode(int textCode);  // 0 when the code is none of the eleven
// The title suffix of a code; " (シフト・JIS)" for any other code.
const char* TitleSuffixOf(int textCode);
// The Unicode form that goes with an index: 0 for 0 to 5, 1 for 6 to 8, 2 for 9 to 11.
int UnicodeFormOfIndex(int index);
