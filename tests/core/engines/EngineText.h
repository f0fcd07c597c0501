// Text of the engines' tests and measurements: UTF-8 as written in the test sources and data,
// turned into and out of the code pages by the engines' own tables.
#pragma once

#include "CharacterTables.h"

#include <string>

std::u16string Utf16FromUtf8(const std::string& utf8);
std::string Utf8FromUtf16(const std::u16string& text);
// Characters the code page lacks become "?".
std::string ToCodePage(const transfer::CCharacterTables& tables, int32_t codePage,
                       const std::string& utf8);
std::string FromCodePage(const transfer::CCharacterTables& tables, int32_t codePage,
                         const std::string& bytes);
// SYSTEMDIC beside the running program.
std::string SystemDicFolder(const char* argv0);
