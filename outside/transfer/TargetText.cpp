// A translation as it is built, turned into the output bytes and the word records.
#include "TargetText.h"

#include "CharacterTables.h"
#include "Hanvell.h"

#include <algorithm>

namespace transfer {

TargetText EncodeTarget(const Pieces& pieces, int32_t targetCodePage, const CCharacterTables& tables) {
    TargetText out;
    EncodeTarget(pieces, targetCodePage, tables, out);
    return out;
}

void EncodeTarget(const Pieces& pieces, int32_t targetCodePage, const CCharacterTables& tables, TargetText& out) {
    out.bytes.clear();
    out.records.clear();
    const bool traditional = targetCodePage == kBig5;
    const bool hanvell = targetCodePage == kHanvellSimplified;
    const CCodePage* page = tables.Page(targetCodePage);
    size_t position = 0;
    size_t characters = 0;
    for (const Piece& piece : pieces)
        characters += std::max(piece.text.size(), piece.alternative.size());
    out.records.reserve(pieces.size());
    // A character takes at most two bytes: written in place, then cut to the bytes made.
    if (!hanvell)
        out.bytes.resize(2 * characters);
    else
        out.bytes.reserve(2 * characters + 16);
    char* at = out.bytes.data();
    for (const Piece& piece : pieces) {
        const std::u16string& text =
            traditional && !piece.alternative.empty() ? piece.alternative : piece.text;
        if (text.empty())
            continue;
        // Every character becomes exactly one target character, so positions count alike.
        if (hanvell) {
            for (char16_t ch : text)
                EncodeHanvellSimplified(tables, ch, out.bytes);
        } else {
            for (char16_t ch : text)
                at = page->EncodeTo(ch, at);
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
    if (!hanvell)
        out.bytes.resize(size_t(at - out.bytes.data()));
}

} // namespace transfer
