// Simplified/traditional conversions in place: code page 936 and 950 text, and UTF-16 text.
#include "HanswapCore.h"

#include "HanswapTables.h"

#include <algorithm>
#include <cstdint>

namespace {

struct CodeTable {
    const uint16_t* entries;
    uint8_t firstLead;
    uint8_t lastLead;
    bool (*isTrail)(uint8_t);
};

bool IsGbTrail(uint8_t byte) {
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}
bool IsBig5Trail(uint8_t byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0xA1 && byte <= 0xFE);
}

const CodeTable kGbTable = {kGbToBig5, 0x81, 0xFE, IsGbTrail};
const CodeTable kBig5Table = {kBig5ToGb, 0xA1, 0xF9, IsBig5Trail};

void ConvertCodes(char* text, const CodeTable& table) {
    auto* bytes = reinterpret_cast<uint8_t*>(text);
    size_t i = 0;
    while (bytes[i] != 0) {
        const uint8_t lead = bytes[i];
        if (lead < 0x81 || lead == 0xFF) {
            ++i;
            continue;
        }
        const uint8_t trail = bytes[i + 1]; // the terminator at worst
        if (!table.isTrail(trail)) {
            ++i; // no pair: the lead stays and the next byte is read on its own
            continue;
        }
        if (lead >= table.firstLead && lead <= table.lastLead) {
            const uint16_t target =
                table.entries[(lead - table.firstLead) * kCodeTableTrails + (trail - 0x40)];
            if (target != 0) {
                bytes[i] = static_cast<uint8_t>(target >> 8);
                bytes[i + 1] = static_cast<uint8_t>(target & 0xFF);
            }
        }
        i += 2;
    }
}

void ConvertUnits(char16_t* text, const Utf16Pair* pairs, size_t count) {
    const Utf16Pair* end = pairs + count;
    for (; *text != 0; ++text) {
        const uint16_t unit = static_cast<uint16_t>(*text);
        const Utf16Pair* found = std::lower_bound(
            pairs, end, unit, [](const Utf16Pair& pair, uint16_t key) { return pair.from < key; });
        if (found != end && found->from == unit) {
            *text = static_cast<char16_t>(found->to);
        }
    }
}

} // namespace

void ConvertGbToBig5(char* text) {
    ConvertCodes(text, kGbTable);
}

void ConvertBig5ToGb(char* text) {
    ConvertCodes(text, kBig5Table);
}

void ConvertSimplifiedToTraditional(char16_t* text) {
    ConvertUnits(text, kSimplifiedToTraditional, kSimplifiedToTraditionalCount);
}

void ConvertTraditionalToSimplified(char16_t* text) {
    ConvertUnits(text, kTraditionalToSimplified, kTraditionalToSimplifiedCount);
}
