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
