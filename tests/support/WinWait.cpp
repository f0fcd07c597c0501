// winwait TITLE [TIMEOUT_MS] [--close | --command ID]: waits for a top-level window whose title
// contains TITLE and prints its title; with --close, closes it and waits for its program to end;
// with --command, posts it that menu command.
// Exit code 0 when found (and closed), 1 on time-out, 2 on bad arguments.
#include "TopWindows.h"

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fwprintf(stderr, L"usage: winwait TITLE [TIMEOUT_MS] [--close | --command ID]\n");
        return 2;
    }
    DWORD timeout = argc > 2 ? DWORD(std::wcstoul(argv[2], nullptr, 10)) : 30000;
    bool close = argc > 3 && std::wcscmp(argv[3], L"--close") == 0;

    HWND hwnd = WaitForTopWindow(argv[1], timeout);
    if (!hwnd) {
        std::fwprintf(stderr, L"winwait: no window found\n");
        return 1;
    }
    // The console shows UTF-8; titles may hold any script.
    std::wstring title = WindowTitle(hwnd);
    char utf8[1024] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, title.c_str(), -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::printf("%s\n", utf8);
    if (argc > 4 && std::wcscmp(argv[3], L"--command") == 0) {
        ::PostMessageW(hwnd, WM_COMMAND, WPARAM(std::wcstoul(argv[4], nullptr, 10)), 0);
        return 0;
    }
    if (!close)
        return 0;

    DWORD processId = 0;
    ::GetWindowThreadProcessId(hwnd, &processId);
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, processId);
    ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
    DWORD waited = process ? ::WaitForSingleObject(process, timeout) : WAIT_FAILED;
    if (process)
        ::CloseHandle(process);
    return waited == WAIT_OBJECT_0 ? 0 : 1;
}
