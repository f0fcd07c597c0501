// Text conversions between the Hanvell forms, Shift-JIS-form text, GB2312 and Big5.
#include "HanvellText.h"

#include "HanvellConversion.h"

#include <cstring>

namespace {

uint8_t ByteAt(const char* text, size_t index) {
    return static_cast<uint8_t>(text[index]);
}

char* Write(char* out, ConvertedCode code) {
    if (code.length == 2) {
        *out++ = static_cast<char>(LeadOf(code.value));
    }
    *out++ = static_cast<char>(TrailOf(code.value));
    return out;
}

// Walks text taking pairs where isLead says so; growth is how many output bytes one input byte
// may become at most.
template <typename IsLead, typename ConvertPair, typename ConvertByte>
std::string ConvertText(const char* text, size_t growth, IsLead isLead, ConvertPair convertPair,
                        ConvertByte convertByte) {
    const size_t length = std::strlen(text);
    std::string out(length * growth, '\0');
    char* const begin = &out[0];
    char* end = begin;
    for (size_t i = 0; i < length; ++i) {
        const uint8_t byte = ByteAt(text, i);
        if (!isLead(byte)) {
            end = Write(end, convertByte(byte));
        } else if (i + 1 == length) {
            *end++ = static_cast<char>(byte);
        } else {
            end = Write(end, convertPair(byte, ByteAt(text, i + 1)));
            ++i;
        }
    }
    out.resize(static_cast<size_t>(end - begin));
    return out;
}

ConvertedCode Big5Byte(uint8_t byte) {
    return ConvertedCode::Single(HanvellByteToBig5(byte));
}

} // namespace

std::string SimplifiedHanvellTextToGb(const char* text) {
    return ConvertText(
        text, 2, IsShiftJisLead, // a half-width byte may become a pair
        [](uint8_t lead, uint8_t trail) {
            return ConvertedCode::Pair(SimplifiedHanvellToGb(lead, trail));
        },
        SimplifiedHanvellByteToGb);
}

std::string ShiftJisFormTextToBig5(const CCharacterTables& tables, const char* text) {
    return ConvertText(
        text, 1, IsShiftJisLead,
        [&tables](uint8_t lead, uint8_t trail) {
            return ConvertedCode::Pair(ShiftJisFormToBig5(tables, lead, trail));
        },
        Big5Byte);
}

std::string TraditionalHanvellTextToBig5(const CCharacterTables& tables, const char* text) {
    return ConvertText(
        text, 1, IsShiftJisLead,
        [&tables](uint8_t lead, uint8_t trail) {
            return ConvertedCode::Pair(TraditionalHanvellToBig5(tables, lead, trail));
        },
        Big5Byte);
}

std::string GbTextToSimplifiedHanvell(const char* text) {
    return ConvertText(text, 1, IsChineseLead, GbToSimplifiedHanvell,
                       [](uint8_t byte) { return ConvertedCode::Single(byte); });
}

void Big5TextToTraditionalHanvell(const CCharacterTables& tables, char* text) {
    for (size_t i = 0; text[i] != '\0'; ++i) {
        const uint8_t lead = ByteAt(text, i);
        if (!IsChineseLead(lead) || text[i + 1] == '\0') {
            continue;
        }
        const DoubleByteCode code = Big5ToTraditionalHanvell(tables, lead, ByteAt(text, i + 1));
        text[i] = static_cast<char>(LeadOf(code));
        text[i + 1] = static_cast<char>(TrailOf(code));
        ++i;
    }
}
