// The editor's segmentation of a text, timed, with the sentences it found.
#include "SegmentationBaseline.h"

#include "CodePages.h"
#include "SentenceSegmenter.h"

#include <chrono>

SegmentedText SegmentLikeTheEditor(const std::string& bytes, bool japanese) {
    SegmentationValues v;
    v.periodOnly = v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = japanese ? 0 : 2;
    v.spaceCutLength = 1;
    const unsigned codePage = japanese ? 932 : 936;
    SegmentedText out;
    const auto start = std::chrono::steady_clock::now();
    const SegmentationResult r =
        SegmentText(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), kFormMultibyte,
                    codePage, japanese ? kJapaneseToChinese : kChineseToJapanese, v, SystemCodePages());
    out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out.sentences.reserve(r.segments.size());
    for (const Segment& s : r.segments)
        out.sentences.push_back(s.sentence);
    return out;
}

std::string EncodeForSegmentation(const std::u16string& text, bool japanese) {
    return SystemCodePages().FromUtf16(text, japanese ? 932 : 936);
}
