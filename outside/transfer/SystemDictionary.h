// The system dictionary of one direction: NAME.DIC (the sorted words) and NAME.DDB (their
// translations), made by tools/sysdic.
#pragma once

#include "Lexicon.h"

#include <filesystem>

namespace transfer {

class CSystemDictionary {
public:
    // base is the path without extension; indexKind and dataKind are the files' kinds.
    bool Load(const std::filesystem::path& base, const char* indexKind, const char* dataKind);
    const CSortedLexicon& Words() const { return m_words; }
    bool IsLoaded() const { return m_bLoaded; }
    size_t FileBytes() const { return m_nFileBytes; }

private:
    CSortedLexicon m_words;
    bool m_bLoaded = false;
    size_t m_nFileBytes = 0;
};

} // namespace transfer
