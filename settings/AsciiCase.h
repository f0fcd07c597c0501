// Case-insensitive comparison of input-method file names, which are plain ASCII.
#pragma once

#include <string_view>

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// As strnicmp(a, b, count): the first count characters, a shorter string ending the comparison.
bool StartsAlikeIgnoringCase(std::string_view a, std::string_view b, size_t count);
