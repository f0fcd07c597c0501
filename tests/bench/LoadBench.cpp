// Detecting and loading a 10 MB Shift-JIS file and a 10 MB UTF-8 Chinese file into the document,
// beside iconv converting the same bytes to UTF-16.
#include "BenchTiming.h"
#include "EditorReadRequest.h"
#include "ProseParagraphs.h"
#include "CodePages.h"
#include "EncodingDetector.h"
#include "TableFiles.h"
#include "TextFileReader.h"
#include "TextFileWriter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const size_t kFileBytes = 10 * 1024 * 1024;

std::string Repeat(const std::string& paragraph) {
    std::string text;
    text.reserve(kFileBytes + paragraph.size());
    while (text.size() + paragraph.size() <= kFileBytes)
        text += paragraph;
    return text;
}

void Measure(const char* name, const std::string& bytes, TransDirection direction, const char* iconvName) {
    FileBytes file(bytes.begin(), bytes.end());
    const TextReadRequest request = EditorReadRequest(direction);

    CWXBDocData document;
    TextReadOutcome outcome;
    double load = Seconds([&] { outcome = ReadTextFile(file, request, SystemCodePages(), GeneratedTables(), document); });
    double conversion = IconvSeconds(file.data(), file.size(), iconvName);
    std::printf("%-26s load %7.3f s (%d sentences, code %d, %.1f MB), iconv to UTF-16 %7.3f s, load/iconv %.1f\n",
                name, load, document.SentenceCount(), outcome.textCode, double(file.size()) / (1024 * 1024),
                conversion, load / conversion);
}

} // namespace

int main() {
    Measure("Shift-JIS, Japanese", Repeat(SystemCodePages().FromUtf16(kJapaneseProse, 932)), kJapaneseToChinese,
            "CP932");
    Measure("UTF-8, simplified Chinese", Repeat(EncodeUtf8(kChineseProse)), kChineseToJapanese, "UTF-8");
    return 0;
}
