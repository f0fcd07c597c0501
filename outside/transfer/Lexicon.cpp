// Words sorted by their source form, found by every prefix of a text.
#include "Lexicon.h"

#include <algorithm>

namespace transfer {

void CSortedLexicon::Add(const std::u16string& key, WordKind kind,
                         const std::vector<std::u16string>& texts,
                         const std::vector<std::u16string>& alternatives,
                         const std::vector<WordKind>& kinds) {
    EntryRow row{uint32_t(m_keys.size()), uint16_t(key.size()), kind, uint32_t(m_senses.size()),
                 uint16_t(texts.size())};
    m_keys += key;
    for (size_t i = 0; i < texts.size(); ++i) {
        SenseRow sense{uint32_t(m_texts.size()), uint16_t(texts[i].size()), 0, 0,
                       i < kinds.size() ? kinds[i] : WordKind{}, 0};
        m_texts += texts[i];
        if (i < alternatives.size()) {
            sense.alternativeOffset = uint32_t(m_texts.size());
            sense.alternativeLength = uint16_t(alternatives[i].size());
            m_texts += alternatives[i];
        }
        m_senses.push_back(sense);
    }
    m_entries.push_back(row);
}

void CSortedLexicon::Seal() {
    // Stable, so that of equal keys the one added first stays first.
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [this](const EntryRow& a, const EntryRow& b) { return Key(a) < Key(b); });
    IndexFirstCharacters();
}

namespace {

constexpr size_t kHeadLength = 4;
constexpr size_t kDirectIndexEntries = 4096;

// Characters in the high bits first, so that packed heads sort as the keys do; a key shorter
// than four characters is padded with zeros, which sort before any character.
uint64_t Head(std::u16string_view text, size_t n) {
    uint64_t head = 0;
    for (size_t i = 0; i < kHeadLength; ++i)
        head = (head << 16) | (i < n && i < text.size() ? uint64_t(text[i]) : 0);
    return head;
}

// The first place in [from, to) of heads whose head is not below value, searched outward from
// from: the ranges of a lookup shrink fast, so the answer is mostly near.
size_t GallopTo(const std::vector<uint64_t>& heads, size_t from, size_t to, uint64_t value) {
    size_t below = from, step = 1;
    while (below + step < to && heads[below + step] < value) {
        below += step;
        step *= 2;
    }
    if (below < to && heads[below] >= value)
        return below;
    const auto begin = heads.begin();
    return size_t(std::lower_bound(begin + std::ptrdiff_t(below), begin + std::ptrdiff_t(std::min(below + step, to)),
                                   value) - begin);
}

} // namespace

void CSortedLexicon::IndexFirstCharacters() {
    m_firstIndex.clear();
    m_heads.resize(m_entries.size());
    for (size_t i = 0; i < m_entries.size(); ++i)
        m_heads[i] = Head(Key(m_entries[i]), kHeadLength);
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const char16_t c = m_keys[m_entries[i].keyOffset];
        if (m_firstIndex.empty() || m_firstIndex.back().first != c)
            m_firstIndex.push_back({c, uint32_t(i)});
    }
    m_firstStart.clear();
    if (m_entries.size() >= kDirectIndexEntries) {
        m_firstStart.assign(0x10001, uint32_t(m_entries.size()));
        for (size_t k = m_firstIndex.size(); k-- > 0;)
            m_firstStart[m_firstIndex[k].first] = m_firstIndex[k].second;
        // A character without keys starts where the next one does: an empty range.
        for (size_t c = 0x10000; c-- > 0;)
            m_firstStart[c] = std::min(m_firstStart[c], m_firstStart[c + 1]);
    }
}

bool CSortedLexicon::Adopt(std::vector<EntryRow> entries, std::vector<SenseRow> senses,
                           std::u16string keys, std::u16string texts) {
    for (const EntryRow& e : entries) {
        if (uint64_t(e.keyOffset) + e.keyLength > keys.size() || e.keyLength == 0 ||
            uint64_t(e.firstSense) + e.senseCount > senses.size())
            return false;
    }
    for (const SenseRow& s : senses) {
        if (uint64_t(s.textOffset) + s.textLength > texts.size() ||
            uint64_t(s.alternativeOffset) + s.alternativeLength > texts.size())
            return false;
    }
    m_entries = std::move(entries);
    m_senses = std::move(senses);
    m_keys = std::move(keys);
    m_texts = std::move(texts);
    for (size_t i = 1; i < m_entries.size(); ++i) {
        if (Key(m_entries[i]) < Key(m_entries[i - 1])) {
            Clear();
            return false;
        }
    }
    IndexFirstCharacters();
    return true;
}

std::u16string_view CSortedLexicon::Key(const EntryRow& row) const {
    return std::u16string_view(m_keys).substr(row.keyOffset, row.keyLength);
}

void CSortedLexicon::FindPrefixes(std::u16string_view text, WordSource source,
                                  std::vector<LexiconMatch>& out) const {
    // [lo, hi) holds the keys that begin with the first n characters of the text; keys that
    // are exactly those n characters come first.
    if (text.empty())
        return;
    size_t lo = 0, hi = 0;
    if (!m_firstStart.empty()) {
        lo = m_firstStart[text[0]];
        hi = m_firstStart[size_t(text[0]) + 1];
    } else {
        auto at = std::lower_bound(m_firstIndex.begin(), m_firstIndex.end(), text[0],
                                   [](const std::pair<char16_t, uint32_t>& e, char16_t c) { return e.first < c; });
        if (at == m_firstIndex.end() || at->first != text[0])
            return;
        lo = at->second;
        hi = at + 1 == m_firstIndex.end() ? m_entries.size() : (at + 1)->second;
    }
    auto emit = [&](size_t i, size_t n) {
        const EntryRow& row = m_entries[i];
        LexiconMatch match;
        match.length = n;
        match.kind = row.kind;
        match.source = source;
        match.senses = SenseList(m_senses.data() + row.firstSense, row.senseCount, &m_texts);
        out.push_back(match);
    };
    size_t n = 1;
    // The first characters by the packed heads: the keys beginning with text's first n
    // characters lie between the head of those characters and the head just past them.
    for (; n <= kHeadLength && n <= text.size() && lo < hi; ++n) {
        const uint64_t step = uint64_t(1) << (16 * (kHeadLength - n));
        const uint64_t head = Head(text, n);
        // The direct index has already bounded the keys of the first character.
        if (n > 1 || m_firstStart.empty()) {
            lo = GallopTo(m_heads, lo, hi, head);
            hi = GallopTo(m_heads, lo, hi, head + step);
        }
        for (size_t i = lo; i < hi && m_heads[i] == head && m_entries[i].keyLength == n; ++i)
            emit(i, n);
    }
    for (; n <= text.size() && lo < hi; ++n) {
        const char16_t c = text[n - 1];
        auto below = [&](const EntryRow& row, char16_t ch) {
            return row.keyLength < n || m_keys[row.keyOffset + n - 1] < ch;
        };
        auto above = [&](char16_t ch, const EntryRow& row) {
            return row.keyLength >= n && ch < m_keys[row.keyOffset + n - 1];
        };
        auto first = m_entries.begin() + std::ptrdiff_t(lo), last = m_entries.begin() + std::ptrdiff_t(hi);
        auto from = std::lower_bound(first, last, c, below);
        auto to = std::upper_bound(from, last, c, above);
        lo = size_t(from - m_entries.begin());
        hi = size_t(to - m_entries.begin());
        for (size_t i = lo; i < hi && m_entries[i].keyLength == n; ++i)
            emit(i, n);
    }
}

size_t CSortedLexicon::MemoryBytes() const {
    return m_entries.capacity() * sizeof(EntryRow) + m_senses.capacity() * sizeof(SenseRow) +
           m_firstIndex.capacity() * sizeof(m_firstIndex[0]) + m_heads.capacity() * sizeof(uint64_t) +
           m_firstStart.capacity() * sizeof(uint32_t) +
           (m_keys.capacity() + m_texts.capacity()) * sizeof(char16_t);
}

void CSortedLexicon::Clear() {
    m_entries.clear();
    m_firstIndex.clear();
    m_heads.clear();
    m_firstStart.clear();
    m_senses.clear();
    m_keys.clear();
    m_texts.clear();
}

} // namespace transfer
