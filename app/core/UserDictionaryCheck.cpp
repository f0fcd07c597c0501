// The user dictionaries named in the settings, as the engine of their direction accepts them.
#include "UserDictionaryCheck.h"

void CheckUserDictionaries(int direction, const UserDictionarySource& source, UserDictionarySlots& slots) {
    auto& paths = slots.paths[size_t(direction)];
    int& accepted = slots.accepted[size_t(direction)];
    accepted = 0;
    for (int slot = 0; slot < 3; ++slot) {
        paths[size_t(slot)].clear();
        std::string path = source.read(slot);
        if (path.empty())
            continue;
        if (source.accepts(path)) {
            paths[size_t(slot)] = path;
            ++accepted;
        } else {
            source.forget(slot);
        }
    }
}
