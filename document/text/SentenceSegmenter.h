// Cuts a plain text into separators and sentences under the segmentation values of the direction.
#pragma once

#include "CharacterReader.h"
#include "SegmentationValues.h"

#include <string>
#include <vector>

constexpr size_t kMaxSegmentBytes = 512;
constexpr int kMaxReadSentences = 99999;

struct Segment {
    std::string separator;  // line breaks as "\r\n", blanks and full-width blanks before the sentence
    std::string sentence;
};

enum class SegmentationEnd {
    Done,
    BilingualFile,  // the text starts with a zero byte: it is no plain text
    TooManySentences,  // the last sentence was dropped; the user is to be told
};

struct SegmentationResult {
    SegmentationEnd end = SegmentationEnd::Done;
    std::vector<Segment> segments;  // at least one (an empty one for a text without sentences)
    int previousLineLength = 0;
};

// The text in its file form; codePage is the source language's (932 for Japanese to Chinese,
// 936 or 950 for Chinese to Japanese).
SegmentationResult SegmentText(const unsigned char* data, size_t size, int form, unsigned codePage,
                               TransDirection direction, const SegmentationValues& values,
                               const CCodePages& codePages);
