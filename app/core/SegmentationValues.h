// The segmentation and engine values of one translation direction.
#pragma once

struct SegmentationValues {
    int periodOnly = 1;
    int questionMark = 1;
    int exclamationMark = 1;
    int semicolonMark = 0;
    int colonMark = 0;
    int commaMark = 0;  // Chinese to Japanese only
    int dashMark = 0;   // Chinese to Japanese only
    int omitMark = 0;   // Chinese to Japanese only
    int transHomo = 1;  // Chinese to Japanese only
    int lineFlag = 2;
    int lineLength = 36;
    int spaceCutFlag = 0;
    int spaceCutLength = 1;
};

enum TransDirection { kJapaneseToChinese = 0, kChineseToJapanese = 1 };
