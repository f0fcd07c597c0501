// Fuzz target: any bytes in any form and code page are segmented and split within the limits.
#include "CodePages.h"
#include "PasteSplitters.h"
#include "SentenceSegmenter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 4)
        return 0;
    // The first bytes choose the settings; the rest is the text.
    const unsigned codePages[] = {kCodePageJapanese, kCodePageSimplified, kCodePageTraditional};
    unsigned codePage = codePages[data[0] % 3];
    int form = data[0] / 3 % 3;
    TransDirection direction = codePage == kCodePageJapanese ? kJapaneseToChinese : kChineseToJapanese;
    SegmentationValues v;
    v.periodOnly = data[1] % 3;
    v.questionMark = data[1] >> 2 & 1;
    v.exclamationMark = data[1] >> 3 & 1;
    v.semicolonMark = data[1] >> 4 & 1;
    v.colonMark = data[1] >> 5 & 1;
    v.commaMark = data[1] >> 6 & 1;
    v.dashMark = data[1] >> 7 & 1;
    v.omitMark = data[2] & 1;
    v.lineFlag = data[2] >> 1 & 3;
    v.lineLength = data[2] >> 3;
    v.spaceCutFlag = data[3] % 3;
    v.spaceCutLength = data[3] >> 2;
    const uint8_t* text = data + 4;
    size_t length = size - 4;

    SegmentationResult result = SegmentText(text, length, form, codePage, direction, v, SystemCodePages());
    // A text that starts with a zero byte is left to the bilingual reader.
    Require(!result.segments.empty() || result.end == SegmentationEnd::BilingualFile);
    Require(result.segments.size() < size_t(kMaxReadSentences));
    for (const Segment& s : result.segments) {
        Require(s.separator.size() <= kMaxSegmentBytes);
        Require(s.sentence.size() <= kMaxSegmentBytes + 1);
        Require(!s.sentence.empty() || result.segments.size() == 1);
    }

    std::string bytes(reinterpret_cast<const char*>(text), length);
    size_t position = 0;
    for (int pieces = 0; pieces < 100000; ++pieces) {
        std::string piece = direction == kJapaneseToChinese ? TakeSimplePiece(bytes, position, data[3] % 4, v)
                                                            : TakeChinesePiece(bytes, position, codePage, v);
        Require(piece.size() <= kMaxPieceBytes);
        Require(position <= bytes.size());
        if (position == 0)
            break;
    }
    return 0;
}
