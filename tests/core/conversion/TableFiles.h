// The generated CVDATA tables as the tests read them from the source tree.
#pragma once

#include "CharacterTables.h"

#include <vector>

// The bytes of resources/cvdata/<name>.bin; empty when the file cannot be read.
const std::vector<uint8_t>& TableFile(const char* name);
ByteSpan SpanOf(const std::vector<uint8_t>& bytes);
// The three files attached; the bytes live as long as the program.
const CCharacterTables& GeneratedTables();
