// The dictionaries one translation looks words up in: user dictionaries 1, 2, 3, then the
// system dictionary, each optional.
#pragma once

#include "Lexicon.h"

#include <array>
#include <string_view>
#include <vector>

namespace transfer {

struct DictionaryStack {
    std::array<const CSortedLexicon*, 3> userDics{};
    const CSortedLexicon* system = nullptr;

    // Every word whose key begins the text, from all of them, with its source.
    void FindPrefixes(std::u16string_view text, std::vector<LexiconMatch>& out) const {
        for (size_t i = 0; i < userDics.size(); ++i)
            if (userDics[i])
                userDics[i]->FindPrefixes(text, WordSource(i), out);
        if (system)
            system->FindPrefixes(text, WordSource::System, out);
    }
};

} // namespace transfer
