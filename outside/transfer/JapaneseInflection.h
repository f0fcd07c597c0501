// Japanese words in the forms the Chinese-to-Japanese engine writes: negative, past, passive,
// causative, desire, potential, progressive and the connective form, built on the engine's
// conjugation types.
#pragma once

#include "Lexicon.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace transfer {

enum JapaneseForm : uint32_t {
    kFormNegative = 1u << 0,
    kFormPast = 1u << 1,
    kFormExperience = 1u << 2,
    kFormProgressive = 1u << 3,
    kFormWant = 1u << 4,
    kFormPotential = 1u << 5,
    kFormShould = 1u << 6,
    kFormMust = 1u << 7,
    kFormMustNot = 1u << 8,
    kFormMay = 1u << 10,
    kFormRight = 1u << 11,       // 移動する権利を有する
    kFormPassive = 1u << 16,
    kFormCausative = 1u << 17,
    kFormConnective = 1u << 18,  // 書いて, 高くて, であり
};

// word is a dictionary form of the kind given; a noun is given a copula (である …). A verb
// phrase written as "noun + する" is inflected on する.
std::u16string InflectJapanese(std::u16string_view word, WordKind kind, uint32_t forms);
// Whether the kind inflects as a predicate of its own (verbs, adjectives, adjectival nouns).
bool IsPredicateKind(WordKind kind);

} // namespace transfer
