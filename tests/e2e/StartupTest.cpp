// Twintext.exe starts, shows its main window and ends cleanly.
#include "TopWindows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const UINT kExitCommand = 0xE141;

// Twintext.exe of the installation folder beside the tests' folder.
std::wstring EditorPath() {
    wchar_t self[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    path.resize(path.find_last_of(L'\\'));
    path.resize(path.find_last_of(L'\\'));
    return path + L"\\bin\\Twintext.exe";
}

class RunningEditor {
public:
    explicit RunningEditor(const std::wstring& arguments) {
        std::wstring commandLine = L"\"" + EditorPath() + L"\" " + arguments;
        STARTUPINFOW si = {sizeof si};
        m_started = ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                     &m_process) != FALSE;
    }
    ~RunningEditor() {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.hProcess, 99);
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
    bool Started() const { return m_started; }
    DWORD ProcessId() const { return m_process.dwProcessId; }
    // Exit code, or STILL_ACTIVE when the program has not ended within the time.
    DWORD WaitForExit(DWORD timeoutMs) {
        DWORD code = STILL_ACTIVE;
        if (::WaitForSingleObject(m_process.hProcess, timeoutMs) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

struct CloseCase {
    const char* name;
    UINT message;
    WPARAM wParam;
};

class EditorStartupTest : public testing::TestWithParam<CloseCase> {};

TEST_P(EditorStartupTest, ShowsMainWindowAndExitsWithZero) {
    RunningEditor editor(L"");
    ASSERT_TRUE(editor.Started()) << "cannot start " << std::string(EditorPath().begin(), EditorPath().end());
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowTitle(frame), L"無題 - Twintext");

    EXPECT_NE(::GetMenu(frame), nullptr);

    ::PostMessageW(frame, GetParam().message, GetParam().wParam, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

INSTANTIATE_TEST_SUITE_P(Closing, EditorStartupTest,
                         testing::Values(CloseCase{"WindowClose", WM_CLOSE, 0},
                                         CloseCase{"FileExit", WM_COMMAND, kExitCommand}),
                         [](const testing::TestParamInfo<CloseCase>& info) { return info.param.name; });

} // namespace
