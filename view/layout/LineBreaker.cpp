// Line breaking of one pane's text: where each wrapped line starts.
#include "LineBreaker.h"

#include "CodePages.h"

namespace {

const unsigned char kBlank = 0x20;

class CLineCounter {
public:
    explicit CLineCounter(LineStartTable& starts) : m_starts(starts) { m_starts[0] = 0; }

    void StartLine(int offset) {
        ++m_lines;
        if (m_lines < kLineStartEntries)
            m_starts[size_t(m_lines)] = offset;
    }
    int Lines() const { return m_lines; }

private:
    LineStartTable& m_starts;
    int m_lines = 0;  // lines finished so far; the current one is m_lines
};

} // namespace

int CountLines(std::string_view text, int width, CTextMeasurer& measurer, unsigned codePage, LineBreaking breaking,
               LineStartTable& starts) {
    CLineCounter counter(starts);
    const int length = int(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    int lineWidth = 0;
    int lastBlank = -1;       // offset of the last blank on the current line
    int widthAfterBlank = 0;  // width of the characters after it
    int pos = 0;
    while (pos < length) {
        unsigned char b = bytes[pos];
        if (b == 0x0A) {
            counter.StartLine(pos + 1);
            lineWidth = 0;
            lastBlank = -1;
            ++pos;
            continue;
        }
        if (b < 0x20) {
            ++pos;
            continue;
        }
        int count = 1;
        if (IsLeadByte(codePage, b)) {
            if (pos + 1 >= length)
                break;
            count = 2;
        }
        int w = measurer.CharWidth(codePage, text.data() + pos, count);
        // A character wider than the pane stays on a line of its own rather than leaving an empty one.
        if (lineWidth + w > width && lineWidth > 0) {
            if (breaking == LineBreaking::AfterLastBlank && b == kBlank) {
                // The blank at the break ends this line and is not carried to the next.
                counter.StartLine(pos + 1);
                lineWidth = 0;
                lastBlank = -1;
                pos += count;
                continue;
            }
            if (breaking == LineBreaking::AfterLastBlank && lastBlank >= 0) {
                counter.StartLine(lastBlank + 1);
                lineWidth = widthAfterBlank + w;
                widthAfterBlank = lineWidth;
                lastBlank = -1;
                pos += count;
                continue;
            }
            counter.StartLine(pos);
            lineWidth = w;
            lastBlank = -1;
        } else {
            lineWidth += w;
        }
        if (b == kBlank) {
            lastBlank = pos;
            widthAfterBlank = 0;
        } else {
            widthAfterBlank += w;
        }
        pos += count;
    }
    int lines = length > 0 ? counter.Lines() + 1 : 0;
    starts[kLineStartEntries - 1] = length;
    return lines > kMaxTextLines ? kMaxTextLines : lines;
}
