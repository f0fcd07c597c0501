// Words sorted by their source form, found by every prefix of a text: the form that both the
// system dictionary and the user dictionaries take in memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace transfer {

// Where a word was found, best first: user dictionaries 1, 2, 3, the system dictionary.
enum class WordSource : uint8_t { UserDic1, UserDic2, UserDic3, System, Grammar };

// Word classes of the source side. Japanese: 2 verb, 3 adjective or adjectival noun, 6 noun
// (subclass 1 common, 2 taking する, 3 proper, 4 place, 5 person, 6 organisation, 10 time),
// 8 adverb, 10 conjunction, 11 adnominal, 12 interjection and set phrases. Chinese: the letters
// of the dictionaries ('N', 'V', 'A', ...).
struct WordKind {
    uint8_t wordClass = 0;
    uint8_t subclass = 0;
    uint8_t conjugation = 0;  // Japanese conjugation type, 0 when the word does not conjugate
};

constexpr uint8_t kVerbClass = 2, kAdjectiveClass = 3, kNounClass = 6, kAdverbClass = 8,
                  kConjunctionClass = 10, kAdnominalClass = 11, kPhraseClass = 12;
constexpr uint8_t kSuruNounSubclass = 2, kTimeNounSubclass = 10;

// One translation of a word. Japanese-to-Chinese: simplified text and its traditional form.
// Chinese-to-Japanese: the Japanese dictionary form with its own kind.
struct Sense {
    std::u16string_view text;
    std::u16string_view alternative;
    WordKind kind;
    uint8_t tier = 0;  // lower is surer
};

struct LexiconSenseRow {
    uint32_t textOffset;
    uint16_t textLength;
    uint32_t alternativeOffset;
    uint16_t alternativeLength;
    WordKind kind;
    uint8_t tier;
};

// The senses of one entry as the lexicon holds them: a view, valid while the lexicon is
// unchanged, so that a lookup allocates nothing.
class SenseList {
public:
    SenseList() = default;
    SenseList(const LexiconSenseRow* rows, size_t count, const std::u16string* pool)
        : m_rows(rows), m_count(count), m_pool(pool) {}
    bool empty() const { return m_count == 0; }
    size_t size() const { return m_count; }
    Sense operator[](size_t i) const {
        const LexiconSenseRow& r = m_rows[i];
        const std::u16string_view pool(*m_pool);
        return {pool.substr(r.textOffset, r.textLength), pool.substr(r.alternativeOffset, r.alternativeLength),
                r.kind, r.tier};
    }

private:
    const LexiconSenseRow* m_rows = nullptr;
    size_t m_count = 0;
    const std::u16string* m_pool = nullptr;
};

struct LexiconMatch {
    size_t length = 0;   // of the key matched
    WordKind kind;
    WordSource source = WordSource::System;
    SenseList senses;
};

class CSortedLexicon {
public:
    struct EntryRow {
        uint32_t keyOffset;
        uint16_t keyLength;
        WordKind kind;
        uint32_t firstSense;
        uint16_t senseCount;
    };
    using SenseRow = LexiconSenseRow;

    // Adds a word; call Seal before the first lookup.
    void Add(const std::u16string& key, WordKind kind, const std::vector<std::u16string>& texts,
             const std::vector<std::u16string>& alternatives, const std::vector<WordKind>& kinds);
    void Seal();
    // Takes rows and pools as a file holds them; false when they do not fit together.
    bool Adopt(std::vector<EntryRow> entries, std::vector<SenseRow> senses, std::u16string keys,
               std::u16string texts);

    // Every entry whose key is a prefix of text, appended to out.
    void FindPrefixes(std::u16string_view text, WordSource source,
                      std::vector<LexiconMatch>& out) const;
    size_t EntryCount() const { return m_entries.size(); }
    size_t MemoryBytes() const;
    void Clear();

private:
    std::u16string_view Key(const EntryRow& row) const;
    void IndexFirstCharacters();
    std::vector<EntryRow> m_entries;
    // Where the keys beginning with each first character start, in key order: the first step
    // of a lookup without a search over all entries.
    std::vector<std::pair<char16_t, uint32_t>> m_firstIndex;
    // For a large lexicon, where the keys of each first character start, by the character
    // itself (65,537 places, the last one the end).
    std::vector<uint32_t> m_firstStart;
    // The first four characters of each key packed into one number, in key order: the first
    // steps of a lookup search this array alone instead of reaching into the keys.
    std::vector<uint64_t> m_heads;
    std::vector<SenseRow> m_senses;
    std::u16string m_keys;
    std::u16string m_texts;
};

} // namespace transfer
