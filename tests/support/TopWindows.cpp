// Finding a program's top-level windows by title, for tests and scripts.
#include "TopWindows.h"

namespace {
struct Search {
    const std::wstring* titlePart;
    DWORD processId;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    if (!::IsWindowVisible(hwnd))
        return TRUE;
    if (search.processId) {
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner != search.processId)
            return TRUE;
    }
    if (WindowTitle(hwnd).find(*search.titlePart) == std::wstring::npos)
        return TRUE;
    search.found = hwnd;
    return FALSE;
}
} // namespace

std::wstring WindowTitle(HWND hwnd) {
    wchar_t buffer[512] = {};
    ::GetWindowTextW(hwnd, buffer, 512);
    return buffer;
}

HWND FindTopWindow(const std::wstring& titlePart, DWORD processId) {
    Search search = {&titlePart, processId, nullptr};
    ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTopWindow(const std::wstring& titlePart, DWORD timeoutMs, DWORD processId) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND hwnd = FindTopWindow(titlePart, processId))
            return hwnd;
        if (::GetTickCount() - start >= timeoutMs)
            return nullptr;
        ::Sleep(50);
    }
}
