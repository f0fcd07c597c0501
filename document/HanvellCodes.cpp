// Shift_JIS arithmetic and the fixed code rules of the simplified Hanvell form.
#include "HanvellCodes.h"

#include <iterator>

namespace {

struct ExtensionRange {
    DoubleByteCode first;
    DoubleByteCode last;
    DoubleByteCode target; // the code of the first; the others follow in order
};

// The IBM extension codes of code page 932 and the NEC codes they duplicate.
const ExtensionRange kExtensionRanges[] = {
    {0xFA40, 0xFA49, 0xEEEF}, {0xFA4A, 0xFA53, 0x8754}, {0xFA54, 0xFA57, 0xEEF9},
    {0xFA58, 0xFA58, 0x878A}, {0xFA59, 0xFA59, 0x8782}, {0xFA5A, 0xFA5A, 0x8784},
    {0xFA5B, 0xFA5B, 0x879A}, {0xFA5C, 0xFA7E, 0xED40}, {0xFA80, 0xFA9B, 0xED63},
    {0xFA9C, 0xFAFC, 0xED80}, {0xFB40, 0xFB5B, 0xEDE1}, {0xFB5C, 0xFB7E, 0xEE40},
    {0xFB80, 0xFB9B, 0xEE63}, {0xFB9C, 0xFBFC, 0xEE80}, {0xFC40, 0xFC4B, 0xEEE1},
};

struct ExtensionPair {
    DoubleByteCode gb;
    DoubleByteCode hanvell;
};

// Code page 936 characters outside the GB2312 rows with a Shift_JIS twin.
const ExtensionPair kGbExtensionPairs[] = {
    {0xA96F, 0x8143}, {0xA981, 0x815D}, {0xA996, 0x815A}, {0xA844, 0x815C},
    {0xA3A0, 0x8140}, {0xA955, 0x8146}, {0xA960, 0x815B},
};

} // namespace

// clang-format off: one line per run of trail bytes
const uint8_t kLead87Trails[kLead87TrailCount] = {
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x5F, 0x60, 0x61, 0x62, 0x63,
    0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x7E, 0x80, 0x81, 0x82,
    0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x93,
};
// clang-format on

RowCell ShiftJisToRowCell(DoubleByteCode code) {
    const int lead = LeadOf(code);
    const int trail = TrailOf(code);
    const int rowBase = (lead - (lead <= 0x9F ? 0x70 : 0xB0)) * 2;
    if (trail < 0x9F) {
        return {rowBase - 1, trail - 0x1F - (trail > 0x7F ? 1 : 0)};
    }
    return {rowBase, trail - 0x7E};
}

DoubleByteCode RowCellToShiftJis(int row, int cell) {
    const int lead = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const int trail = (row & 1) ? cell + 0x1F + (cell >= 0x60 ? 1 : 0) : cell + 0x7E;
    return MakeCode(static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
}

DoubleByteCode ReadExtensionCode(DoubleByteCode code) {
    for (const ExtensionRange& range : kExtensionRanges) {
        if (code >= range.first && code <= range.last) {
            return static_cast<DoubleByteCode>(range.target + (code - range.first));
        }
    }
    return kHanvellBlank;
}

DoubleByteCode MoveOutOfRow98(DoubleByteCode code) {
    const uint8_t trail = TrailOf(code);
    if (LeadOf(code) != 0x98 || trail < 0x73 || trail > 0x9E) {
        return code;
    }
    // The formula never gives trail 7F, so the list skips it.
    const int index = trail - 0x73 - (trail > 0x7F ? 1 : 0);
    return MakeCode(0x87, kLead87Trails[index]);
}

DoubleByteCode GbExtensionToHanvell(DoubleByteCode gb) {
    for (const ExtensionPair& pair : kGbExtensionPairs) {
        if (pair.gb == gb) {
            return pair.hanvell;
        }
    }
    return 0;
}
