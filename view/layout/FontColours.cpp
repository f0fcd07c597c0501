// The colour names a font's "FontColor" setting may hold.
#include "FontColours.h"

namespace {

struct NamedColour {
    const char* name;  // Shift-JIS
    unsigned char red, green, blue;
};

const NamedColour kColours[] = {
    {"黒", 0, 0, 0},         {"茶色", 128, 0, 0},     {"緑", 0, 128, 0},       {"オリーブ", 128, 128, 0},
    {"紺", 0, 0, 128},       {"紫", 128, 0, 128},     {"青緑", 0, 128, 128},   {"灰色", 128, 128, 128},
    {"銀色", 192, 192, 192}, {"赤", 255, 0, 0},       {"黄緑", 0, 255, 0},     {"黄", 255, 255, 0},
    {"青", 0, 0, 255},       {"赤紫", 255, 0, 255},   {"水色", 0, 255, 255},   {"白", 255, 255, 255},
};

} // namespace

std::optional<uint32_t> NamedFontColour(std::string_view name) {
    for (const NamedColour& colour : kColours)
        if (name == colour.name)
            return uint32_t(colour.red) | uint32_t(colour.green) << 8 | uint32_t(colour.blue) << 16;
    return std::nullopt;
}
