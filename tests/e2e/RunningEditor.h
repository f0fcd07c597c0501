// The built Twintext.exe started by a test, its settings store, and reading and waiting on its windows.
#pragma once

#include "SettingsStore.h"

#include <windows.h>

#include <string>

// Twintext.exe of the installation folder beside the tests' folder.
std::wstring EditorPath();

// The editor's own user store, as the installed program uses it.
CSettingsStore EditorStore();

class RunningEditor {
public:
    // extraEnvironment: "NAME=value" set for the editor alone.
    explicit RunningEditor(const std::wstring& arguments, const std::wstring& extraEnvironment = L"");
    ~RunningEditor();
    RunningEditor(const RunningEditor&) = delete;
    RunningEditor& operator=(const RunningEditor&) = delete;

    bool Started() const { return m_started; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    HANDLE Process() const { return m_process.hProcess; }
    // Exit code, or STILL_ACTIVE when the program has not ended within the time.
    DWORD WaitForExit(DWORD timeoutMs);

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

// Waits until the window's title contains the text.
bool WaitForTitle(HWND hwnd, const std::wstring& part);

// A descendant window with that control ID, at any depth; null when there is none.
HWND FindDescendant(HWND parent, int id);

// The text of a pane of the frame's status bar (control 0xE801).
std::wstring StatusPaneText(const RunningEditor& editor, HWND frame, int pane);

// Memory in the editor's process, for the control messages whose pointers are not carried across.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM Address() const { return reinterpret_cast<LPARAM>(m_address); }
    bool Read(void* data, size_t size) const;

private:
    HANDLE m_process;
    void* m_address;
};
