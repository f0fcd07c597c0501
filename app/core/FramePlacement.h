// Where the main frame opens: the stored normal rectangle when it is big enough, else a default.
#pragma once

#include <optional>
#include <string_view>

struct FramePosition {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const FramePosition& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct FrameMetrics {
    int dialogBaseX = 8, dialogBaseY = 16;  // dialog base units in pixels
    int verticalScrollWidth = 16;
    int frameWidth = 4;
    int screenWidth = 1024, screenHeight = 768;
};

// "left,top,right,bottom"; nothing when the text is not four integers.
std::optional<FramePosition> ParseFrameRect(std::string_view text);

// The stored rectangle when it is at least 30 by 15 dialog base units, otherwise the default
// at (0, 0): 80 base units plus a scroll bar and four frame widths wide (at most the screen),
// nine tenths of the screen high.
FramePosition ChooseFrameRect(const std::optional<FramePosition>& stored, const FrameMetrics& metrics);

// The show state for a frame asked to show normally: the stored one, where only normal (1) and
// maximised (3) are kept.
int ChooseShowCommand(int storedShowCommand);
