// Resource strings and message boxes that sound the matching system beep first.
#pragma once

#include <windows.h>

#include <string>

// The string with that number from the program's resources; empty when there is none.
std::wstring LoadResourceString(UINT id);

// Replaces "%1" with the argument, as the framework's prompt strings expect.
std::wstring FormatResourceString(UINT id, const std::wstring& argument);

// MessageBeep of the box's icon type, then the box with the application title as caption.
int ShowMessageBox(HWND owner, const std::wstring& text, UINT type);
int ShowMessageBox(HWND owner, UINT stringId, UINT type);
