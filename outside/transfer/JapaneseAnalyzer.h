// Cuts Japanese text into words by longest match over the dictionaries and the grammar table,
// each conjugated word with its form.
#pragma once

#include "Conjugation.h"
#include "Dictionaries.h"
#include "JapaneseGrammar.h"

#include <string_view>
#include <vector>

namespace transfer {

enum class TokenType { Word, Function, UnknownKanji, Kana, Latin, Number, Punctuation, Space };

struct JapaneseToken {
    TokenType type = TokenType::Punctuation;
    size_t start = 0;   // in characters of the whole source
    size_t length = 0;
    WordKind kind;
    Form form = Form::Terminal;
    WordSource source = WordSource::System;
    SenseList senses;
    const JapaneseFunctionWord* function = nullptr;

    bool IsFunction(JapaneseFunction f) const { return function && function->function == f; }
    bool IsNoun() const { return type == TokenType::Word && kind.wordClass == kNounClass; }
    bool IsVerb() const { return type == TokenType::Word && kind.wordClass == kVerbClass; }
};

// Where nothing known starts: the type of the character and how far a run of its kind goes
// (letters, digits, blanks and, when asked, katakana run on; anything else is one character).
struct UnknownRun {
    TokenType type;
    size_t length;
};
UnknownRun UnknownRunAt(std::u16string_view text, bool katakanaRuns);

// The buffers of an analysis, kept by the caller for the next one so that it allocates little.
struct JapaneseAnalysisBuffers {
    std::vector<LexiconMatch> matches;
    std::vector<const JapaneseFunctionWord*> functions;
};

// text is one run of the source; offset is where it starts in the whole source.
std::vector<JapaneseToken> AnalyzeJapanese(std::u16string_view text, size_t offset,
                                           const DictionaryStack& dics);
// The same into tokens, which is cleared first.
void AnalyzeJapanese(std::u16string_view text, size_t offset, const DictionaryStack& dics,
                     std::vector<JapaneseToken>& tokens, JapaneseAnalysisBuffers& buffers);

// Whether the token ends a predicate that a conjunctive particle or auxiliary can follow.
bool IsPredicateToken(const JapaneseToken& token);

} // namespace transfer
