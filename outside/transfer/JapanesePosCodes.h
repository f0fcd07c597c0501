// The five-letter Japanese part-of-speech codes of Chinese-to-Japanese user entries, read as
// the word kinds the engine inflects by.
#pragma once

#include "Lexicon.h"

#include <string>

namespace transfer {

// word is the Japanese entry as stored: a verb in its dictionary form, an adjective ending in
// い, an adjectival noun ending in だ.
WordKind JapaneseKindOfCode(const std::string& code, const std::u16string& word);

} // namespace transfer
