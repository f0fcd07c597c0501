// The main frame of the running editor: toolbar and direction combo box, status panes, docking
// layout across a restart, the tools items, the splash picture and the program's messages.
#include "RunningEditor.h"
#include "SettingsStore.h"
#include "TopWindows.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kToolBarId = 0xE800;
const int kStatusBarId = 0xE801;
const int kDockTopId = 0xE81B;
const int kDockLeftId = 0xE81C;
const int kComboId = 32846;
const UINT kToolBarCommand = 59392;
const UINT kCustomizeCommand = 32850;
const UINT kScriptCommand = 32844;
const wchar_t kToolBarTitle[] = L"標準";
const wchar_t kJapaneseToChinese[] = L"日→中";
const wchar_t kChineseToJapanese[] = L"中→日";
const wchar_t kDirectionJC[] = L"日中翻訳";
const wchar_t kDirectionCJ[] = L"中日翻訳";
const wchar_t kBarStateKey[] = L"Software\\TORVANE\\LINGUA_SUITE\\Duopane\\ToolBarInfo";

struct Editor {
    explicit Editor(const std::wstring& arguments) : process(arguments) {
        frame = WaitForTopWindow(L" - Twintext", 30000, process.ProcessId());
    }
    HWND Child(int id) const { return FindDescendant(frame, id); }
    DWORD Close() {
        ::PostMessageW(frame, WM_CLOSE, 0, 0);
        return process.WaitForExit(30000);
    }
    std::wstring PaneText(int pane) const { return StatusPaneText(process, frame, pane); }
    std::vector<int> PaneRights() const {
        RemoteBuffer buffer(process.Process(), 32 * sizeof(int));
        int count = int(::SendMessageW(Child(kStatusBarId), SB_GETPARTS, 32, buffer.Address()));
        std::vector<int> rights(size_t(count > 0 ? count : 0));
        buffer.Read(rights.data(), rights.size() * sizeof(int));
        return rights;
    }
    // Waits for the idle update to show the text in the pane.
    bool WaitForPaneText(int pane, const std::wstring& text) const {
        for (int i = 0; i < 200; ++i) {
            if (PaneText(pane) == text)
                return true;
            ::Sleep(25);
        }
        return false;
    }
    RunningEditor process;
    HWND frame = nullptr;
};

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    // No layout, bar state or option of an earlier run.
    static void Forget() {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kBarStateKey);
        CSettingsStore store = EditorStore();
        store.WriteInt(SettingKey::IsDockingStateValid, 0);
        store.WriteInt(SettingKey::WindowToolBar, 1);
        store.WriteInt(SettingKey::WindowStatusBar, 1);
        store.WriteInt(SettingKey::Inhouse, 0);
        store.WriteInt(SettingKey::DirectJtoC, 0);
        store.WriteInt(SettingKey::GbBig5, 0);
    }
};

TEST_F(MainFrameTest, ToolbarIsDockedAtTheTopWithTheDirectionComboBox) {
    Editor editor(L"/JC");
    ASSERT_NE(editor.frame, nullptr);
    HWND toolbar = editor.Child(kToolBarId);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(WindowTitle(toolbar), kToolBarTitle);
    EXPECT_EQ(::GetDlgCtrlID(::GetParent(toolbar)), kDockTopId);
    EXPECT_TRUE(::IsWindowVisible(toolbar));
    EXPECT_EQ(::SendMessageW(toolbar, TB_GETBITMAP, kScriptCommand, 0), 13);

    HWND combo = ::GetDlgItem(toolbar, kComboId);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 2);
    wchar_t item[32] = {};
    ::SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), kJapaneseToChinese);
    ::SendMessageW(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_EQ(std::wstring(item), kChineseToJapanese);
    EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(MainFrameTest, ChoosingChineseToJapaneseInTheComboSwitchesTheDirection) {
    Editor editor(L"");
    ASSERT_NE(editor.frame, nullptr);
    EXPECT_TRUE(editor.WaitForPaneText(3, kDirectionJC));
    HWND combo = editor.Child(kComboId);
    ASSERT_NE(combo, nullptr);
    // What the combo box does when the user picks the second item from its list.
    ::SendMessageW(combo, CB_SETCURSEL, 1, 0);
    ::PostMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(kComboId, CBN_SELENDOK),
                   reinterpret_cast<LPARAM>(combo));
    EXPECT_TRUE(editor.WaitForPaneText(3, kDirectionCJ)) << "pane 3 did not follow the direction";
    EXPECT_EQ(EditorStore().GetInt(SettingKey::DirectJtoC), 1);
    EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(MainFrameTest, StatusBarHasSevenPanesAsWideAsTheirTexts) {
    Editor editor(L"/JC");
    ASSERT_NE(editor.frame, nullptr);
    HWND status = editor.Child(kStatusBarId);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(::GetParent(status), editor.frame);
    std::vector<int> rights = editor.PaneRights();
    ASSERT_EQ(rights.size(), 7u);

    // The same texts measured in a status bar of this process, which has the same font.
    HWND local = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr, nullptr,
                                   nullptr);
    HDC dc = ::GetDC(local);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(local, WM_GETFONT, 0, 0)));
    const wchar_t* texts[] = {L"99999 文翻訳中", L"99999 /99999", L"中日翻訳", L"一致率　　%"};
    for (int pane = 1; pane <= 4; ++pane) {
        SIZE extent = {};
        const wchar_t* text = texts[pane - 1];
        ::GetTextExtentPoint32W(dc, text, int(wcslen(text)), &extent);
        int width = rights[size_t(pane)] - rights[size_t(pane - 1)];
        EXPECT_GE(width, extent.cx) << "pane " << pane;
        EXPECT_LE(width, extent.cx + 24) << "pane " << pane;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(local, dc);
    ::DestroyWindow(local);
    EXPECT_EQ(rights.back(), -1);  // the last pane reaches the edge
    EXPECT_TRUE(HIWORD(::SendMessageW(status, SB_GETTEXTLENGTHW, 1, 0)) & SBT_NOBORDERS);
    EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(MainFrameTest, ToolbarCommandHidesAndShowsTheToolbarAndTheStateSurvivesARestart) {
    {
        Editor editor(L"/JC");
        ASSERT_NE(editor.frame, nullptr);
        HWND toolbar = editor.Child(kToolBarId);
        ASSERT_NE(toolbar, nullptr);
        ::SendMessageW(editor.frame, WM_COMMAND, kToolBarCommand, 0);
        EXPECT_FALSE(::IsWindowVisible(toolbar));
        EXPECT_FALSE(::IsWindowVisible(editor.Child(kDockTopId)));  // an empty container takes no room
        ::SendMessageW(editor.frame, WM_COMMAND, kToolBarCommand, 0);
        EXPECT_TRUE(::IsWindowVisible(toolbar));
        ::SendMessageW(editor.frame, WM_COMMAND, kToolBarCommand, 0);
        EXPECT_EQ(editor.Close(), 0u);
    }
    EXPECT_EQ(EditorStore().GetInt(SettingKey::WindowToolBar), 0);
    EXPECT_EQ(EditorStore().GetInt(SettingKey::WindowStatusBar), 1);
    Editor again(L"/JC");
    ASSERT_NE(again.frame, nullptr);
    EXPECT_FALSE(::IsWindowVisible(again.Child(kToolBarId)));
    EXPECT_TRUE(::IsWindowVisible(again.Child(kStatusBarId)));
    EXPECT_EQ(again.Close(), 0u);
}

// Presses the mouse on the gripper of the bar at the start of the container and releases it at
// the point, given in thousandths of the frame's client area.
void DragByGripper(HWND frame, HWND container, POINT gripper, int xPerMille, int yPerMille) {
    RECT client = {};
    ::GetClientRect(frame, &client);
    POINT drop = {client.right * xPerMille / 1000, client.bottom * yPerMille / 1000};
    ::MapWindowPoints(frame, container, &drop, 1);
    ::SendMessageW(container, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(gripper.x, gripper.y));
    ::SendMessageW(container, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));
}

TEST_F(MainFrameTest, ToolbarDraggedToTheLeftEdgeStaysThereAfterARestart) {
    {
        Editor editor(L"/JC");
        ASSERT_NE(editor.frame, nullptr);
        HWND top = editor.Child(kDockTopId);
        ASSERT_NE(top, nullptr);
        DragByGripper(editor.frame, top, POINT{3, 8}, 3, 500);  // by the left edge
        HWND toolbar = editor.Child(kToolBarId);
        EXPECT_EQ(::GetDlgCtrlID(::GetParent(toolbar)), kDockLeftId);
        RECT bar = {};
        ::GetWindowRect(toolbar, &bar);
        EXPECT_GT(bar.bottom - bar.top, bar.right - bar.left);  // standing upright
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(toolbar, kComboId)));  // too wide for a vertical bar
        EXPECT_EQ(editor.Close(), 0u);
    }
    EXPECT_EQ(EditorStore().GetInt(SettingKey::IsDockingStateValid), 1);
    Editor again(L"/JC");
    ASSERT_NE(again.frame, nullptr);
    HWND toolbar = again.Child(kToolBarId);
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(::GetDlgCtrlID(::GetParent(toolbar)), kDockLeftId);
    EXPECT_TRUE(::IsWindowVisible(toolbar));
    RECT bar = {};
    ::GetWindowRect(toolbar, &bar);
    POINT origin = {0, 0};
    ::ClientToScreen(again.frame, &origin);
    EXPECT_LT(bar.left - origin.x, 16);
    // Back at the top, the combo box stands on its place again.
    DragByGripper(again.frame, ::GetParent(toolbar), POINT{8, 3}, 500, 3);  // by the top edge
    EXPECT_EQ(::GetParent(toolbar), again.Child(kDockTopId));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(toolbar, kComboId)));
    EXPECT_EQ(again.Close(), 0u);
}

SIZE SplashBitmapSize() {
    SIZE size = {0, 0};
    HMODULE module = ::LoadLibraryExW(EditorPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return size;
    if (HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(230), MAKEINTRESOURCEW(2))) {
        auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, found)));
        if (header)
            size = SIZE{header->biWidth, header->biHeight < 0 ? -header->biHeight : header->biHeight};
    }
    ::FreeLibrary(module);
    return size;
}

HWND SplashWindow() {
    HWND splash = ::FindWindowW(L"TwinSplash", nullptr);
    return splash && ::IsWindowVisible(splash) ? splash : nullptr;
}

// The splash is shown right after the frame.
HWND WaitForSplash() {
    for (int i = 0; i < 200; ++i) {
        if (HWND splash = SplashWindow())
            return splash;
        ::Sleep(10);
    }
    return nullptr;
}

TEST_F(MainFrameTest, PlainStartShowsTheSplashCentredUntilAKeyThatStillReachesTheFrame) {
    Editor editor(L"");
    ASSERT_NE(editor.frame, nullptr);
    HWND splash = WaitForSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(::GetWindow(splash, GW_OWNER), editor.frame);
    HWND above = editor.frame;
    while (above && above != splash)
        above = ::GetWindow(above, GW_HWNDPREV);
    EXPECT_EQ(above, splash) << "the splash lies below the frame";
    SIZE bitmap = SplashBitmapSize();
    ASSERT_GT(bitmap.cx, 0);
    RECT rc = {};
    ::GetWindowRect(splash, &rc);
    EXPECT_EQ(rc.right - rc.left, bitmap.cx);
    EXPECT_EQ(rc.bottom - rc.top, bitmap.cy);
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((rc.left + rc.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((rc.top + rc.bottom) - (work.top + work.bottom)), 1);

    // Alt+F4: the splash goes, and the frame still closes on it.
    ::PostMessageW(editor.frame, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29));
    EXPECT_EQ(editor.process.WaitForExit(30000), 0u);
}

TEST_F(MainFrameTest, MousePressTakesTheSplashAwayAndTheFrameStays) {
    Editor editor(L"");
    ASSERT_NE(editor.frame, nullptr);
    ASSERT_NE(WaitForSplash(), nullptr);
    HWND view = ::GetWindow(editor.frame, GW_CHILD);
    ::PostMessageW(view, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::PostMessageW(view, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ::SendMessageW(editor.frame, WM_NULL, 0, 0);
    for (int i = 0; i < 200 && SplashWindow(); ++i)
        ::Sleep(10);
    EXPECT_EQ(SplashWindow(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(editor.frame));
    EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(MainFrameTest, StartWithACommandLineShowsNoSplash) {
    Editor editor(L"/JC");
    ASSERT_NE(editor.frame, nullptr);
    ::SendMessageW(editor.frame, WM_NULL, 0, 0);  // creation is over
    EXPECT_EQ(SplashWindow(), nullptr);
    EXPECT_EQ(editor.Close(), 0u);
}

struct FoundDialog {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK VisitDialog(HWND hwnd, LPARAM param) {
    auto& search = *reinterpret_cast<FoundDialog*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    wchar_t className[16] = {};
    ::GetClassNameW(hwnd, className, 16);
    if (owner != search.processId || std::wstring(className) != L"#32770" || !::IsWindowVisible(hwnd))
        return TRUE;
    search.found = hwnd;
    return FALSE;
}

TEST_F(MainFrameTest, CustomiseCommandOpensTheToolbarsOwnDialog) {
    Editor editor(L"/JC");
    ASSERT_NE(editor.frame, nullptr);
    ::PostMessageW(editor.frame, WM_COMMAND, kCustomizeCommand, 0);
    FoundDialog search = {editor.process.ProcessId(), nullptr};
    for (int i = 0; i < 400 && !search.found; ++i) {
        ::Sleep(25);
        ::EnumWindows(VisitDialog, reinterpret_cast<LPARAM>(&search));
    }
    ASSERT_NE(search.found, nullptr);
    // Its lists name the toolbar's buttons.
    EXPECT_GT(::SendMessageW(::GetDlgItem(search.found, 201), LB_GETCOUNT, 0, 0), 0);
    ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    EXPECT_EQ(editor.Close(), 0u);
}

TEST_F(MainFrameTest, ProgramMessagesAreTakenByTheFrame) {
    Editor editor(L"/JC");
    ASSERT_NE(editor.frame, nullptr);
    for (UINT message : {0x040Du, 0x040Bu, 0x040Cu, 0x0464u})
        ::SendMessageW(editor.frame, message, 0, 0);
    EXPECT_TRUE(::IsWindow(editor.frame));
    EXPECT_EQ(editor.Close(), 0u);
}

} // namespace
