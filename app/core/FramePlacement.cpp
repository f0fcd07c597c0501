// Where the main frame opens: the stored normal rectangle when it is big enough, else a default.
#include "FramePlacement.h"

#include <cstdio>
#include <string>

std::optional<FramePosition> ParseFrameRect(std::string_view text) {
    std::string copy(text);
    FramePosition rect;
    char rest = 0;
    if (std::sscanf(copy.c_str(), "%d,%d,%d,%d%c", &rect.left, &rect.top, &rect.right, &rect.bottom, &rest) != 4)
        return std::nullopt;
    return rect;
}

FramePosition ChooseFrameRect(const std::optional<FramePosition>& stored, const FrameMetrics& m) {
    if (stored && stored->Width() >= 30 * m.dialogBaseX && stored->Height() >= 15 * m.dialogBaseY)
        return *stored;
    int width = 80 * m.dialogBaseX + m.verticalScrollWidth + 4 * m.frameWidth;
    if (width > m.screenWidth)
        width = m.screenWidth;
    return FramePosition{0, 0, width, m.screenHeight * 9 / 10};
}

int ChooseShowCommand(int storedShowCommand) {
    const int kNormal = 1, kMaximised = 3;
    return storedShowCommand == kMaximised ? kMaximised : kNormal;
}
