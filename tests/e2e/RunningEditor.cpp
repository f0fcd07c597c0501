// The built Twintext.exe started by a test, its settings store, and reading and waiting on its windows.
#include "RunningEditor.h"

#include <commctrl.h>

std::wstring EditorPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L'\\'));
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\bin\\Twintext.exe";
}

CSettingsStore EditorStore() { return CSettingsStore(HKEY_CURRENT_USER, "TORVANE", "LINGUA_SUITE", "DUOPANE", false); }

RunningEditor::RunningEditor(const std::wstring& arguments, const std::wstring& extraEnvironment) {
    std::wstring commandLine = L"\"" + EditorPath() + L"\" " + arguments;
    STARTUPINFOW si = {sizeof si};
    std::wstring name, oldValue;
    bool hadValue = false;
    if (!extraEnvironment.empty()) {
        name = extraEnvironment.substr(0, extraEnvironment.find(L'='));
        wchar_t buffer[1024] = {};
        hadValue = ::GetEnvironmentVariableW(name.c_str(), buffer, 1024) != 0;
        oldValue = buffer;
        ::SetEnvironmentVariableW(name.c_str(), extraEnvironment.substr(name.size() + 1).c_str());
    }
    m_started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                 &m_process) != FALSE;
    if (!extraEnvironment.empty())
        ::SetEnvironmentVariableW(name.c_str(), hadValue ? oldValue.c_str() : nullptr);
}

RunningEditor::~RunningEditor() {
    if (!m_started)
        return;
    if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(m_process.hProcess, 99);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

DWORD RunningEditor::WaitForExit(DWORD timeoutMs) {
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

bool WaitForTitle(HWND hwnd, const std::wstring& part) {
    for (int i = 0; i < 200; ++i) {
        wchar_t title[512] = {};
        ::GetWindowTextW(hwnd, title, 512);
        if (std::wstring(title).find(part) != std::wstring::npos)
            return true;
        ::Sleep(25);
    }
    return false;
}

namespace {

struct DescendantSearch {
    int id;
    HWND found;
};

BOOL CALLBACK VisitDescendant(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<DescendantSearch*>(param);
    if (::GetDlgCtrlID(hwnd) == search->id) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindDescendant(HWND parent, int id) {
    DescendantSearch search = {id, nullptr};
    ::EnumChildWindows(parent, VisitDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RemoteBuffer::RemoteBuffer(HANDLE process, size_t size)
    : m_process(process), m_address(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
    if (m_address)
        ::VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

bool RemoteBuffer::Read(void* data, size_t size) const {
    SIZE_T read = 0;
    return m_address && ::ReadProcessMemory(m_process, m_address, data, size, &read) && read == size;
}

std::wstring StatusPaneText(const RunningEditor& editor, HWND frame, int pane) {
    const int kStatusBarId = 0xE801;
    RemoteBuffer buffer(editor.Process(), 512 * sizeof(wchar_t));
    ::SendMessageW(FindDescendant(frame, kStatusBarId), SB_GETTEXTW, WPARAM(pane), buffer.Address());
    wchar_t text[512] = {};
    buffer.Read(text, sizeof text - sizeof(wchar_t));
    return text;
}
