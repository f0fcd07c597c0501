// The three CVDATA conversion tables: their row-block layout, lookup and the program's loaded set.
#pragma once

#include "HanvellCodes.h"

#include <cstddef>
#include <cstdint>

// Bytes owned elsewhere (a resource in the module, a file a test has read).
struct ByteSpan {
    const uint8_t* data = nullptr;
    size_t size = 0;
};

struct ByteRange {
    int first;
    int last; // below first: an empty range

    int Count() const { return last >= first ? last - first + 1 : 0; }
};

// Rows of lead bytes, each a label and blocks of 16 two-byte targets for consecutive trails.
struct CvdataLayout {
    const char* name;    // the resource name
    ByteRange leads[2];  // the rows, in order
    ByteRange trails[2]; // covered by the blocks, 16 trails each

    int RowCount() const { return leads[0].Count() + leads[1].Count(); }
    int BlockCount() const { return (trails[0].Count() + trails[1].Count()) / 16; }
    uint8_t LeadOfRow(int row) const;
    uint8_t FirstTrail() const { return static_cast<uint8_t>(trails[0].first); }
    size_t RowSize() const { return 6 + 34 * static_cast<size_t>(BlockCount()); }
    size_t TableSize() const { return RowSize() * static_cast<size_t>(RowCount()); }
};

extern const CvdataLayout kBig5ToHanvellLayout; // "BIG5-HVH"
extern const CvdataLayout kHanvellToBig5Layout; // "HVH-BIG5"
extern const CvdataLayout kGbToBig5Layout;      // "GB-BIG5"

// One table over bytes it does not own.
class CCvdataTable {
public:
    explicit CCvdataTable(const CvdataLayout& layout);

    // Takes the bytes when their size and every row label fit the layout.
    bool Attach(ByteSpan bytes);
    void Detach() { m_bytes = ByteSpan(); }
    bool IsAttached() const { return m_bytes.data != nullptr; }
    const CvdataLayout& Layout() const { return m_layout; }
    ByteSpan Bytes() const { return m_bytes; }

    // The target of a code inside the layout; 0 outside it, when detached, or when the target
    // begins with "?" (no equivalent).
    DoubleByteCode Lookup(uint8_t lead, uint8_t trail) const;

private:
    const CvdataLayout& m_layout;
    ByteSpan m_bytes;
    int16_t m_anRowOfLead[256];    // -1: the layout has no row for the lead
    int16_t m_anBlockOfTrail[256]; // -1: no block covers the trail
};

class CCharacterTables {
public:
    CCharacterTables()
        : m_big5ToHanvell(kBig5ToHanvellLayout), m_hanvellToBig5(kHanvellToBig5Layout),
          m_gbToBig5(kGbToBig5Layout) {}

    // All three, or none when any of them does not fit its layout.
    bool Attach(ByteSpan big5ToHanvell, ByteSpan hanvellToBig5, ByteSpan gbToBig5);
    bool IsLoaded() const { return m_gbToBig5.IsAttached(); }

    const CCvdataTable& Big5ToHanvell() const { return m_big5ToHanvell; }
    const CCvdataTable& HanvellToBig5() const { return m_hanvellToBig5; }
    const CCvdataTable& GbToBig5() const { return m_gbToBig5; }

private:
    CCvdataTable m_big5ToHanvell;
    CCvdataTable m_hanvellToBig5;
    CCvdataTable m_gbToBig5;
};

// The tables the program loaded at start-up; empty until then, so that every lookup gives "no
// equivalent".
CCharacterTables& ProgramCharacterTables();
