// The in-house dictionary export and import items of the tools menu.
#pragma once

#include <windows.h>

#include <string>

// Appends a separator and the two items unless the menu holds them already; false when it did.
bool AppendDictionaryTransferItems(HMENU tools, const std::wstring& exportText, const std::wstring& importText);
