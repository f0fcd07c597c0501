// A translation as it is built: pieces of target text, each with the source characters it
// renders, turned into the output bytes and the word records.
#pragma once

#include "EngineRecords.h"

#include <string>
#include <vector>

namespace transfer {

class CCharacterTables;

struct Piece {
    std::u16string text;         // simplified Chinese or Japanese
    std::u16string alternative;  // traditional Chinese; empty when the same as text
    size_t sourceStart = 0;
    size_t sourceLength = 0;     // 0: inserted by the grammar, no word record
    bool word = true;            // false for punctuation and blanks
};

using Pieces = std::vector<Piece>;

struct TargetText {
    std::string bytes;
    std::vector<WordRecord> records;
};

// targetCodePage 936, 950, 932 or 10932; traditional text is taken for 950 where it is given.
TargetText EncodeTarget(const Pieces& pieces, int32_t targetCodePage, const CCharacterTables& tables);
// The same into out, whose buffers are kept.
void EncodeTarget(const Pieces& pieces, int32_t targetCodePage, const CCharacterTables& tables, TargetText& out);

} // namespace transfer
