// Code-page conversion with the system's tables.
#include "WinCodePages.h"

#include <windows.h>

std::string CWinCodePages::FromWide(std::wstring_view text, unsigned codePage) const {
    if (text.empty())
        return "";
    int length = ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0,
                                       nullptr, nullptr);
    if (length <= 0)
        return "";
    std::string result(size_t(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), result.data(), length,
                          nullptr, nullptr);
    return result;
}
