// Case-insensitive comparison of input-method file names.
#include "AsciiCase.h"

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

bool StartsAlikeIgnoringCase(std::string_view a, std::string_view b, size_t count) {
    return EqualsIgnoringCase(a.substr(0, count), b.substr(0, count));
}
