// HANSWAP, the simplified/traditional conversion library: its exports over the conversion core.
#include "HANSWAP.h"

#include "HanswapCore.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 code units on Windows");

void HANSWAP_CALL GBToBig5(char* text) {
    if (text != nullptr) {
        ConvertGbToBig5(text);
    }
}

void HANSWAP_CALL Big5ToGB(char* text) {
    if (text != nullptr) {
        ConvertBig5ToGb(text);
    }
}

void HANSWAP_CALL JianTiToFanTi(wchar_t* text) {
    if (text != nullptr) {
        ConvertSimplifiedToTraditional(reinterpret_cast<char16_t*>(text));
    }
}

void HANSWAP_CALL FanTiToJianTi(wchar_t* text) {
    if (text != nullptr) {
        ConvertTraditionalToSimplified(reinterpret_cast<char16_t*>(text));
    }
}
