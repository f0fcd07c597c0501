// Japanese words in Chinese order: phrases and their particles become Chinese phrases with
// prepositions, the object follows the verb, auxiliaries become modal words around it.
#pragma once

#include "JapaneseAnalyzer.h"
#include "TargetText.h"

#include <string_view>
#include <vector>

namespace transfer {

class CCharacterTables;

// source is the whole decoded sentence the tokens point into.
// The room of a clause's parts, kept by the caller between translations.
struct JapaneseToChineseBuffers {
    Pieces clause, before, afterVerb, objects, verb, modals;
};

// The pieces are appended to out.
void TranslateJapaneseTokens(const std::vector<JapaneseToken>& tokens, std::u16string_view source,
                             const CCharacterTables& tables, Pieces& out);
void TranslateJapaneseTokens(const std::vector<JapaneseToken>& tokens, std::u16string_view source,
                             const CCharacterTables& tables, Pieces& out, JapaneseToChineseBuffers& buffers);

} // namespace transfer
