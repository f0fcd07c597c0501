// The three CVDATA conversion tables: their row-block layout, lookup and the program's loaded set.
#include "CharacterTables.h"

#include <cstring>

namespace {

char HexDigit(int value) {
    return "0123456789ABCDEF"[value & 0xF];
}

bool LabelFits(const uint8_t* row, uint8_t lead, uint8_t firstTrail) {
    const char label[6] = {HexDigit(lead >> 4),  HexDigit(lead), HexDigit(firstTrail >> 4),
                           HexDigit(firstTrail), '\r',           '\n'};
    return std::memcmp(row, label, sizeof label) == 0;
}

} // namespace

const CvdataLayout kBig5ToHanvellLayout = {
    "BIG5-HVH", {{0xA1, 0xF9}, {1, 0}}, {{0x40, 0x7F}, {0xA0, 0xFF}}};
const CvdataLayout kHanvellToBig5Layout = {
    "HVH-BIG5", {{0x81, 0x9F}, {0xE0, 0xFC}}, {{0x40, 0xFF}, {1, 0}}};
const CvdataLayout kGbToBig5Layout = {"GB-BIG5", {{0xA1, 0xFE}, {1, 0}}, {{0xA0, 0xFF}, {1, 0}}};

uint8_t CvdataLayout::LeadOfRow(int row) const {
    const int inFirst = leads[0].Count();
    return static_cast<uint8_t>(row < inFirst ? leads[0].first + row
                                              : leads[1].first + (row - inFirst));
}

CCvdataTable::CCvdataTable(const CvdataLayout& layout) : m_layout(layout) {
    for (int byte = 0; byte < 256; ++byte) {
        m_anRowOfLead[byte] = -1;
        m_anBlockOfTrail[byte] = -1;
    }
    for (int row = 0; row < layout.RowCount(); ++row) {
        m_anRowOfLead[layout.LeadOfRow(row)] = static_cast<int16_t>(row);
    }
    int covered = 0;
    for (const ByteRange& range : layout.trails) {
        for (int trail = range.first; trail <= range.last; ++trail) {
            m_anBlockOfTrail[trail] = static_cast<int16_t>(covered++ / 16);
        }
    }
}

bool CCvdataTable::Attach(ByteSpan bytes) {
    if (bytes.data == nullptr || bytes.size != m_layout.TableSize()) {
        return false;
    }
    for (int row = 0; row < m_layout.RowCount(); ++row) {
        if (!LabelFits(bytes.data + row * m_layout.RowSize(), m_layout.LeadOfRow(row),
                       m_layout.FirstTrail())) {
            return false;
        }
    }
    m_bytes = bytes;
    return true;
}

DoubleByteCode CCvdataTable::Lookup(uint8_t lead, uint8_t trail) const {
    const int row = m_anRowOfLead[lead];
    const int block = m_anBlockOfTrail[trail];
    if (!IsAttached() || row < 0 || block < 0) {
        return 0;
    }
    const uint8_t* entry =
        m_bytes.data + row * m_layout.RowSize() + 6 + block * 34 + (trail % 16) * 2;
    return entry[0] == '?' ? 0 : MakeCode(entry[0], entry[1]);
}

bool CCharacterTables::Attach(ByteSpan big5ToHanvell, ByteSpan hanvellToBig5, ByteSpan gbToBig5) {
    CCvdataTable big5(kBig5ToHanvellLayout), hanvell(kHanvellToBig5Layout), gb(kGbToBig5Layout);
    if (!big5.Attach(big5ToHanvell) || !hanvell.Attach(hanvellToBig5) || !gb.Attach(gbToBig5)) {
        return false;
    }
    m_big5ToHanvell.Attach(big5ToHanvell);
    m_hanvellToBig5.Attach(hanvellToBig5);
    m_gbToBig5.Attach(gbToBig5);
    return true;
}

CCharacterTables& ProgramCharacterTables() {
    static CCharacterTables tables;
    return tables;
}
