// The segmentation the editor opens a text file with when nothing was changed in its settings,
// for the benchmarks that load or segment as the editor does.
#pragma once

#include "TextFileReader.h"

inline SegmentationValues EditorSegmentation(bool chinese) {
    SegmentationValues v;
    v.periodOnly = v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = chinese ? 2 : 0;
    v.spaceCutLength = 1;
    return v;
}

inline TextReadRequest EditorReadRequest(TransDirection direction) {
    TextReadRequest request;
    request.direction = direction;
    request.japaneseValues = EditorSegmentation(false);
    request.chineseValues = EditorSegmentation(true);
    return request;
}
