// Guesses the encoding of a text file from its first bytes.
#pragma once

#include "CodePages.h"

#include <cstddef>
#include <cstdint>

// How much of a file the detector looks at.
constexpr size_t kDetectionBytes = 10000;

// One of 932, 936, 950 (multibyte), 10932 and 20932 (the Hanvell forms), 81200, 61200, 71200
// (UTF-16 Japanese, simplified, traditional), 365001, 465001, 565001 (UTF-8 likewise).
int32_t DetectEncoding(const unsigned char* bytes, size_t size, const CCodePages& codePages);
