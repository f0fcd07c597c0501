// Text conversions between the Hanvell forms, Shift-JIS-form text, GB2312 and Big5.
#pragma once

#include "CharacterTables.h"

#include <string>

// Each walks zero-terminated text and takes a pair at every lead byte of its input, a single
// byte otherwise. A lead byte just before the terminator is kept as it is.

// Simplified Hanvell, or Shift-JIS-form text in simplified mode, to GB2312.
std::string SimplifiedHanvellTextToGb(const char* text);
// Shift-JIS-form text to Big5 (through GB2312).
std::string ShiftJisFormTextToBig5(const CCharacterTables& tables, const char* text);
// Traditional Hanvell, as a Hanvell file is read, to Big5.
std::string TraditionalHanvellTextToBig5(const CCharacterTables& tables, const char* text);
// GB2312 to simplified Hanvell; pinyin letters become single bytes, so the text may shorten.
std::string GbTextToSimplifiedHanvell(const char* text);
// Big5 to traditional Hanvell, in place; the length stays.
void Big5TextToTraditionalHanvell(const CCharacterTables& tables, char* text);
