// Segmentation throughput on 10 MB of Japanese and of Chinese text, beside iconv converting the
// same bytes to UTF-16.
#include "BenchTiming.h"
#include "CodePages.h"
#include "SentenceSegmenter.h"


#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const size_t kTextBytes = 10 * 1024 * 1024;

std::string Repeat(const std::string& paragraph) {
    std::string text;
    text.reserve(kTextBytes + paragraph.size());
    while (text.size() < kTextBytes)
        text += paragraph;
    return text;
}

void Measure(const char* name, const std::string& text, unsigned codePage, TransDirection direction,
             const char* iconvName) {
    SegmentationValues v;
    v.periodOnly = v.questionMark = v.exclamationMark = 1;
    v.lineFlag = 2;
    v.lineLength = 36;
    v.spaceCutFlag = direction == kChineseToJapanese ? 2 : 0;
    v.spaceCutLength = 1;
    // The best of three runs of each, so that neither pays alone for a cold start.
    size_t sentences = 0, consumed = 0;
    double segmentation = 0, firstRun = 0;
    for (int run = 0; run < 3; ++run) {
        consumed = 0;
        double seconds = Seconds([&] {
            SegmentationResult r = SegmentText(reinterpret_cast<const unsigned char*>(text.data()), text.size(),
                                               kFormMultibyte, codePage, direction, v, SystemCodePages());
            sentences = r.segments.size();
            for (const Segment& s : r.segments)
                consumed += s.separator.size() + s.sentence.size();
        });
        if (run == 0)
            firstRun = seconds;
        segmentation = run == 0 ? seconds : std::min(segmentation, seconds);
    }
    // Reading stops at the sentence limit; compare like with like.
    std::string read = text.substr(0, consumed);
    double conversion = IconvSeconds(read.data(), read.size(), iconvName);
    for (int run = 1; run < 3; ++run)
        conversion = std::min(conversion, IconvSeconds(read.data(), read.size(), iconvName));
    double mb = double(read.size()) / (1024 * 1024);
    std::printf("%-28s %8.1f MB/s segmentation (first run %.1f; %zu sentences, %.1f MB), %8.1f MB/s iconv to "
                "UTF-16, ratio %.2f\n",
                name, mb / segmentation, mb / firstRun, sentences, mb, mb / conversion, conversion / segmentation);
}

} // namespace

int main() {
    // Sentences of about a hundred bytes, so that 10 MB stay within the sentence limit; Chinese
    // prose has a short question here and there.
    std::u16string japanese = u"吾輩はここで始めて人間というものを見た、しかもあとで聞くとそれは書生という人間中で一番獰悪な種族であったそうだ。\r\n"
                              u"何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。\r\n\r\n";
    std::u16string chinese = u"我们今天去公园散步，天气很好，路上遇到了很多老朋友，大家一起聊了很久，直到太阳下山才回家吃晚饭。"
                             u"你去过北京吗？我很喜欢那里的烤鸭，每次去都要吃上好几顿，还要带一些回来送给朋友和家里的老人尝一尝！\r\n"
                             u"他说：“公园里的花开得正好，湖边的柳树也绿了，很多人都带着孩子出来玩，我们明天再来吧。”\r\n\r\n";
    Measure("Shift-JIS, Japanese source", Repeat(SystemCodePages().FromUtf16(japanese, 932)), 932,
            kJapaneseToChinese, "CP932");
    Measure("GB2312, Chinese source", Repeat(SystemCodePages().FromUtf16(chinese, 936)), 936, kChineseToJapanese,
            "CP936");
    return 0;
}
