// The code-page interface over the system's converters.
#include "WindowsCodePages.h"

#include <windows.h>

namespace {

std::string Narrow(const wchar_t* text, int length, unsigned codePage, BOOL* usedDefault) {
    if (length == 0)
        return std::string();
    int size = ::WideCharToMultiByte(codePage, 0, text, length, nullptr, 0, nullptr, usedDefault);
    std::string result(size_t(size), '\0');
    ::WideCharToMultiByte(codePage, 0, text, length, &result[0], size, nullptr, usedDefault);
    return result;
}

} // namespace

std::string CWindowsCodePages::FromUtf16(std::u16string_view text, unsigned codePage, size_t* lost) const {
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    BOOL usedDefault = FALSE;
    std::string result = Narrow(wide, int(text.size()), codePage, &usedDefault);
    if (lost) {
        *lost = 0;
        // The system only says whether something was lost; count character by character then.
        for (size_t i = 0; usedDefault && i < text.size(); ++i) {
            bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] < 0xDC00;
            BOOL one = FALSE;
            Narrow(wide + i, pair ? 2 : 1, codePage, &one);
            *lost += one ? 1 : 0;
            i += pair ? 1 : 0;
        }
    }
    return result;
}

std::u16string CWindowsCodePages::ToUtf16(std::string_view bytes, unsigned codePage) const {
    if (bytes.empty())
        return std::u16string();
    int size = ::MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::u16string result(size_t(size), u'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), reinterpret_cast<wchar_t*>(&result[0]),
                          size);
    return result;
}

const CCodePages& SystemCodePages() {
    static const CWindowsCodePages codePages;
    return codePages;
}
