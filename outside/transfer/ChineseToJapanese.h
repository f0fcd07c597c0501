// Chinese words in Japanese order: the subject takes は, prepositional phrases become nouns
// with postpositions, the object takes を before the verb, and the verb is inflected by the
// negation, modal and aspect words around it.
#pragma once

#include "ChineseAnalyzer.h"
#include "TargetText.h"

#include <string_view>
#include <vector>

namespace transfer {

class CCharacterTables;

struct ChineseOptions {
    // Translations given where a word has several: 1, 2, 3, or 9999 for all. The first is
    // written as the translation, the others after it as "（訳２／訳３）".
    int32_t alternatives = 1;
};

// The pieces are appended to out.
void TranslateChineseTokens(const std::vector<ChineseToken>& tokens, std::u16string_view source,
                            const CCharacterTables& tables, const ChineseOptions& options, Pieces& out);

} // namespace transfer
