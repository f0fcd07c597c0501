// The system dictionary of one direction: the sorted words and their translations.
#include "SystemDictionary.h"

#include "DataFile.h"

namespace transfer {

namespace {

std::u16string Pool(const Section& s) {
    std::u16string out(s.size / 2, u'\0');
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = char16_t(ReadU16(s.data + 2 * i));
    return out;
}

std::filesystem::path WithExtension(std::filesystem::path base, const char* extension) {
    base += extension;
    return base;
}

} // namespace

bool CSystemDictionary::Load(const std::filesystem::path& base, const char* indexKind,
                             const char* dataKind) {
    m_bLoaded = false;
    m_words.Clear();
    CDataFile index, data;
    if (!index.Load(WithExtension(base, ".DIC"), indexKind) ||
        !data.Load(WithExtension(base, ".DDB"), dataKind) || index.Stamp() != data.Stamp())
        return false;
    // Entry rows are 16 bytes: key offset, key length, class, subclass, conjugation, 0, sense
    // count, first sense. Sense rows are 16 bytes: text offset, text length, class, tier,
    // alternative offset, alternative length, conjugation, subclass.
    const Section entryRows = index.Find(1), senseRows = data.Find(1);
    std::vector<CSortedLexicon::EntryRow> entries(entryRows.size / 16);
    for (size_t i = 0; i < entries.size(); ++i) {
        const uint8_t* p = entryRows.data + 16 * i;
        entries[i] = {ReadU32(p), ReadU16(p + 4), {p[6], p[7], p[8]}, ReadU32(p + 12),
                      ReadU16(p + 10)};
    }
    std::vector<CSortedLexicon::SenseRow> senses(senseRows.size / 16);
    for (size_t i = 0; i < senses.size(); ++i) {
        const uint8_t* p = senseRows.data + 16 * i;
        senses[i] = {ReadU32(p), ReadU16(p + 4), ReadU32(p + 8), ReadU16(p + 12),
                     {p[6], p[15], p[14]}, p[7]};
    }
    if (!m_words.Adopt(std::move(entries), std::move(senses), Pool(index.Find(2)),
                       Pool(data.Find(2))))
        return false;
    m_nFileBytes = index.Size() + data.Size();
    m_bLoaded = true;
    return true;
}

} // namespace transfer
