// Functions of HANSWAP, the simplified/traditional conversion library, bound at load time by name.
#pragma once

// One calling convention, whatever the caller's compiler default.
#if defined(_WIN32)
#define HANSWAP_CALL __stdcall
#else
#define HANSWAP_CALL
#endif

extern "C" {

// Each rewrites a zero-terminated string in place. The multibyte ones never make it longer; the
// caller takes the new length from the terminator. The UTF-16 ones keep the length.
void HANSWAP_CALL GBToBig5(char* text);         // code page 936 to 950
void HANSWAP_CALL Big5ToGB(char* text);         // code page 950 to 936
void HANSWAP_CALL JianTiToFanTi(wchar_t* text); // simplified characters to traditional
void HANSWAP_CALL FanTiToJianTi(wchar_t* text); // traditional characters to simplified

typedef void(HANSWAP_CALL* GBToBig5Fn)(char*);
typedef void(HANSWAP_CALL* Big5ToGBFn)(char*);
typedef void(HANSWAP_CALL* JianTiToFanTiFn)(wchar_t*);
typedef void(HANSWAP_CALL* FanTiToJianTiFn)(wchar_t*);

} // extern "C"
