// Pair and single-byte conversions between the Hanvell forms, GB2312 and Big5.
#include "HanvellConversion.h"

#include "HanvellFixedTables.h"

namespace {

constexpr uint8_t kUnknownMark = '?'; // first byte of a fixed-row target without equivalent
constexpr uint8_t kSingleMark = 0x20; // second byte of a fixed-row target that is one byte

// Which of the fixed rows belongs to a GB row, or -1 for a row of the formula.
template <size_t N> int FixedRowIndex(const uint8_t (&leads)[N], int gbLead) {
    for (size_t i = 0; i < N; ++i) {
        if (leads[i] == gbLead) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

DoubleByteCode SimplifiedHanvellToGb(uint8_t lead, uint8_t trail) {
    if (!IsShiftJisLead(lead) || !IsShiftJisTrail(trail)) {
        return kGbBlank;
    }
    DoubleByteCode code = MakeCode(lead, trail);
    if (code == 0xF282) {
        return 0xE946;
    }
    if (lead >= 0xF0) {
        code = ReadExtensionCode(code);
    }
    if (code == 0xEEED || code == 0xEEEE) {
        code = kHanvellBlank;
    } else if (code == 0xEEF9) {
        code = 0x81CA;
    }
    RowCell rowCell = ShiftJisToRowCell(code);
    if (rowCell.row >= 0x79) {
        rowCell.row -= 5; // GB rows F4-F7 sit five rows on, where code page 932 has its NEC rows
    }
    const int gbLead = rowCell.row + 0x80;
    const int fixedRow = FixedRowIndex(kHanvellRowsToGbLeads, gbLead);
    if (fixedRow >= 0) {
        const DoubleByteCode replacement = kHanvellRowsToGb[fixedRow][rowCell.cell - 0x21];
        return LeadOf(replacement) == kUnknownMark ? kNoGbCode : replacement;
    }
    return MakeCode(static_cast<uint8_t>(gbLead), static_cast<uint8_t>(rowCell.cell + 0x80));
}

ConvertedCode GbToSimplifiedHanvell(uint8_t lead, uint8_t trail) {
    const DoubleByteCode code = MakeCode(lead, trail);
    if (code == 0xE946) {
        return ConvertedCode::Pair(0xF282);
    }
    if (lead < 0xA1 || trail < 0xA1) {
        const DoubleByteCode extension = GbExtensionToHanvell(code);
        return ConvertedCode::Pair(extension ? extension : kNoHanvellCode);
    }
    // Rows F8 and up hold no GB2312 characters, and their formula codes would read back as rows
    // F4-F7.
    if (trail == 0xFF || lead >= 0xF8) {
        return ConvertedCode::Pair(kNoHanvellCode);
    }
    const int fixedRow = FixedRowIndex(kGbRowsToHanvellLeads, lead);
    if (fixedRow >= 0) {
        const DoubleByteCode target = kGbRowsToHanvell[fixedRow][trail - 0xA1];
        if (LeadOf(target) == kUnknownMark) {
            return ConvertedCode::Pair(kNoHanvellCode);
        }
        if (TrailOf(target) == kSingleMark) {
            return ConvertedCode::Single(LeadOf(target));
        }
        return ConvertedCode::Pair(target);
    }
    return ConvertedCode::Pair(MoveOutOfRow98(RowCellToShiftJis(lead - 0x80, trail - 0x80)));
}

DoubleByteCode Big5ToTraditionalHanvell(const CCharacterTables& tables, uint8_t lead,
                                        uint8_t trail) {
    if (lead < 0xA1 || lead > 0xF9 || trail < 0x40 || (trail >= 0x80 && trail <= 0x9F)) {
        return kHanvellBlank;
    }
    const DoubleByteCode target = tables.Big5ToHanvell().Lookup(lead, trail);
    return target ? target : kNoHanvellCode;
}

DoubleByteCode TraditionalHanvellToBig5(const CCharacterTables& tables, uint8_t lead,
                                        uint8_t trail) {
    if (!IsShiftJisLead(lead) || trail < 0x40) {
        return kBig5Blank;
    }
    const DoubleByteCode target = tables.HanvellToBig5().Lookup(lead, trail);
    return target ? target : kNoBig5Code;
}

DoubleByteCode ShiftJisFormToBig5(const CCharacterTables& tables, uint8_t lead, uint8_t trail) {
    const DoubleByteCode gb = SimplifiedHanvellToGb(lead, trail);
    if (LeadOf(gb) <= 0xA0 || LeadOf(gb) == 0xFF || TrailOf(gb) < 0xA0) {
        return kBig5Blank;
    }
    const DoubleByteCode target = tables.GbToBig5().Lookup(LeadOf(gb), TrailOf(gb));
    return target ? target : kNoBig5Code;
}

ConvertedCode SimplifiedHanvellByteToGb(uint8_t byte) {
    if (byte >= 0xA1 && byte <= 0xA5) {
        return ConvertedCode::Pair(kHalfwidthToGbPairs[byte - 0xA1]);
    }
    // Both groups of pinyin letters, capital A6-BE and small BF-D7, give row A8's letters.
    if (byte >= 0xA6 && byte <= 0xBE) {
        return ConvertedCode::Pair(MakeCode(0xA8, static_cast<uint8_t>(byte - 0x05)));
    }
    if (byte >= 0xBF && byte <= 0xD7) {
        return ConvertedCode::Pair(MakeCode(0xA8, static_cast<uint8_t>(byte - 0x1E)));
    }
    if (byte == 0xD8) {
        return ConvertedCode::Pair(0xA8BA);
    }
    if (byte >= 0xD9 && byte <= 0xDD) {
        return ConvertedCode::Single(kHalfwidthToGbBytes[byte - 0xD9]);
    }
    if (byte == 0xDE || byte == 0xDF) {
        return ConvertedCode::Pair(kSoundMarksToGb[byte - 0xDE]);
    }
    return ConvertedCode::Single(byte);
}

uint8_t HanvellByteToBig5(uint8_t byte) {
    struct VowelBytes {
        uint8_t first;
        uint8_t last;
        char vowel;
    };
    static const VowelBytes kVowels[] = {
        {0xA6, 0xA9, 'A'}, {0xAA, 0xAD, 'E'}, {0xAE, 0xB1, 'I'}, {0xB2, 0xB5, 'O'},
        {0xB6, 0xBE, 'U'}, {0xBF, 0xC2, 'a'}, {0xC3, 0xC6, 'e'}, {0xC7, 0xCA, 'i'},
        {0xCB, 0xCE, 'o'}, {0xCF, 0xD7, 'u'},
    };
    for (const VowelBytes& vowel : kVowels) {
        if (byte >= vowel.first && byte <= vowel.last) {
            return static_cast<uint8_t>(vowel.vowel);
        }
    }
    return byte;
}
