// Blanks a segmented sentence keeps.
#include "BlankCleaning.h"

#include "CodePages.h"
#include "Punctuation.h"

#include <vector>

namespace {

uint16_t PairAt(const std::string& text, size_t i) {
    return uint16_t(static_cast<unsigned char>(text[i]) << 8 | static_cast<unsigned char>(text[i + 1]));
}

struct Piece {
    size_t offset;
    size_t length;  // 1 or 2 bytes
    bool blank;
};

std::vector<Piece> SplitCharacters(const std::string& text, unsigned codePage) {
    const uint16_t fullWidthBlank = PunctuationFor(codePage).fullWidthBlank;
    std::vector<Piece> pieces;
    pieces.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (IsLeadByte(codePage, b) && i + 1 < text.size()) {
            pieces.push_back({i, 2, PairAt(text, i) == fullWidthBlank});
            i += 2;
        } else {
            pieces.push_back({i, 1, b == ' '});
            i += 1;
        }
    }
    return pieces;
}

bool IsJapaneseWordCharacter(const std::string& text, const Piece& p) {
    unsigned char b = static_cast<unsigned char>(text[p.offset]);
    if (p.length == 1)
        return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= 0xAB && b <= 0xDF);
    uint16_t code = uint16_t(b << 8 | static_cast<unsigned char>(text[p.offset + 1]));
    return (code >= 0x8260 && code <= 0x8279) ||  // Ａ-Ｚ
           (code >= 0x8281 && code <= 0x829A) ||  // ａ-ｚ
           (code >= 0x829F && code <= 0x82F1) ||  // ぁ-ん
           (code >= 0x8340 && code <= 0x8396);    // ァ-ヶ
}

// Most sentences hold no blank and end in a whole character: they need no work.
bool NeedsCleaning(const std::string& text, unsigned codePage) {
    const uint16_t fullWidthBlank = PunctuationFor(codePage).fullWidthBlank;
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if (b == ' ')
            return true;
        if (IsLeadByte(codePage, b)) {
            if (i + 1 >= text.size() || PairAt(text, i) == fullWidthBlank)
                return true;
            ++i;
        }
    }
    return false;
}

} // namespace

std::string CleanJapaneseBlanks(const std::string& sentence) {
    if (!NeedsCleaning(sentence, kCodePageJapanese))
        return sentence;
    std::vector<Piece> all = SplitCharacters(sentence, kCodePageJapanese);
    // A run of blanks keeps its first blank.
    std::vector<Piece> pieces;
    for (const Piece& p : all)
        if (!(p.blank && !pieces.empty() && pieces.back().blank))
            pieces.push_back(p);
    std::string result;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        if (p.blank) {
            bool last = i + 1 == pieces.size();
            bool wordBefore = i > 0 && IsJapaneseWordCharacter(sentence, pieces[i - 1]);
            bool wordAfter = !last && IsJapaneseWordCharacter(sentence, pieces[i + 1]);
            if (last || (!wordBefore && !wordAfter))
                continue;
        }
        result.append(sentence, p.offset, p.length);
    }
    return result;
}

std::string CleanChineseBlanks(const std::string& sentence, unsigned codePage, int spaceCutFlag, int spaceCutLength) {
    if (spaceCutFlag == 1)
        return sentence;
    if (!NeedsCleaning(sentence, codePage))
        return sentence;
    const size_t limit = spaceCutFlag == 0 ? 999999 : size_t(spaceCutLength < 0 ? 0 : spaceCutLength);
    std::vector<Piece> pieces = SplitCharacters(sentence, codePage);

    // For every character, the run of non-blanks it belongs to: its length and whether it holds
    // a double-byte character.
    struct Run {
        size_t characters = 0;
        bool hasDouble = false;
    };
    std::vector<Run> runOf(pieces.size());
    for (size_t i = 0; i < pieces.size();) {
        if (pieces[i].blank) {
            ++i;
            continue;
        }
        size_t end = i;
        Run run;
        for (; end < pieces.size() && !pieces[end].blank; ++end) {
            ++run.characters;
            run.hasDouble = run.hasDouble || pieces[end].length == 2;
        }
        for (size_t k = i; k < end; ++k)
            runOf[k] = run;
        i = end;
    }
    auto shortChinese = [&](const Run& r) { return r.characters <= limit; };

    std::string result;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece& p = pieces[i];
        bool remove = false;
        if (p.blank && i > 0 && !pieces[i - 1].blank) {
            bool last = i + 1 == pieces.size();
            if (last) {
                remove = shortChinese(runOf[i - 1]) && runOf[i - 1].hasDouble;
            } else if (!pieces[i + 1].blank) {
                const Run& before = runOf[i - 1];
                const Run& after = runOf[i + 1];
                remove = shortChinese(before) && shortChinese(after) && (before.hasDouble || after.hasDouble);
            }
        }
        if (!remove)
            result.append(sentence, p.offset, p.length);
    }
    // A lead byte left without its trail byte at the end is no character.
    std::vector<Piece> kept = SplitCharacters(result, codePage);
    if (!kept.empty() && kept.back().length == 1 &&
        IsLeadByte(codePage, static_cast<unsigned char>(result.back())))
        result.pop_back();
    return result;
}
