// Layout cost of the editor view per page for a document of 99,999 sentences beside one of 100,
// over a fixed-width measurer: opening, page down, line down and thumb jumps lay out only the rows
// in sight, so the figures must not grow with the document's length.
#include "CodePages.h"
#include "LineBreaker.h"
#include "RowLayout.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

class CFixedWidthMeasurer : public CTextMeasurer {
public:
    int CharWidth(unsigned, const char*, int count) override { return count == 2 ? 16 : 8; }
};

// Sentences of 10 to 70 two-byte characters, different for neighbouring sentences.
class CBenchDocument : public CRowMeasure {
public:
    explicit CBenchDocument(int count) : m_count(count) {
        for (int length = 10; length <= 70; ++length) {
            std::string text;
            for (int i = 0; i < length; ++i)
                text += "\x88\x9F";  // a kanji in Shift-JIS
            m_texts.push_back(text);
        }
    }
    int SentenceCount() const override { return m_count; }
    int PaneLines(int sentence, int pane, int width) override {
        ++measured;
        const std::string& text = m_texts[size_t((sentence * 7 + pane * 13) % int(m_texts.size()))];
        return CountLines(text, width, m_measurer, kCodePageJapanese, LineBreaking::ByCharacter, m_starts);
    }
    long measured = 0;

private:
    int m_count;
    std::vector<std::string> m_texts;
    CFixedWidthMeasurer m_measurer;
    LineStartTable m_starts{};
};

using Clock = std::chrono::steady_clock;

struct Figures {
    double openUs, pageDownUs, lineDownUs, thumbUs;
    double rowsMeasuredPerPage;
};

template <typename F>
double MicrosecondsEach(int times, F&& step) {
    auto start = Clock::now();
    for (int i = 0; i < times; ++i)
        step(i);
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / times;
}

Figures Measure(int sentences) {
    CBenchDocument document(sentences);
    CRowLayout layout(document);
    const int heights[3] = {18, 18, 18};
    layout.SetLineHeights(heights, 18);
    layout.SetPaneWidth(400);  // 25 characters a line
    layout.SetClientHeight(900);
    Figures f = {};
    const int rounds = 2000;
    f.openUs = MicrosecondsEach(rounds, [&](int) {
        layout.Reset();
        layout.Restack();
        layout.ScrollBar();
    });
    // Every round starts again at the top with nothing laid out, so that each page lays out the
    // rows it shows in the short document as in the long one.
    const int pages = 5;  // the short document holds about six pages
    long before = document.measured;
    f.pageDownUs = MicrosecondsEach(rounds, [&](int i) {
        if (i % pages == 0) {
            layout.MarkAllForLayout();
            layout.SetTop(0, 0);
        }
        layout.PageDown();
        layout.ScrollBar();
    });
    f.rowsMeasuredPerPage = double(document.measured - before) / rounds / 2;
    f.lineDownUs = MicrosecondsEach(rounds, [&](int i) {
        if (i % 200 == 0) {
            layout.MarkAllForLayout();
            layout.SetTop(0, 0);
        }
        layout.LineDown(0);
        layout.ScrollBar();
    });
    ScrollBarState bar = layout.ScrollBar();
    f.thumbUs = MicrosecondsEach(rounds, [&](int i) {
        layout.MarkAllForLayout();
        layout.ThumbReleased(i % 2 ? bar.maximum : bar.maximum / 2);
        layout.ScrollBar();
    });
    return f;
}

} // namespace

int main() {
    std::printf("view layout, fixed-width measurer, pane 400 px, window 900 px, two panes; each step lays out\n"
                "the rows it shows from scratch (thumb: to the middle or the end)\n");
    std::printf("%10s %12s %14s %14s %12s %16s\n", "sentences", "open us", "page down us", "line down us",
                "thumb us", "rows laid/page");
    for (int sentences : {100, 1000, 10000, 99999}) {
        Figures f = Measure(sentences);
        std::printf("%10d %12.2f %14.2f %14.2f %12.2f %16.1f\n", sentences, f.openUs, f.pageDownUs, f.lineDownUs,
                    f.thumbUs, f.rowsMeasuredPerPage);
    }
    return 0;
}
