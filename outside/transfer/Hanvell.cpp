// Simplified Chinese written in the double-byte space of Shift-JIS (code page 10932).
#include "Hanvell.h"

namespace transfer {

namespace {

// Trail bytes that lead byte 87 takes for the codes 98 73 to 98 9E, which the form keeps free.
const uint8_t kMovedTrails[43] = {
    0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x5F, 0x60, 0x61, 0x62, 0x63,
    0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x7E, 0x80, 0x81, 0x82,
    0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F, 0x93};

void Push(std::string& out, uint8_t lead, uint8_t trail) {
    out.push_back(char(lead));
    out.push_back(char(trail));
}

} // namespace

void EncodeHanvellSimplified(const CCharacterTables& tables, char16_t ch, std::string& out) {
    if (ch < 0x80) {
        out.push_back(char(ch));
        return;
    }
    std::string gb;
    tables.Page(kGb2312)->Encode(ch, gb);
    const bool isGb2312 = gb.size() == 2 && uint8_t(gb[0]) >= 0xA1 && uint8_t(gb[0]) <= 0xF7 &&
                          uint8_t(gb[1]) >= 0xA1 && uint8_t(gb[1]) <= 0xFE;
    if (!isGb2312) {
        Push(out, 0x81, 0xAC);
        return;
    }
    const uint8_t lead = uint8_t(gb[0]);
    if (lead < 0xB0) {
        std::string sjis;
        const CCodePage* shiftJis = tables.Page(kShiftJis);
        if (lead <= 0xA9 && shiftJis->CanEncode(ch)) {
            shiftJis->Encode(ch, sjis);
            out += sjis;
        } else {
            Push(out, 0x81, 0xAC);
        }
        return;
    }
    const unsigned row = lead - 0x80, cell = uint8_t(gb[1]) - 0x80;
    const unsigned s1 = ((row + 1) >> 1) + (row <= 0x5E ? 0x70 : 0xB0);
    const unsigned s2 = cell + ((row & 1) ? (cell >= 0x60 ? 0x20 : 0x1F) : 0x7E);
    if (s1 == 0x98 && s2 >= 0x73 && s2 <= 0x9E) {
        const unsigned index = s2 < 0x7F ? s2 - 0x73 : s2 - 0x74;
        Push(out, 0x87, kMovedTrails[index]);
        return;
    }
    Push(out, uint8_t(s1), uint8_t(s2));
}

} // namespace transfer
