// The colour names a font's "FontColor" setting may hold.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The colour as 0x00BBGGRR for a Shift-JIS name of the table; none for "自動" or an unknown name,
// which mean the system's window-text colour.
std::optional<uint32_t> NamedFontColour(std::string_view name);
