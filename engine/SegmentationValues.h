// The segmentation values of one translation direction, as its settings section holds them.
#pragma once

#include <cstdint>

// Translation direction, as the view's source language: 0 Japanese, 1 Chinese.
enum TransDirection : int32_t { kJapaneseToChinese = 0, kChineseToJapanese = 1 };

struct SegmentationValues {
    int32_t periodOnly = 0;
    int32_t questionMark = 0;
    int32_t exclamationMark = 0;
    int32_t semicolonMark = 0;
    int32_t colonMark = 0;
    int32_t commaMark = 0;  // Chinese to Japanese only
    int32_t dashMark = 0;   // Chinese to Japanese only
    int32_t omitMark = 0;   // Chinese to Japanese only
    int32_t transHomo = 0;  // Chinese to Japanese only
    int32_t lineFlag = 0;
    int32_t lineLength = 0;
    int32_t spaceCutFlag = 0;
    int32_t spaceCutLength = 0;
};

// The values segmentation works with in a direction: that direction's own, except the marks only
// Chinese text has (comma, dash, ellipsis), which always come from the Chinese settings.
inline SegmentationValues CurrentSegmentation(TransDirection direction, const SegmentationValues& japanese,
                                              const SegmentationValues& chinese) {
    SegmentationValues current = direction == kChineseToJapanese ? chinese : japanese;
    current.commaMark = chinese.commaMark;
    current.dashMark = chinese.dashMark;
    current.omitMark = chinese.omitMark;
    return current;
}
