// Throughput of the Hanvell and simplified/traditional conversions on 10 MB of Chinese text,
// beside iconv turning the same GB2312 bytes into UTF-16.
#include "CharacterTables.h"
#include "HanswapCore.h"
#include "HanvellText.h"
#include "TableFiles.h"

#include <iconv.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr size_t kTextBytes = 10 * 1024 * 1024;

// GB2312 hanzi in code order, with punctuation, a few ASCII words and line ends among them.
std::string MakeGbText() {
    std::string text;
    text.reserve(kTextBytes + 64);
    int lead = 0xB0, trail = 0xA1, count = 0;
    while (text.size() < kTextBytes) {
        text += static_cast<char>(lead);
        text += static_cast<char>(trail);
        if (++trail > 0xFE || (lead == 0xD7 && trail > 0xF9)) {
            trail = 0xA1;
            lead = lead == 0xF7 ? 0xB0 : lead + 1;
        }
        ++count;
        if (count % 17 == 0) {
            text += "\xA3\xAC"; // ，
        }
        if (count % 41 == 0) {
            text += "\xA1\xA3 GB2312\r\n"; // 。
        }
    }
    text.resize(kTextBytes & ~size_t(1));
    return text;
}

// Best of three runs; prepare runs untimed before each.
double MegabytesPerSecond(size_t bytes, const std::function<void()>& prepare,
                          const std::function<void()>& run) {
    double best = 1e30;
    for (int i = 0; i < 3; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return static_cast<double>(bytes) / (1024.0 * 1024.0) / best;
}

size_t IconvToUtf16(const std::string& gb, std::vector<char>& out) {
    iconv_t cd = iconv_open("UTF-16LE", "GB2312");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return 0;
    }
    char* in = const_cast<char*>(gb.data());
    size_t inLeft = gb.size();
    char* to = out.data();
    size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &to, &outLeft);
    iconv_close(cd);
    return out.size() - outLeft;
}

} // namespace

int main() {
    const CCharacterTables& tables = GeneratedTables();
    if (!tables.IsLoaded()) {
        std::fprintf(stderr, "conversion tables missing in %s\n", TWIN_CVDATA_DIR);
        return 1;
    }
    const std::string gb = MakeGbText();
    std::string big5 = gb;
    ConvertGbToBig5(big5.data());
    const std::string hanvell = GbTextToSimplifiedHanvell(gb.c_str());

    std::string work;
    std::string result;
    std::vector<char> utf16(gb.size() * 2 + 16);
    size_t utf16Bytes = 0;
    const auto none = [] {};
    struct Figure {
        const char* what;
        double rate;
    };
    const Figure figures[] = {
        {"GB2312 -> simplified Hanvell",
         MegabytesPerSecond(gb.size(), none,
                            [&] { result = GbTextToSimplifiedHanvell(gb.c_str()); })},
        {"simplified Hanvell -> GB2312",
         MegabytesPerSecond(hanvell.size(), none,
                            [&] { result = SimplifiedHanvellTextToGb(hanvell.c_str()); })},
        {"Big5 -> traditional Hanvell",
         MegabytesPerSecond(
             big5.size(), [&] { work = big5; },
             [&] { Big5TextToTraditionalHanvell(tables, work.data()); })},
        {"GBToBig5", MegabytesPerSecond(
                         gb.size(), [&] { work = gb; }, [&] { ConvertGbToBig5(work.data()); })},
        {"iconv GB2312 -> UTF-16",
         MegabytesPerSecond(gb.size(), none, [&] { utf16Bytes = IconvToUtf16(gb, utf16); })},
    };
    std::printf("conversions of %.1f MB of GB2312 text (Big5 and Hanvell forms of it), "
                "best of 3 runs\n",
                gb.size() / (1024.0 * 1024.0));
    const double iconvRate = figures[4].rate;
    for (const Figure& figure : figures) {
        std::printf("  %-30s %8.1f MB/s  %5.2f x iconv\n", figure.what, figure.rate,
                    figure.rate / iconvRate);
    }
    if (utf16Bytes == 0) {
        std::printf("  (iconv converted nothing)\n");
    }
    return 0;
}
