// Resource strings and message boxes that sound the matching system beep first.
#include "ResourceText.h"

#include "FrameworkIds.h"

std::wstring LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size the call hands out a pointer into the resource itself.
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || !text)
        return std::wstring();
    return std::wstring(text, size_t(length));
}

std::wstring FormatResourceString(UINT id, const std::wstring& argument) {
    std::wstring text = LoadResourceString(id);
    size_t pos = text.find(L"%1");
    if (pos != std::wstring::npos)
        text.replace(pos, 2, argument);
    return text;
}

int ShowMessageBox(HWND owner, const std::wstring& text, UINT type) {
    ::MessageBeep(type & MB_ICONMASK);
    std::wstring caption = LoadResourceString(IDS_APP_TITLE);
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

int ShowMessageBox(HWND owner, UINT stringId, UINT type) {
    return ShowMessageBox(owner, LoadResourceString(stringId), type);
}
