// A decoded source sentence cut into the runs the engines treat apart: text to translate,
// spans marked "[[" … "]]" that are carried over without their brackets, and line breaks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace transfer {

enum class RunKind { Text, Protected, LineBreak };

struct SourceRun {
    RunKind kind;
    size_t start;   // in characters of the decoded text
    size_t length;  // a protected run without its brackets
};

// A "[[" without a closing "]]" marks nothing; it is translated as it stands.
std::vector<SourceRun> CutIntoRuns(const std::u16string& text);

enum class CharClass : uint8_t { Kanji, Hiragana, Katakana, Latin, Digit, Space, LineBreak, Punctuation };

CharClass ClassOf(char16_t ch);

} // namespace transfer
