// Cutting text pasted into the source pane into one piece per sentence.
#pragma once

#include "SegmentationValues.h"

#include <cstddef>
#include <string>

constexpr size_t kMaxPieceBytes = 32767;

// Both splitters take the piece that starts at position and move position to the start of the
// next one; position 0 afterwards means the text is used up.

// Japanese source text. code: 0 Shift-JIS, 1 GB2312, 2 Big5 (anything else counts as 0).
std::string TakeSimplePiece(const std::string& text, size_t& position, int code, const SegmentationValues& values);

// Chinese source text in codePage (936 or 950), with the blank rule applied to the piece.
std::string TakeChinesePiece(const std::string& text, size_t& position, unsigned codePage,
                             const SegmentationValues& values);
