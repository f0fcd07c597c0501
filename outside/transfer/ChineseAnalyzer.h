// Cuts Chinese text into words by longest match over the dictionaries and the grammar table.
#pragma once

#include "ChineseGrammar.h"
#include "Dictionaries.h"
#include "JapaneseAnalyzer.h"

#include <string_view>
#include <vector>

namespace transfer {

struct ChineseToken {
    TokenType type = TokenType::Punctuation;
    size_t start = 0;   // in characters of the whole source
    size_t length = 0;
    char wordClass = 'N';  // 'N', 'V', 'A', 'F' … of the dictionaries
    WordSource source = WordSource::System;
    SenseList senses;
    const ChineseFunctionWord* function = nullptr;

    bool Is(ChineseFunction f) const { return function && function->function == f; }
};

// text is one run of the source, in simplified characters; offset is where it starts.
std::vector<ChineseToken> AnalyzeChinese(std::u16string_view text, size_t offset,
                                         const DictionaryStack& dics);

} // namespace transfer
