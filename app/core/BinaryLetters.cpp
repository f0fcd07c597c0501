// The letter form of binary values in INI files: two letters a byte, low nibble first, 'A' + nibble.
#include "BinaryLetters.h"

std::string EncodeBinaryLetters(const uint8_t* bytes, size_t count) {
    std::string letters;
    letters.reserve(count * 2);
    for (size_t i = 0; i < count; ++i) {
        letters += char('A' + (bytes[i] & 0x0F));
        letters += char('A' + (bytes[i] >> 4));
    }
    return letters;
}

std::optional<std::vector<uint8_t>> DecodeBinaryLetters(std::string_view letters) {
    if (letters.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    bytes.reserve(letters.size() / 2);
    for (size_t i = 0; i < letters.size(); i += 2) {
        int low = letters[i] - 'A';
        int high = letters[i + 1] - 'A';
        if (low < 0 || low > 15 || high < 0 || high > 15)
            return std::nullopt;
        bytes.push_back(uint8_t(low | (high << 4)));
    }
    return bytes;
}
