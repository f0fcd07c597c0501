// The editor's segmentation of a text, timed, with the sentences it found, and its load of a
// document.
#include "SegmentationBaseline.h"

#include "../../bench/EditorReadRequest.h"
#include "CodePages.h"
#include "SentenceSegmenter.h"
#include "TableFiles.h"
#include "TextFileReader.h"
#include "TextFileWriter.h"

#include <algorithm>
#include <chrono>

SegmentedText SegmentLikeTheEditor(const std::string& bytes, bool japanese) {
    const SegmentationValues v = EditorSegmentation(!japanese);
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

EditorLoad LoadLikeTheEditor(const std::u16string& paragraph, size_t bytes, bool japanese) {
    const std::string encoded = japanese ? SystemCodePages().FromUtf16(paragraph, 932) : EncodeUtf8(paragraph);
    std::string text;
    text.reserve(bytes + encoded.size());
    while (text.size() + encoded.size() <= bytes)
        text += encoded;
    const FileBytes file(text.begin(), text.end());
    const TextReadRequest request = EditorReadRequest(japanese ? kJapaneseToChinese : kChineseToJapanese);
    EditorLoad out;
    out.warm = 1e9;
    for (int k = 0; k < 4; ++k) {
        CWXBDocData document;
        const auto start = std::chrono::steady_clock::now();
        ReadTextFile(file, request, SystemCodePages(), GeneratedTables(), document);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (k == 0)
            out.first = seconds;
        else
            out.warm = std::min(out.warm, seconds);
    }
    return out;
}
