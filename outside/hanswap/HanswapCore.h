// Simplified/traditional conversions in place: code page 936 and 950 text, and UTF-16 text.
#pragma once

// Each rewrites zero-terminated text in place and never changes its length. Characters without
// a counterpart become the target's full-width question mark in the multibyte conversions and
// stay as they are in UTF-16; pairs that are no character, and a lead byte before the
// terminator, are left as they are.
void ConvertGbToBig5(char* text);
void ConvertBig5ToGb(char* text);
void ConvertSimplifiedToTraditional(char16_t* text);
void ConvertTraditionalToSimplified(char16_t* text);
