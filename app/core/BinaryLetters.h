// The letter form of binary values in INI files: two letters a byte, low nibble first, 'A' + nibble.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

std::string EncodeBinaryLetters(const uint8_t* bytes, size_t count);

// Nothing when the text has an odd length or a letter outside 'A' to 'P'.
std::optional<std::vector<uint8_t>> DecodeBinaryLetters(std::string_view letters);
