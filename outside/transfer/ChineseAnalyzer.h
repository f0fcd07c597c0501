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

// The longest word at the start of a text and every other length a word there has; a length
// found in the grammar table is marked.
struct ChineseReach {
    ChineseToken best;
    size_t length = 0;
    std::vector<std::pair<size_t, bool>> lengths;
};

// The buffers of an analysis, kept by the caller for the next one so that it allocates little.
struct ChineseAnalysisBuffers {
    std::vector<LexiconMatch> matches;
    std::vector<const ChineseFunctionWord*> functions;
    std::vector<ChineseReach> reaches;  // by position, valid where known
    std::vector<bool> known;
    ChineseReach shorter;
};

// text is one run of the source, in simplified characters; offset is where it starts.
std::vector<ChineseToken> AnalyzeChinese(std::u16string_view text, size_t offset,
                                         const DictionaryStack& dics);
// The same into tokens, which is cleared first.
void AnalyzeChinese(std::u16string_view text, size_t offset, const DictionaryStack& dics,
                    std::vector<ChineseToken>& tokens, ChineseAnalysisBuffers& buffers);

} // namespace transfer
