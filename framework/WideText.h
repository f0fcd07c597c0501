// Conversions between the program's multibyte text and the system's wide-character text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

std::wstring WideOf(std::string_view text, UINT codePage = CP_ACP);
std::string NarrowOf(std::wstring_view text, UINT codePage = CP_ACP);
