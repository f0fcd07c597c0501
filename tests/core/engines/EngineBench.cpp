// The engines measured: sentences per second in each direction, load time and memory of the
// system dictionaries, coverage, and chrF against human translations.
//
// engine_bench [--system FOLDER] [MEASUREMENT_SET...]       the report, for each set
// engine_bench [--system FOLDER] translate jc|cj [CODEPAGE]  UTF-8 lines from standard input
// engine_bench [--system FOLDER] prose                       only the 99,999-sentence documents
// FOLDER defaults to SYSTEMDIC beside the program.
#include "../../bench/ProseParagraphs.h"
#include "ChrF.h"
#include "EngineText.h"
#include "SegmentationBaseline.h"
#include "TransferEngine.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

using transfer::CTransferEngine;

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

struct Pair {
    std::string japanese, chinese;  // UTF-8
};

std::vector<Pair> ReadSet(const std::string& path) {
    std::vector<Pair> pairs;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const size_t a = line.find('\t'), b = line.find('\t', a + 1);
        if (a == std::string::npos || b == std::string::npos)
            continue;
        pairs.push_back({line.substr(a + 1, b - a - 1), line.substr(b + 1)});
    }
    return pairs;
}

// Sentences of a paragraph, cut after 。！？ as the editor's segmentation would.
std::vector<std::string> Sentences(const std::vector<std::string>& paragraphs) {
    std::vector<std::string> out;
    for (const std::string& p : paragraphs) {
        const std::u16string t = Utf16FromUtf8(p);
        size_t start = 0;
        for (size_t i = 0; i < t.size(); ++i) {
            if (t[i] == u'。' || t[i] == u'！' || t[i] == u'？' || i + 1 == t.size()) {
                out.push_back(Utf8FromUtf16(t.substr(start, i + 1 - start)));
                start = i + 1;
            }
        }
    }
    return out;
}

long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

std::string Translate(CTransferEngine& engine, TransDirection direction, const std::string& utf8,
                      int32_t chineseCodePage = transfer::kGb2312) {
    const int32_t from = direction == kJapaneseToChinese ? int32_t(transfer::kShiftJis) : chineseCodePage;
    const int32_t to = direction == kJapaneseToChinese ? chineseCodePage : int32_t(transfer::kShiftJis);
    transfer::TargetText target;
    engine.Translate(TransMode{0, from, to, 1}, ToCodePage(engine.Tables(), from, utf8), target);
    return FromCodePage(engine.Tables(), to, target.bytes);
}

int TranslateLines(const std::string& folder, const std::string& direction, int32_t codePage) {
    const TransDirection d = direction == "cj" ? kChineseToJapanese : kJapaneseToChinese;
    CTransferEngine engine(d, folder);
    if (!engine.EnsureLoaded()) {
        std::fprintf(stderr, "no system dictionary in %s\n", folder.c_str());
        return 1;
    }
    std::string line;
    while (std::getline(std::cin, line))
        std::cout << Translate(engine, d, line, codePage) << "\n";
    return 0;
}

// The yardsticks: kanji converted, kana dropped (JC); characters converted to kanji (CJ).
std::string Yardstick(CTransferEngine& engine, TransDirection direction, const std::string& utf8) {
    const transfer::CCharacterTables& t = engine.Tables();
    std::u16string out;
    for (char16_t c : Utf16FromUtf8(utf8)) {
        if (direction == kJapaneseToChinese) {
            if (transfer::IsKanji(c))
                out.push_back(t.Map(transfer::CharMap::JapaneseToSimplified, c));
            else if (!transfer::IsHiragana(c) && !transfer::IsKatakana(c))
                out.push_back(c);
        } else {
            out.push_back(transfer::IsKanji(c) ? t.Map(transfer::CharMap::SimplifiedToJapanese, c) : c);
        }
    }
    return Utf8FromUtf16(out);
}

void Report(const std::string& folder, const std::string& setPath) {
    const std::vector<Pair> set = ReadSet(setPath);
    std::printf("Measurement set: %s, %zu paragraph pairs\n\n", setPath.c_str(), set.size());
    const long before = ResidentKilobytes();
    for (TransDirection d : {kJapaneseToChinese, kChineseToJapanese}) {
        const char* name = d == kJapaneseToChinese ? "Japanese to Chinese" : "Chinese to Japanese";
        const long rssBefore = ResidentKilobytes();
        const Clock::time_point loadStart = Clock::now();
        CTransferEngine engine(d, folder);
        if (!engine.EnsureLoaded()) {
            std::printf("%s: no system dictionary in %s\n", name, folder.c_str());
            continue;
        }
        const double load = Seconds(loadStart);
        const long rssAfter = ResidentKilobytes();
        std::vector<std::string> sources, references;
        for (const Pair& p : set) {
            sources.push_back(d == kJapaneseToChinese ? p.japanese : p.chinese);
            references.push_back(d == kJapaneseToChinese ? p.chinese : p.japanese);
        }
        const std::vector<std::string> sentences = Sentences(sources);
        // Speed: the sentences over and over, each call a fresh translation.
        size_t translated = 0;
        const Clock::time_point runStart = Clock::now();
        std::vector<std::string> encoded;
        const int32_t from = d == kJapaneseToChinese ? int32_t(transfer::kShiftJis) : int32_t(transfer::kGb2312);
        for (const std::string& s : sentences)
            encoded.push_back(ToCodePage(engine.Tables(), from, s));
        while (Seconds(runStart) < 2.0) {
            for (const std::string& s : encoded) {
                transfer::TargetText target;
                engine.Translate(TransMode{0, from, d == kJapaneseToChinese ? 936 : 932, 1}, s, target);
                ++translated;
            }
        }
        const double rate = double(translated) / Seconds(runStart);
        CChrF score, yardstick;
        transfer::Coverage coverage;
        for (size_t i = 0; i < sources.size(); ++i) {
            score.Add(Utf16FromUtf8(Translate(engine, d, sources[i])), Utf16FromUtf8(references[i]));
            yardstick.Add(Utf16FromUtf8(Yardstick(engine, d, sources[i])), Utf16FromUtf8(references[i]));
            coverage += engine.Measure(TransMode{0, from, 0, 0}, ToCodePage(engine.Tables(), from, sources[i]));
        }
        std::printf("%s\n", name);
        std::printf("  system dictionary: %zu words, %.1f MB in files, loaded in %.0f ms, "
                    "%.1f MB in memory (resident +%.1f MB)\n",
                    engine.System().Words().EntryCount(), engine.System().FileBytes() / 1e6,
                    load * 1000, engine.System().Words().MemoryBytes() / 1e6,
                    (rssAfter - rssBefore) / 1024.0);
        std::printf("  speed: %.0f sentences per second (%zu sentences of the set); "
                    "99,999 sentences take %.1f s, %.0f times the load\n",
                    rate, sentences.size(), 99999 / rate, (99999 / rate) / load);
        const double counted = double(coverage.dictionary + coverage.grammar + coverage.converted +
                                      coverage.carried);
        std::printf("  coverage: %.1f %% by dictionary words, %.1f %% by the grammar table, "
                    "%.1f %% converted character by character, %.1f %% carried over "
                    "(of %.0f characters)\n",
                    100 * coverage.dictionary / counted, 100 * coverage.grammar / counted,
                    100 * coverage.converted / counted, 100 * coverage.carried / counted, counted);
        std::printf("  chrF: %.1f (yardstick %s: %.1f)\n\n", score.Score(),
                    d == kJapaneseToChinese ? "kanji converted, kana dropped" : "characters converted",
                    yardstick.Score());
    }
    (void)before;
}

// A document of ordinary prose at the editor's limit of 99,999 sentences (the editor's load
// benchmark's texts): loading and segmenting it as the editor does, against translating every
// sentence.
void ProseReport(const std::string& folder) {
    const size_t kTextBytes = 10 * 1024 * 1024;
    const std::u16string& japanese = kJapaneseProse;
    const std::u16string& chinese = kChineseProse;
    std::printf("Documents of 99,999 sentences of prose\n");
    for (TransDirection d : {kJapaneseToChinese, kChineseToJapanese}) {
        const bool ja = d == kJapaneseToChinese;
        const std::string paragraph = EncodeForSegmentation(ja ? japanese : chinese, ja);
        std::string text;
        while (text.size() + paragraph.size() <= kTextBytes)
            text += paragraph;
        const EditorLoad editorLoad = LoadLikeTheEditor(ja ? japanese : chinese, kTextBytes, ja);
        // The best of three runs of each, as the machine may be busy with other work.
        SegmentedText segmented = SegmentLikeTheEditor(text, ja);
        for (int k = 0; k < 2; ++k)
            segmented.seconds = std::min(segmented.seconds, SegmentLikeTheEditor(text, ja).seconds);
        const Clock::time_point loadStart = Clock::now();
        CTransferEngine engine(d, folder);
        if (!engine.EnsureLoaded()) {
            std::printf("no system dictionary in %s\n", folder.c_str());
            return;
        }
        const double load = Seconds(loadStart);
        const int32_t from = ja ? int32_t(transfer::kShiftJis) : int32_t(transfer::kGb2312);
        const TransMode mode{0, from, ja ? 936 : 932, 1};
        transfer::TargetText target;
        double run = 1e9;
        for (int k = 0; k < 3; ++k) {
            const Clock::time_point runStart = Clock::now();
            for (const std::string& s : segmented.sentences)
                engine.Translate(mode, s, target);
            run = std::min(run, Seconds(runStart));
        }
        // The ratio is taken to the warm load: the first one also builds the program's code-page
        // tables, which the editor has built long before a document is opened.
        std::printf("  %s: %zu sentences (%.1f MB) loaded by the editor in %.0f ms (%s, best of three; "
                    "%.0f ms the first time), segmented in %.0f ms; dictionary loaded in %.0f ms; "
                    "translated in %.0f ms, %.1f times the editor's load, %.1f times the segmentation, "
                    "%.1f times the dictionary load\n",
                    ja ? "Japanese to Chinese" : "Chinese to Japanese", segmented.sentences.size(),
                    text.size() / 1048576.0, editorLoad.warm * 1000, ja ? "Shift-JIS" : "UTF-8",
                    editorLoad.first * 1000, segmented.seconds * 1000, load * 1000, run * 1000,
                    run / editorLoad.warm, run / segmented.seconds, run / load);
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::string folder = SystemDicFolder(argv[0]);
    if (args.size() >= 2 && args[0] == "--system") {
        folder = args[1];
        args.erase(args.begin(), args.begin() + 2);
    }
    if (args.size() >= 2 && args[0] == "translate")
        return TranslateLines(folder, args[1], args.size() >= 3 ? std::atoi(args[2].c_str()) : transfer::kGb2312);
    if (!args.empty() && args[0] == "prose") {
        ProseReport(folder);
        return 0;
    }
    ProseReport(folder);
    if (args.empty())
        args.push_back("udhr-ja-zh.tsv");
    for (const std::string& set : args)
        Report(folder, set);
    return 0;
}
