// Line breaking of one pane's text: where each wrapped line starts.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

constexpr int kLineStartEntries = 1024;
// At most this many lines of one text are counted, laid out and drawn.
constexpr int kMaxTextLines = kLineStartEntries - 1;

// Entry k: the byte offset where line k begins; the last entry holds the text length.
using LineStartTable = std::array<int32_t, kLineStartEntries>;

enum class LineBreaking {
    ByCharacter,     // Japanese and Chinese: any character may start a line
    AfterLastBlank,  // pinyin: a line ends after its last blank when it has one
};

// What line breaking asks of the platform: the width of one character in the font in use.
class CTextMeasurer {
public:
    // bytes holds one character of the code page, one or two bytes long.
    virtual int CharWidth(unsigned codePage, const char* bytes, int count) = 0;

protected:
    ~CTextMeasurer() = default;
};

// Fills the table for the text wrapped to width and returns its line count (0 for an empty
// text, at most kMaxTextLines). A line feed ends a line; other bytes below 0x20 take no room;
// a lead byte that is the text's last byte ends the walk.
int CountLines(std::string_view text, int width, CTextMeasurer& measurer, unsigned codePage, LineBreaking breaking,
               LineStartTable& starts);

// The byte offset where line k ends (before the next line's start) for a count from CountLines.
inline int LineEnd(const LineStartTable& starts, int lines, int k) {
    return k + 1 < lines ? starts[size_t(k + 1)] : starts[kLineStartEntries - 1];
}
