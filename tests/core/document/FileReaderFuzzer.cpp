// Fuzz target: any file is detected and read in any forced code, and as a line-per-sentence file,
// into a document that keeps its invariants.
#include "EncodingDetector.h"
#include "TableFiles.h"
#include "TextCodes.h"
#include "TextFileReader.h"
#include "WXBDocData.h"

#include <cstdint>
#include <cstdlib>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void RequireSound(const CWXBDocData& document) {
    Require(document.SentenceCount() >= 1 && document.SentenceCount() <= kMaxSentences);
    for (int i = 0; i < document.SentenceCount(); ++i)
        Require(document.Separator(i).size() <= kMaxSegmentBytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    // The first byte chooses the request; the rest is the file.
    FileBytes file(data + 1, data + size);
    int32_t answer = DetectEncoding(file.data(), file.size(), SystemCodePages());
    Require(answer == 0 || TextCodeOfAnswer(answer) != 0);

    TextReadRequest request;
    request.inputIndex = data[0] % kTextCodeCount;
    request.unicodeForm = UnicodeFormOfIndex(request.inputIndex);
    request.chineseScript = data[0] >> 4 & 1;
    request.autoFileCheck = data[0] >> 5 & 1;
    request.direction = data[0] >> 6 & 1 ? kChineseToJapanese : kJapaneseToChinese;
    CWXBDocData document;
    TextReadOutcome outcome = ReadTextFile(file, request, SystemCodePages(), GeneratedTables(), document);
    Require(outcome.end == SegmentationEnd::BilingualFile || IndexOfTextCode(outcome.textCode) != 0 ||
            outcome.textCode == 0);
    RequireSound(document);

    CWXBDocData lines;
    ReadLinePerSentenceFile(file, request.direction, request.autoFileCheck, lines);
    RequireSound(lines);
    return 0;
}
