// Twintext.exe starts, shows its main window and ends cleanly.
#include "RunningEditor.h"
#include "SettingsStore.h"
#include "TopWindows.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const UINT kExitCommand = 0xE141;

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

TEST(EditorInstanceTest, ServiceNumberAtTheStartNamesTheWindow) {
    RunningEditor editor(L"/DDE=3");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowTitle(frame), L"無題 - Twintext(3)");
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

TEST(EditorInstanceTest, MinimisedStartWhenTheWholeCommandLineSaysSo) {
    RunningEditor editor(L"/sw=mini");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    for (int i = 0; i < 100 && !::IsIconic(frame); ++i)
        ::Sleep(20);
    EXPECT_TRUE(::IsIconic(frame));
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

TEST(EditorInstanceTest, ClosingFrameWritesItsLineToTheLogFile) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string prefix = std::string(folder) + "twintext-log-test";
    CSettingsStore store = EditorStore();
    store.WriteString(SettingKey::LogFile, prefix);

    RunningEditor editor(L"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
    store.WriteString("DirEnv", "LogFile", nullptr);

    // The path gets the local time as a suffix: ".%d%H%M%S".
    WIN32_FIND_DATAA found = {};
    HANDLE search = ::FindFirstFileA((prefix + ".*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    ::FindClose(search);
    std::string path = std::string(folder) + found.cFileName;
    EXPECT_EQ(std::strlen(found.cFileName), std::strlen("twintext-log-test.") + 8);
    FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char content[64] = {};
    size_t length = std::fread(content, 1, sizeof content - 1, file);
    std::fclose(file);
    ::DeleteFileA(path.c_str());
    EXPECT_EQ(std::string(content, length), "<<JC_TERMINATE>>\n");
}

TEST(EditorInstanceTest, UserDictionariesTheEngineRejectsAreRemovedFromTheSettings) {
    CSettingsStore store = EditorStore();
    store.WriteString(SettingKey::JcUserDic2, "C:\\no such\\dictionary");
    store.WriteString(SettingKey::CjUserDic1, "C:\\no such\\other");
    RunningEditor editor(L"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(store.GetString(SettingKey::JcUserDic2), "");
    EXPECT_EQ(store.GetString(SettingKey::CjUserDic1), "");
    EXPECT_TRUE(store.Exists("JcUserDic", "User Dic2"));  // emptied, not deleted
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

const UINT kAboutCommand = 0xE140;
const UINT kHelpFinderCommand = 0xE143;

TEST(EditorInstanceTest, AboutBoxNamesTheProgramVersion) {
    RunningEditor editor(L"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    ::PostMessageW(frame, WM_COMMAND, kAboutCommand, 0);
    HWND about = WaitForTopWindow(L"バージョン情報", 30000, editor.ProcessId());
    ASSERT_NE(about, nullptr);
    wchar_t version[64] = {};
    ::GetDlgItemTextW(about, 1000, version, 64);
    EXPECT_STREQ(version, L"Version 1.0.0");
    ::SendMessageW(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

TEST(EditorInstanceTest, HelpWithoutAHelpViewerDoesNoHarm) {
    RunningEditor editor(L"", L"WINEDLLOVERRIDES=mscoree,mshtml=;hhctrl.ocx=d");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    ::SendMessageW(frame, WM_COMMAND, kHelpFinderCommand, 0);
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
}

// The sample document of the source tree, as the editor sees it.
std::wstring SamplePath() {
    std::string path = TWIN_SOURCE_DIR "/samples/wagahai.txt";
    return std::wstring(path.begin(), path.end());
}

// Waits until the window's title contains the text.
bool WaitForTitle(HWND hwnd, const std::wstring& part) {
    for (int i = 0; i < 200; ++i) {
        if (WindowTitle(hwnd).find(part) != std::wstring::npos)
            return true;
        ::Sleep(25);
    }
    return false;
}

TEST(EditorTextFileTest, OpenedFileNamesItsEncodingAndReopensInAnother) {
    RunningEditor editor(L"\"" + SamplePath() + L"\"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowTitle(frame), L"wagahai.txt (シフト・JIS) - Twintext");
    ::PostMessageW(frame, WM_COMMAND, 32855, 0);  // reopen as GB2312
    EXPECT_TRUE(WaitForTitle(frame, L"(GB2312)")) << std::string(WindowTitle(frame).begin(), WindowTitle(frame).end());
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
    CSettingsStore store = EditorStore();
    EXPECT_EQ(store.GetInt(SettingKey::DirectJtoC), 1);  // the Chinese reading switched the direction
    store.WriteInt(SettingKey::DirectJtoC, 0);
}

TEST(EditorTextFileTest, ChineseFileSwitchesTheDirection) {
    char folder[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "twintext-gb.txt";
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    const char gb[] = "\xCE\xD2\xC3\xC7\xBD\xF1\xCC\xEC\xC8\xA5\xB9\xAB\xD4\xB0\xA1\xA3";  // 我们今天去公园。
    std::fwrite(gb, 1, sizeof gb - 1, file);
    std::fclose(file);
    CSettingsStore store = EditorStore();
    store.WriteInt(SettingKey::DirectJtoC, 0);

    RunningEditor editor(L"\"" + std::wstring(path.begin(), path.end()) + L"\"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowTitle(frame), L"twintext-gb.txt (GB2312) - Twintext");
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.WaitForExit(30000), 0u);
    EXPECT_EQ(store.GetInt(SettingKey::DirectJtoC), 1);
    store.WriteInt(SettingKey::DirectJtoC, 0);
    ::DeleteFileA(path.c_str());
}

struct PlacementCase {
    const char* storedRect;
    int storedShowCmd;
    bool expectDefault;
};

class EditorPlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(EditorPlacementTest, FrameOpensWhereStoredAndRecordsWhereItWas) {
    CSettingsStore store = EditorStore();
    store.WriteString(SettingKey::WindowRect, GetParam().storedRect);
    store.WriteInt(SettingKey::WindowShowCmd, GetParam().storedShowCmd);
    store.WriteInt(SettingKey::SanmenHyoji, 1);

    RunningEditor editor(L"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    WINDOWPLACEMENT placement = {sizeof placement};
    ::GetWindowPlacement(frame, &placement);
    EXPECT_EQ(placement.showCmd, UINT(SW_SHOWNORMAL));
    const RECT& r = placement.rcNormalPosition;
    if (GetParam().expectDefault) {
        LONG base = ::GetDialogBaseUnits();
        int width = 80 * LOWORD(base) + ::GetSystemMetrics(SM_CXVSCROLL) + 4 * ::GetSystemMetrics(SM_CXFRAME);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right - r.left, width);
        EXPECT_EQ(r.bottom - r.top, ::GetSystemMetrics(SM_CYFULLSCREEN) * 9 / 10);
    } else {
        char text[64];
        std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
        EXPECT_STREQ(text, GetParam().storedRect);
    }

    ::MoveWindow(frame, 20, 30, 700, 500, TRUE);
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    ASSERT_EQ(editor.WaitForExit(30000), 0u);
    EXPECT_EQ(store.GetString(SettingKey::WindowRect), "20,30,720,530");
    EXPECT_EQ(store.GetInt(SettingKey::WindowShowCmd), 1);
    EXPECT_EQ(store.GetInt(SettingKey::IsDockingStateValid), 1);
    EXPECT_EQ(store.GetInt(SettingKey::SanmenHyoji), 0);
}

INSTANTIATE_TEST_SUITE_P(StoredPlacements, EditorPlacementTest,
                         testing::Values(PlacementCase{"40,30,840,630", 1, false},
                                         PlacementCase{"0,0,10,10", 1, true},  // too small: default size
                                         PlacementCase{"40,30,840,630", 2, false}));  // minimised: normal

} // namespace
