// The user dictionaries named in the settings, as the engine of their direction accepts them.
#pragma once

#include <array>
#include <functional>
#include <string>

struct UserDictionarySlots {
    // Paths per direction (0 Japanese to Chinese, 1 Chinese to Japanese); value k fills slot k.
    std::array<std::array<std::string, 3>, 2> paths;
    std::array<int, 2> accepted = {0, 0};

    bool Available() const { return accepted[0] + accepted[1] > 0; }
    bool Plural() const { return accepted[0] > 1 || accepted[1] > 1; }
};

struct UserDictionarySource {
    std::function<std::string(int slot)> read;             // the stored path of value slot + 1
    std::function<bool(const std::string& path)> accepts;  // the engine's check
    std::function<void(int slot)> forget;                  // empties the stored value
};

// Offers every stored path of the direction to its engine; a rejected path is forgotten.
void CheckUserDictionaries(int direction, const UserDictionarySource& source, UserDictionarySlots& slots);
