// Finding a program's top-level windows by title, for tests and scripts.
#pragma once

#include <windows.h>

#include <string>

// The first visible top-level window whose title contains the text (of the process, when given).
HWND FindTopWindow(const std::wstring& titlePart, DWORD processId = 0);

// Waits up to timeoutMs for such a window; null on time-out.
HWND WaitForTopWindow(const std::wstring& titlePart, DWORD timeoutMs, DWORD processId = 0);

std::wstring WindowTitle(HWND hwnd);
