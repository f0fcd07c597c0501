// A translation as it is built, turned into the output bytes and the word records.
#include "TargetText.h"

#include "CharacterTables.h"
#include "Hanvell.h"

namespace transfer {

TargetText EncodeTarget(const Pieces& pieces, int32_t targetCodePage, const CCharacterTables& tables) {
    TargetText out;
    const bool traditional = targetCodePage == kBig5;
    const CCodePage* page = tables.Page(targetCodePage);
    size_t position = 0;
    size_t characters = 0;
    for (const Piece& piece : pieces)
        characters += piece.text.size();
    out.bytes.reserve(2 * characters + 16);
    out.records.reserve(pieces.size());
    for (const Piece& piece : pieces) {
        const std::u16string& text =
            traditional && !piece.alternative.empty() ? piece.alternative : piece.text;
        if (text.empty())
            continue;
        for (char16_t ch : text) {
            // Every character becomes exactly one target character, so positions count alike.
            if (targetCodePage == kHanvellSimplified)
                EncodeHanvellSimplified(tables, ch, out.bytes);
            else
                page->Encode(ch, out.bytes);
        }
        if (piece.word && piece.sourceLength > 0) {
            WordRecord record{};
            record.m_nTargetStart = int32_t(position);
            record.m_nTargetLength = int32_t(text.size());
            record.m_nSourceStart = int32_t(piece.sourceStart);
            record.m_nSourceLength = int32_t(piece.sourceLength);
            out.records.push_back(record);
        }
        position += text.size();
    }
    return out;
}

} // namespace transfer
