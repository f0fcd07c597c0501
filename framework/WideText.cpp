// Conversions between the program's multibyte text and the system's wide-character text.
#include "WideText.h"

std::wstring WideOf(std::string_view text, UINT codePage) {
    if (text.empty())
        return std::wstring();
    int length = ::MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length > 0 ? length : 0), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0], length);
    return wide;
}

std::string NarrowOf(std::wstring_view text, UINT codePage) {
    if (text.empty())
        return std::string();
    int length = ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        ::WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}
