// Japanese particles, auxiliaries, copulas and the light verbs, with what each becomes in
// Chinese: the hand-written grammar of the Japanese-to-Chinese engine.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace transfer {

enum class JapaneseFunction : uint8_t {
    Topic,          // は: dropped
    Subject,        // が after a noun: dropped
    Object,         // を: dropped, its phrase follows the verb
    Also,           // も: 也
    Genitive,       // の: 的
    Dative,         // に: by the verb, a place after it or 在/给 before the phrase
    Locative,       // で: 在 before the phrase
    Direction,      // へ: the place follows the verb
    With,           // と: 和 between nouns, 跟 before the phrase otherwise
    List,           // や: 、
    From,           // から after a noun: 从
    Until,          // まで: 到
    Than,           // より: 比
    Or,             // か between nouns: 或
    Preposition,    // について: 关于 before the phrase
    Copula,         // です, である: 是 before a noun, nothing after an adjectival noun
    Auxiliary,      // ない, た, ます, たい, られる...: changes the verb before it
    Conjunctive,    // ので, が after a predicate: starts the next clause
    Final,          // か at the end, ね, よ
    LightVerb,      // する after a noun that takes it: nothing; 做 alone
    Existence,      // ある, いる: 有, 在
    Become,         // なる: 成为
    Prefix,         // お, ご before a noun: dropped
};

// Bits of what an auxiliary or copula adds to its predicate.
enum JapaneseFeature : uint32_t {
    kNegative = 1u << 0,
    kPast = 1u << 1,
    kPolite = 1u << 2,
    kWant = 1u << 3,
    kPassive = 1u << 4,
    kCausative = 1u << 5,
    kProgressive = 1u << 6,
    kPotential = 1u << 7,
    kMust = 1u << 8,
    kMustNot = 1u << 9,
    kMay = 1u << 10,
    kShould = 1u << 11,
    kConnective = 1u << 12,   // て, で, ず: the clause goes on
    kConditional = 1u << 13,  // ば, たら, なら
    kVolitional = 1u << 14,
    kExperience = 1u << 15,   // たことがある
    kAttributiveOnly = 1u << 16,  // に対する: the phrase modifies a noun (…的)
    kAfterPredicate = 1u << 17,   // only after a verb, adjective or copula
    kQuestion = 1u << 18,
    kContinuing = 1u << 19,   // the verb's own form leaves the predicate open (し, であり)
    kLinksNext = 1u << 20,    // the rendering starts the next clause (が, けれど, し)
    kRequest = 1u << 21,      // てください: 请 before the clause
};

struct JapaneseFunctionWord {
    std::u16string_view surface;
    JapaneseFunction function;
    uint32_t features;
    std::u16string_view simplified;   // the rendering, empty when dropped
    std::u16string_view traditional;
    std::u16string_view simplifiedAfter = {};  // for prepositions that close the phrase: 在…中
    std::u16string_view traditionalAfter = {};
};

// Entries whose surface is a prefix of the text, longest first.
void FindJapaneseFunctionWords(std::u16string_view text,
                               std::vector<const JapaneseFunctionWord*>& out);

} // namespace transfer
