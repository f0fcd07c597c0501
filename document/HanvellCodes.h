// Shift_JIS arithmetic and the fixed code rules of the simplified Hanvell form.
#pragma once

#include <cstdint>

// A double-byte code as lead * 256 + trail.
using DoubleByteCode = uint16_t;

constexpr DoubleByteCode MakeCode(uint8_t lead, uint8_t trail) {
    return static_cast<DoubleByteCode>(lead << 8 | trail);
}
constexpr uint8_t LeadOf(DoubleByteCode code) {
    return static_cast<uint8_t>(code >> 8);
}
constexpr uint8_t TrailOf(DoubleByteCode code) {
    return static_cast<uint8_t>(code & 0xFF);
}

constexpr DoubleByteCode kHanvellBlank = 0x8140;  // ideographic space
constexpr DoubleByteCode kNoHanvellCode = 0x81AC; // geta mark: no equivalent
constexpr DoubleByteCode kGbBlank = 0xA1A1;
constexpr DoubleByteCode kNoGbCode = 0xA1FE; // geta mark: no equivalent
constexpr DoubleByteCode kBig5Blank = 0xA140;
constexpr DoubleByteCode kNoBig5Code = 0xA2A4;

// Lead bytes of Shift_JIS and so of both Hanvell forms.
constexpr bool IsShiftJisLead(uint8_t byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
constexpr bool IsShiftJisTrail(uint8_t byte) {
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}
// Lead bytes of GB2312 and Big5 text.
constexpr bool IsChineseLead(uint8_t byte) {
    return byte >= 0x80 && byte <= 0xFE;
}

// JIS X 0208 row and cell bytes (21-7E); rows above 7E for Shift_JIS leads F0 and up.
struct RowCell {
    int row;
    int cell;
};

// The published Shift_JIS formula, for a lead 81-9F or E0-FC and a trail 40-FC without 7F.
RowCell ShiftJisToRowCell(DoubleByteCode code);
DoubleByteCode RowCellToShiftJis(int row, int cell);

// A code page 932 extension code (lead F0 and up) as the code it duplicates; 81 40 for none.
DoubleByteCode ReadExtensionCode(DoubleByteCode code);

// Row 98 is empty from trail 73 on, so the GB characters the formula puts there live under
// lead 87; any other code is given back as it is.
DoubleByteCode MoveOutOfRow98(DoubleByteCode code);
constexpr int kLead87TrailCount = 43;
extern const uint8_t kLead87Trails[kLead87TrailCount];

// The Hanvell code of a GB code with a byte below A1, or 0 when it has none.
DoubleByteCode GbExtensionToHanvell(DoubleByteCode gb);
