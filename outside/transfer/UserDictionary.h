// A user dictionary: the set of five files NAME.DIC (the entry records), NAME.DDB (their order
// by source word), NAME.CCT (counts by class), NAME.DB1 and NAME.DC1 (learned order), written
// together and recognised by header, version and a stamp that all five share.
#pragma once

#include "CharacterTables.h"
#include "Lexicon.h"
#include "SegmentationValues.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace transfer {

// Entry records as the dictionary functions exchange them.
constexpr size_t kJcEntrySize = 156;
constexpr size_t kCjEntrySize = 104;

// The extensions of a set, in the order a reload replaces them.
extern const char* const kUserDicExtensions[5];

enum class UserDicResult : int32_t {
    Done = 0,
    Exists = -2,        // a valid dictionary is there already; it is left as it was
    Foreign = -3,       // files of that name exist and are no dictionary of this engine
    WriteFailed = -4,
    NotADictionary = -5,
    BadRecord = -6,
};

class CUserDictionary {
public:
    explicit CUserDictionary(TransDirection direction);

    // An empty valid set at base (the path without extension). An existing valid set is kept
    // and answers Exists; other files of those names are never overwritten.
    static UserDicResult Create(const std::filesystem::path& base, TransDirection direction);
    // Whether base names a complete, undamaged set of this direction. An interrupted write is
    // first completed or undone.
    static bool Check(const std::filesystem::path& base, TransDirection direction);

    // Reads the set for lookups; false leaves the dictionary empty.
    bool Open(const std::filesystem::path& base, const CCharacterTables& tables);
    void Close();
    bool IsOpen() const { return m_bOpen; }

    // Adds one entry record (kJcEntrySize or kCjEntrySize bytes) with a new identifier and
    // writes the set; the identifier is returned, or a negative UserDicResult.
    int32_t Add(const uint8_t* record, const CCharacterTables& tables);

    const CSortedLexicon& Words() const { return m_words; }
    size_t EntryCount() const { return m_records.size() / RecordSize(); }

private:
    size_t RecordSize() const;
    bool Commit();
    void Index(const CCharacterTables& tables);

    TransDirection m_direction;
    std::filesystem::path m_base;
    std::vector<uint8_t> m_records;
    int32_t m_nNextIdentifier = 1;
    CSortedLexicon m_words;
    bool m_bOpen = false;
};

} // namespace transfer
