// Japanese conjugation types of the engines (1 to 17 verbs, 18 adjectives, 21 and 22 adjectival
// nouns) and the endings that follow a word's stem in each form.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace transfer {

enum class Form : uint8_t {
    Irrealis,      // before ない, れる, せる: 書か
    Continuative,  // before ます, たい, and as a noun: 書き
    Terminal,      // dictionary form, also before a noun: 書く
    Conditional,   // before ば: 書け
    Imperative,    // 書け
    Volitional,    // 書こう
    Past,          // before た, て, たら, たり: 書い
    Adverbial,     // adjectives before a verb or なる: 高く; adjectival nouns: 静かに
    Attributive,   // adjectival nouns before a noun: 静かな
    Stem,          // adjectival nouns alone, or before です: 静か
};

struct Ending {
    std::u16string_view text;
    Form form;
};

// Types the engine knows.
bool IsConjugationType(uint8_t type);
// Every ending of the type, longest first; empty for an unknown type.
const std::vector<Ending>& EndingsOf(uint8_t type);
// The ending of the type in the form, or nullptr when the type has none there.
const Ending* EndingIn(uint8_t type, Form form);
// Whether た and て after the type's past form are voiced (読んだ, 泳いで).
bool PastIsVoiced(uint8_t type);

constexpr uint8_t kAdjectiveType = 18, kAdjectivalNounType = 21, kAdjectivalNounNoType = 22;
constexpr uint8_t kSuruType = 16;

} // namespace transfer
