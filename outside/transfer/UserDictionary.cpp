// A user dictionary: a set of five files written together and recognised by header, version
// and a shared stamp.
#include "UserDictionary.h"

#include "Crc32.h"
#include "DataFile.h"
#include "JapanesePosCodes.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

namespace transfer {

const char* const kUserDicExtensions[5] = {".CCT", ".DB1", ".DC1", ".DDB", ".DIC"};

namespace {

// The file kinds of the five files, by direction.
const char* const kKindsJc[5] = {"UJCT", "UJB1", "UJC1", "UJDB", "UJDI"};
const char* const kKindsCj[5] = {"UCCT", "UCB1", "UCC1", "UCDB", "UCDI"};
constexpr size_t kCct = 0, kDb1 = 1, kDc1 = 2, kDdb = 3, kDic = 4;
constexpr uint32_t kClassCounts = 16;

const char* const* KindsOf(TransDirection direction) {
    return direction == kJapaneseToChinese ? kKindsJc : kKindsCj;
}

size_t SizeOf(TransDirection direction) {
    return direction == kJapaneseToChinese ? kJcEntrySize : kCjEntrySize;
}

std::filesystem::path FileOf(const std::filesystem::path& base, size_t index, bool pending = false) {
    std::filesystem::path p = base;
    p += kUserDicExtensions[index];
    if (pending)
        p += ".new";
    return p;
}

bool EndsInside(const uint8_t* field, size_t size) { return std::memchr(field, 0, size) != nullptr; }

// Where the source word and the class sit in a record of the direction.
struct RecordLayout {
    size_t sourceSize, targetOffset, targetSize, classOffset, identifierOffset;
};

RecordLayout LayoutOf(TransDirection direction) {
    if (direction == kJapaneseToChinese)
        return {84, 84, 42, 136, 140};
    return {32, 32, 42, 74, 88};
}

bool RecordIsSound(const uint8_t* r, TransDirection direction) {
    const RecordLayout l = LayoutOf(direction);
    if (!EndsInside(r, l.sourceSize) || r[0] == 0 || !EndsInside(r + l.targetOffset, l.targetSize))
        return false;
    if (direction == kJapaneseToChinese)
        return EndsInside(r + 126, 10);
    const uint32_t codePage = ReadU32(r + 96);
    return EndsInside(r + 76, 12) && (codePage == 936 || codePage == 950);
}

uint32_t ClassSlot(const uint8_t* r, TransDirection direction) {
    return r[LayoutOf(direction).classOffset] % kClassCounts;
}

// The record indexes in the order of their source words, bytes compared as they stand.
std::vector<uint32_t> SourceOrder(const std::vector<uint8_t>& records, size_t size,
                                  TransDirection direction) {
    const size_t count = records.size() / size;
    std::vector<uint32_t> order(count);
    for (uint32_t i = 0; i < count; ++i)
        order[i] = i;
    const size_t field = LayoutOf(direction).sourceSize;
    std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        return std::strncmp(reinterpret_cast<const char*>(&records[a * size]),
                            reinterpret_cast<const char*>(&records[b * size]), field) < 0;
    });
    return order;
}

struct FileSet {
    std::array<std::vector<uint8_t>, 5> files;
};

FileSet BuildSet(const std::vector<uint8_t>& records, int32_t nextIdentifier, TransDirection direction) {
    const size_t size = SizeOf(direction);
    const uint32_t count = uint32_t(records.size() / size);
    std::vector<uint8_t> info;
    AppendU32(info, uint32_t(size));
    AppendU32(info, count);
    AppendU32(info, uint32_t(nextIdentifier));
    AppendU32(info, uint32_t(direction));
    // Every file of the set carries the stamp of this content; a mix of two writes never matches.
    const uint32_t stamp = Crc32(records.data(), records.size(), Crc32(info.data(), info.size()));
    std::vector<uint8_t> order, counts(kClassCounts * 4, 0);
    for (uint32_t index : SourceOrder(records, size, direction))
        AppendU32(order, index);
    std::array<uint32_t, kClassCounts> perClass{};
    for (uint32_t i = 0; i < count; ++i)
        ++perClass[ClassSlot(&records[i * size], direction)];
    counts.clear();
    for (uint32_t c : perClass)
        AppendU32(counts, c);
    const char* const* kinds = KindsOf(direction);
    FileSet set;
    set.files[kDic] = BuildDataFile(kinds[kDic], {{1, info}, {2, records}}, stamp);
    set.files[kDdb] = BuildDataFile(kinds[kDdb], {{1, order}}, stamp);
    set.files[kCct] = BuildDataFile(kinds[kCct], {{1, counts}}, stamp);
    set.files[kDb1] = BuildDataFile(kinds[kDb1], {{1, {}}}, stamp);
    set.files[kDc1] = BuildDataFile(kinds[kDc1], {{1, {}}}, stamp);
    return set;
}

// The records and next identifier of a loaded set, after every consistency check.
struct SetContent {
    std::vector<uint8_t> records;
    int32_t nextIdentifier = 1;
};

bool ReadSet(const std::array<std::filesystem::path, 5>& paths, TransDirection direction,
             SetContent& content) {
    const char* const* kinds = KindsOf(direction);
    std::array<CDataFile, 5> files;
    for (size_t i = 0; i < 5; ++i)
        if (!files[i].Load(paths[i], kinds[i]) || files[i].Stamp() != files[0].Stamp())
            return false;
    const Section info = files[kDic].Find(1), records = files[kDic].Find(2);
    if (info.size != 16)
        return false;
    const size_t size = SizeOf(direction);
    const uint32_t count = ReadU32(info.data + 4);
    if (ReadU32(info.data) != size || ReadU32(info.data + 12) != uint32_t(direction) ||
        records.size != uint64_t(count) * size)
        return false;
    content.records.assign(records.data, records.data + records.size);
    content.nextIdentifier = int32_t(ReadU32(info.data + 8));
    int32_t highest = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* r = &content.records[i * size];
        if (!RecordIsSound(r, direction))
            return false;
        highest = std::max(highest, int32_t(ReadU32(r + LayoutOf(direction).identifierOffset)));
    }
    if (content.nextIdentifier <= highest)
        return false;
    // The derived files must say what the records say.
    const FileSet expected = BuildSet(content.records, content.nextIdentifier, direction);
    for (size_t i = 0; i < 5; ++i) {
        CDataFile rebuilt;
        rebuilt.Adopt(expected.files[i], kinds[i]);
        const Section a = rebuilt.Find(1), b = files[i].Find(1);
        if (a.size != b.size || (a.size && std::memcmp(a.data, b.data, a.size) != 0) ||
            rebuilt.Stamp() != files[i].Stamp())
            return false;
    }
    return true;
}

std::array<std::filesystem::path, 5> FinalPaths(const std::filesystem::path& base) {
    std::array<std::filesystem::path, 5> paths;
    for (size_t i = 0; i < 5; ++i)
        paths[i] = FileOf(base, i);
    return paths;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    return !out.fail();
}

// A write puts all five files beside their targets as NAME.EXT.new and only then renames them
// over the targets. Files left pending by a crash either make a complete set with the renamed
// ones, and the renames are finished, or were cut off while being written, and are dropped.
void FinishInterruptedWrite(const std::filesystem::path& base, TransDirection direction) {
    std::error_code ec;
    bool anyPending = false;
    std::array<std::filesystem::path, 5> mixed;
    for (size_t i = 0; i < 5; ++i) {
        const bool pending = std::filesystem::exists(FileOf(base, i, true), ec);
        anyPending = anyPending || pending;
        mixed[i] = FileOf(base, i, pending);
    }
    if (!anyPending)
        return;
    SetContent content;
    const bool complete = ReadSet(mixed, direction, content);
    for (size_t i = 0; i < 5; ++i) {
        if (mixed[i] == FileOf(base, i))
            continue;
        if (complete)
            std::filesystem::rename(mixed[i], FileOf(base, i), ec);
        else
            std::filesystem::remove(mixed[i], ec);
    }
}

bool WriteSet(const std::filesystem::path& base, const FileSet& set) {
    for (size_t i = 0; i < 5; ++i) {
        if (!WriteFile(FileOf(base, i, true), set.files[i])) {
            std::error_code ec;
            for (size_t k = 0; k <= i; ++k)
                std::filesystem::remove(FileOf(base, k, true), ec);
            return false;
        }
    }
    for (size_t i = 0; i < 5; ++i) {
        std::error_code ec;
        std::filesystem::rename(FileOf(base, i, true), FileOf(base, i), ec);
        if (ec)
            return false;  // the pending files finish the write when the set is next read
    }
    return true;
}

} // namespace

CUserDictionary::CUserDictionary(TransDirection direction) : m_direction(direction) {}

size_t CUserDictionary::RecordSize() const { return SizeOf(m_direction); }

UserDicResult CUserDictionary::Create(const std::filesystem::path& base, TransDirection direction) {
    if (base.empty())
        return UserDicResult::WriteFailed;
    if (Check(base, direction))
        return UserDicResult::Exists;
    std::error_code ec;
    for (size_t i = 0; i < 5; ++i)
        if (std::filesystem::exists(FileOf(base, i), ec) || ec)
            return UserDicResult::Foreign;
    return WriteSet(base, BuildSet({}, 1, direction)) ? UserDicResult::Done
                                                      : UserDicResult::WriteFailed;
}

bool CUserDictionary::Check(const std::filesystem::path& base, TransDirection direction) {
    if (base.empty())
        return false;
    FinishInterruptedWrite(base, direction);
    SetContent content;
    return ReadSet(FinalPaths(base), direction, content);
}

bool CUserDictionary::Open(const std::filesystem::path& base, const CCharacterTables& tables) {
    Close();
    if (base.empty())
        return false;
    FinishInterruptedWrite(base, m_direction);
    SetContent content;
    if (!ReadSet(FinalPaths(base), m_direction, content))
        return false;
    m_base = base;
    m_records = std::move(content.records);
    m_nNextIdentifier = content.nextIdentifier;
    Index(tables);
    m_bOpen = true;
    return true;
}

void CUserDictionary::Close() {
    m_records.clear();
    m_words.Clear();
    m_base.clear();
    m_nNextIdentifier = 1;
    m_bOpen = false;
}

int32_t CUserDictionary::Add(const uint8_t* record, const CCharacterTables& tables) {
    if (!m_bOpen)
        return int32_t(UserDicResult::NotADictionary);
    const size_t size = RecordSize();
    std::vector<uint8_t> r(record, record + size);
    if (!RecordIsSound(r.data(), m_direction))
        return int32_t(UserDicResult::BadRecord);
    const int32_t identifier = m_nNextIdentifier;
    const size_t at = LayoutOf(m_direction).identifierOffset;
    for (int k = 0; k < 4; ++k)
        r[at + size_t(k)] = uint8_t(uint32_t(identifier) >> (8 * k));
    const size_t oldSize = m_records.size();
    m_records.insert(m_records.end(), r.begin(), r.end());
    ++m_nNextIdentifier;
    if (!Commit()) {
        m_records.resize(oldSize);
        --m_nNextIdentifier;
        return int32_t(UserDicResult::WriteFailed);
    }
    Index(tables);
    return identifier;
}

bool CUserDictionary::Commit() {
    return WriteSet(m_base, BuildSet(m_records, m_nNextIdentifier, m_direction));
}

void CUserDictionary::Index(const CCharacterTables& tables) {
    m_words.Clear();
    const size_t size = RecordSize();
    const CCodePage* shiftJis = tables.Page(kShiftJis);
    const CCodePage* gb = tables.Page(kGb2312);
    for (size_t i = 0; i + size <= m_records.size(); i += size) {
        const char* r = reinterpret_cast<const char*>(&m_records[i]);
        if (m_direction == kJapaneseToChinese) {
            const std::u16string key = shiftJis->Decode(r).text;
            const std::u16string target = gb->Decode(r + 84).text;
            WordKind kind{uint8_t(r[136]), uint8_t(r[137]), uint8_t(r[138])};
            m_words.Add(key, kind, {target}, {tables.Map(CharMap::SimplifiedToTraditional, target)},
                        {});
        } else {
            const int32_t codePage = int32_t(ReadU32(&m_records[i + 96]));
            std::u16string key = tables.Page(codePage)->Decode(r).text;
            if (codePage == kBig5)
                key = tables.Map(CharMap::TraditionalToSimplified, key);
            const std::u16string target = shiftJis->Decode(r + 32).text;
            WordKind chinese{uint8_t(r[74]), 0, 0};
            m_words.Add(key, chinese, {target}, {}, {JapaneseKindOfCode(std::string(r + 76), target)});
        }
    }
    m_words.Seal();
}

} // namespace transfer
