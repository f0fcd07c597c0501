// Chinese function words — structural particles, aspect markers, negation, modal verbs,
// prepositions, conjunctions and final particles — with their Japanese counterparts: the
// hand-written grammar of the Chinese-to-Japanese engine.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace transfer {

enum class ChineseFunction : uint8_t {
    De,            // 的, 之: の after a noun, nothing after a clause
    Adverbial,     // 地: に after an adjective
    Complement,    // 得: dropped
    Aspect,        // 了, 过, 着 after the verb
    Negation,      // 不, 没, 没有 before the verb
    Modal,         // 想, 能, 可以, 应该, 必须 before the verb
    Progressive,   // 正在 before the verb
    Copula,        // 是
    Existence,     // 有
    Passive,       // 被: its noun takes に, the verb られる
    Causative,     // 让, 使: its noun takes に, the verb させる
    Disposal,      // 把, 将: its noun takes を
    Preposition,   // 在, 从, 对, 关于 …: the noun, then the postposition
    Join,          // 和, 与, 及: と between nouns
    Conjunction,   // 但是, 而且, 所以 …: at the clause start, in Japanese form
    Final,         // 吗, 吧, 呢, 啊
    Demonstrative, // 这, 那, 每, 各, 所有, 任何: before a noun
    Measure,       // 个, 种: dropped after a number or demonstrative
};

// What a modal, negation or aspect word adds to the verb.
enum ChineseFeature : uint32_t {
    kZhNegative = 1u << 0,
    kZhPast = 1u << 1,        // 了, 没
    kZhExperience = 1u << 2,  // 过
    kZhProgressive = 1u << 3, // 着, 正在, 在
    kZhWant = 1u << 4,        // 想, 要
    kZhPotential = 1u << 5,   // 能, 可以, 会
    kZhShould = 1u << 6,      // 应该, 应当
    kZhMust = 1u << 7,        // 必须
    kZhMustNot = 1u << 8,     // 不得
    kZhQuestion = 1u << 9,    // 吗
    kZhMay = 1u << 10,        // 可能
    kZhRight = 1u << 11,      // 有权: …する権利を有する
};

struct ChineseFunctionWord {
    std::u16string_view surface;   // simplified
    ChineseFunction function;
    uint32_t features;
    std::u16string_view japanese;  // the postposition, the conjunction, the demonstrative …
};

// Entries whose surface is a prefix of the text, longest first.
void FindChineseFunctionWords(std::u16string_view text, std::vector<const ChineseFunctionWord*>& out);

} // namespace transfer
