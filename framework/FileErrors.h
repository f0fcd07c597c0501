// The framework's message for a file that could not be opened or saved.
#pragma once

#include <windows.h>

#include <string>

// The message for a system error code, naming the file.
std::wstring FileErrorMessage(DWORD error, const std::wstring& path);
