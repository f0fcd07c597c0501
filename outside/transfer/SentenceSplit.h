// A source text cut into sentences by the segmentation values of the configuration, as the
// editor cuts a file: a text handed over in one piece (other programs' requests) is translated
// sentence by sentence, wrapped lines joined and blanks cleaned as the values say.
#pragma once

#include "EngineRecords.h"
#include "SegmentationValues.h"

#include <cstddef>
#include <string>
#include <vector>

namespace transfer {

// The values the engine works with before its first configuration: the settings' defaults.
SegmentationValues DefaultSegmentation(TransDirection direction);
// The values of a configuration record; the fields a direction's record leaves 0 stay 0.
SegmentationValues SegmentationOf(const TransConfig& config);

struct TextSpan {
    size_t start = 0;   // in SplitText::text
    size_t length = 0;
    bool sentence = true;  // false: line breaks and blanks between sentences, carried over
};

struct SplitText {
    std::u16string text;        // the source without joined line breaks and cleaned blanks
    std::vector<size_t> origin;  // each character's place in the source, and the source's length
    std::vector<TextSpan> spans;

    // The source characters of text's [start, start + length).
    size_t SourceStart(size_t start) const { return origin[start]; }
    size_t SourceLength(size_t start, size_t length) const {
        return length == 0 ? 0 : origin[start + length - 1] + 1 - origin[start];
    }
};

// Spans cover text in order. Marked spans "[[" … "]]" are never cut.
SplitText SplitSentences(const std::u16string& source, TransDirection direction,
                         const SegmentationValues& values);
// The same into out, whose buffers are kept.
void SplitSentences(const std::u16string& source, TransDirection direction, const SegmentationValues& values,
                    SplitText& out);

} // namespace transfer
