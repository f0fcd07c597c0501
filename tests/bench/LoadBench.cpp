// Detecting and loading a 10 MB Shift-JIS file and a 10 MB UTF-8 Chinese file into the document,
// beside iconv converting the same bytes to UTF-16.
#include "BenchTiming.h"
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
    TextReadRequest request;
    request.direction = direction;
    SegmentationValues v;
    v.periodOnly = v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    request.japaneseValues = v;
    v.spaceCutFlag = 2;
    v.spaceCutLength = 1;
    request.chineseValues = v;

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
    // Sentences of about a hundred bytes: 10 MB make the limit of 99,999 sentences.
    std::u16string japanese = u"吾輩はここで始めて人間というものを見た、しかもあとで聞くとそれは書生という人間中で一番獰悪な種族であったそうだ。\r\n"
                              u"何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している、と吾輩は思うのである。\r\n";
    std::u16string chinese = u"我们今天去公园散步，天气很好，路上遇到了很多老朋友。"
                             u"你去过北京吗？我很喜欢那里的烤鸭，每次去都要吃上好几顿！\r\n"
                             u"他说：“明天见。”然后就走了。\r\n";
    Measure("Shift-JIS, Japanese", Repeat(SystemCodePages().FromUtf16(japanese, 932)), kJapaneseToChinese, "CP932");
    Measure("UTF-8, simplified Chinese", Repeat(EncodeUtf8(chinese)), kChineseToJapanese, "UTF-8");
    return 0;
}
