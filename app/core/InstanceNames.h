// Names that follow the service number of an editor instance ("/DDE=" n).
#pragma once

#include <string>

// "wXB/JC", followed by n when n is not 0.
std::string ServiceName(int serviceNumber);

// The program folder (ending in a backslash), "TERGET", n when not 0, ".TMP".
std::string ResultWorkFileName(const std::string& programFolder, int serviceNumber);

// A numbered instance keeps its framework profile apart: the name without its last four
// characters, then n and ".INI". Unchanged for n = 0.
std::wstring NumberedProfileName(const std::wstring& profileName, int serviceNumber);
