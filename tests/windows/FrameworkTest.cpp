// The application framework on real windows: idle processing, command routing, update handlers.
#include "Application.h"
#include "ContFrameWnd.h"
#include "ControlBars.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FrameWindow.h"
#include "FrameworkIds.h"
#include "FrameworkTestIds.h"
#include "Profile.h"
#include "ToolBarEx.h"
#include "View.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>
#include <vector>

namespace {

const wchar_t kTestRegistryKey[] = L"TwinFrameworkTest";

// Every handler that runs leaves its name here.
std::vector<std::string> g_handled;

class CTestDocument : public CDocument {
public:
    CTestDocument() {
        OnCommand(ID_TEST_DOCUMENT_AND_FRAME, [] { g_handled.push_back("document"); });
    }
    bool OnOpenDocument(const std::wstring& path) override {
        g_handled.push_back("open " + std::string(path.begin(), path.end()));
        return true;
    }
};

class CTestView : public CView {
public:
    CTestView() {
        OnCommand(ID_TEST_VIEW_ONLY, [] { g_handled.push_back("view"); });
    }
};

class CTestFrame : public CFrameWindow {
public:
    CToolBar toolBar;

    CTestFrame() {
        OnCommand(ID_TEST_DOCUMENT_AND_FRAME, [] { g_handled.push_back("frame"); });
        OnCommand(ID_TEST_FRAME_ONLY, [] { g_handled.push_back("frame"); });
        OnCommand(ID_TEST_DISABLED_BY_UPDATE, [] { g_handled.push_back("frame"); });
        OnUpdate(ID_TEST_DISABLED_BY_UPDATE, [](CCommandUI& ui) { ui.Enable(false); });
        OnCommand(ID_TEST_CHECKED_BY_UPDATE, [] { g_handled.push_back("frame"); });
        OnUpdate(ID_TEST_CHECKED_BY_UPDATE, [](CCommandUI& ui) { ui.SetCheck(1); });
    }

protected:
    int OnCreate(CREATESTRUCTW* cs) override {
        if (CFrameWindow::OnCreate(cs) == -1 || !toolBar.Create(this))
            return -1;
        const UINT buttons[] = {ID_TEST_FRAME_ONLY, 0, ID_TEST_DISABLED_BY_UPDATE, ID_TEST_NO_HANDLER,
                                ID_TEST_CHECKED_BY_UPDATE};
        toolBar.SetButtons(buttons, 5);
        AddControlBar(&toolBar);
        return 0;
    }
};

// A frame with docking containers, a docked customisable toolbar and a status bar.
class CDockTestFrame : public CContFrameWnd {
public:
    CToolBarEx toolBar;
    CStatusBar statusBar;
    WPARAM messageSeen = 0;

    CDockTestFrame() {
        OnCommand(ID_TEST_FRAME_ONLY, [] { g_handled.push_back("frame"); });
        OnMessage(ID_TEST_PROGRAM_MESSAGE, [this](WPARAM wParam, LPARAM lParam) {
            messageSeen = wParam;
            return lParam + 1;
        });
    }

protected:
    int OnCreate(CREATESTRUCTW* cs) override {
        if (CContFrameWnd::OnCreate(cs) == -1 || !toolBar.Create(this, IDW_TOOLBAR, L"Test") ||
            !statusBar.Create(this))
            return -1;
        const UINT indicators[] = {0, ID_INDICATOR_CAPS};
        statusBar.SetIndicators(indicators, 2);
        AddControlBar(&statusBar);
        std::vector<ToolButton> buttons = {{ID_TEST_FRAME_ONLY, 0}, {0, -1}, {ID_TEST_APP_ONLY, 1},
                                           {ID_TEST_VIEW_ONLY, 2}};
        toolBar.SetButtons(buttons, buttons);
        toolBar.EnableDocking(kDockAnySide);
        EnableDocking(kDockAnySide);
        DockControlBar(&toolBar, BarSide::Top);
        return 0;
    }
};

// Records idle calls and the messages it pumps; each test scripts what happens at which count.
class CTestApp : public CApplication {
public:
    std::vector<std::string> events;
    std::function<bool(long)> onIdle;

    CTestApp() {
        OnCommand(ID_TEST_APP_ONLY, [] { g_handled.push_back("app"); });
        SetRegistryKey(kTestRegistryKey);
        SetProfileName(L"Profile");
    }

    bool OnIdle(long count) override {
        events.push_back("idle " + std::to_string(count));
        bool more = CApplication::OnIdle(count);
        return onIdle ? onIdle(count) : more;
    }

    bool PreTranslateMessage(MSG& msg) override {
        if (msg.hwnd == nullptr)
            events.push_back("message " + std::to_string(msg.message));
        return CApplication::PreTranslateMessage(msg);
    }
};

class FrameworkTest : public testing::Test {
protected:
    void SetUp() override {
        g_handled.clear();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kTestRegistryKey).c_str());
    }

    void TearDown() override {
        if (app.MainFrame())
            ::DestroyWindow(app.MainFrame()->GetSafeHwnd());
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kTestRegistryKey).c_str());
    }

    CTestFrame* OpenFrame() {
        app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
            IDR_TESTFRAME, [] { return std::make_unique<CTestDocument>(); }, [] { return new CTestFrame; },
            [] { return new CTestView; }));
        EXPECT_NE(app.OpenDocumentFile(L""), nullptr);
        return static_cast<CTestFrame*>(app.MainFrame());
    }

    CDockTestFrame* OpenDockFrame() {
        app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
            IDR_TESTFRAME, [] { return std::make_unique<CTestDocument>(); }, [] { return new CDockTestFrame; },
            [] { return new CTestView; }));
        EXPECT_NE(app.OpenDocumentFile(L""), nullptr);
        CFrameWindow* frame = app.MainFrame();
        if (frame)
            ::SetWindowPos(frame->GetSafeHwnd(), nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_SHOWWINDOW);
        return static_cast<CDockTestFrame*>(frame);
    }

    HMENU TestMenu() { return ::GetSubMenu(::GetMenu(app.MainFrame()->GetSafeHwnd()), 0); }

    CTestApp app;
};

TEST_F(FrameworkTest, IdleCountRestartsAfterInputButNotAfterSystemTimer) {
    int round = 0;
    app.onIdle = [&](long count) {
        if (count == 1 && round == 0) {
            // No user input: must not restart idle processing. The timer after it must.
            ::PostThreadMessageW(::GetCurrentThreadId(), 0x0118, 0, 0);
            ::SetTimer(nullptr, 0, 50, nullptr);
            ++round;
        } else if (count == 1 && round == 1) {
            ::PostQuitMessage(7);
        }
        return count < 1;
    };
    EXPECT_EQ(app.Run(), 7);
    std::vector<std::string> expected = {"idle 0", "idle 1",  "message 280", "message 275",
                                         "idle 0", "idle 1"};
    EXPECT_EQ(app.events, expected);
}

TEST_F(FrameworkTest, IdleCountGrowsWhileMoreIdleTimeIsWanted) {
    app.onIdle = [](long count) {
        if (count == 4)
            ::PostQuitMessage(0);
        return true;
    };
    EXPECT_EQ(app.Run(), 0);
    std::vector<std::string> expected = {"idle 0", "idle 1", "idle 2", "idle 3", "idle 4"};
    EXPECT_EQ(app.events, expected);
}

struct RouteCase {
    UINT command;
    const char* handler;
};

class CommandRoutingTest : public FrameworkTest, public testing::WithParamInterface<RouteCase> {};

TEST_P(CommandRoutingTest, CommandReachesFirstTargetThatHandlesIt) {
    CTestFrame* frame = OpenFrame();
    ASSERT_NE(frame, nullptr);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(GetParam().command, 0), 0);
    ASSERT_EQ(g_handled.size(), 1u);
    EXPECT_EQ(g_handled[0], GetParam().handler);
}

INSTANTIATE_TEST_SUITE_P(Chain, CommandRoutingTest,
                         testing::Values(RouteCase{ID_TEST_VIEW_ONLY, "view"},
                                         RouteCase{ID_TEST_DOCUMENT_AND_FRAME, "document"},
                                         RouteCase{ID_TEST_FRAME_ONLY, "frame"},
                                         RouteCase{ID_TEST_APP_ONLY, "app"}));

TEST_F(FrameworkTest, AcceleratorCommandIsRoutedLikeMenuCommand) {
    CTestFrame* frame = OpenFrame();
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_TEST_FRAME_ONLY, 1), 0);
    EXPECT_EQ(g_handled, std::vector<std::string>{"frame"});
}

TEST_F(FrameworkTest, DisabledCommandIsNotCarriedOut) {
    CTestFrame* frame = OpenFrame();
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED_BY_UPDATE, 0), 0);
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_TEST_DISABLED_BY_UPDATE, 1), 0);
    EXPECT_TRUE(g_handled.empty());
    ::SendMessageW(frame->GetSafeHwnd(), WM_COMMAND, MAKEWPARAM(ID_TEST_CHECKED_BY_UPDATE, 0), 0);
    EXPECT_EQ(g_handled, std::vector<std::string>{"frame"});
}

// The block the shell hands over when files are dropped on a window.
HDROP DroppedFiles(const std::vector<std::wstring>& paths) {
    size_t characters = 1;
    for (const std::wstring& path : paths)
        characters += path.size() + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    auto* names = reinterpret_cast<wchar_t*>(drop + 1);
    for (const std::wstring& path : paths) {
        path.copy(names, path.size());
        names += path.size() + 1;
    }
    ::GlobalUnlock(block);
    return static_cast<HDROP>(block);
}

TEST_F(FrameworkTest, FirstDroppedFileIsOpened) {
    CTestFrame* frame = OpenFrame();
    ::SendMessageW(frame->GetSafeHwnd(), WM_DROPFILES,
                   reinterpret_cast<WPARAM>(DroppedFiles({L"C:\\texts\\one.txt", L"C:\\texts\\two.txt"})), 0);
    EXPECT_EQ(g_handled, std::vector<std::string>{"open C:\\texts\\one.txt"});
    EXPECT_EQ(app.DocTemplate()->Document()->PathName(), L"C:\\texts\\one.txt");
}

TEST_F(FrameworkTest, MenuItemsFollowUpdateHandlersWhenMenuOpens) {
    CTestFrame* frame = OpenFrame();
    HMENU menu = TestMenu();
    ::SendMessageW(frame->GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);

    auto state = [&](UINT id) { return ::GetMenuState(menu, id, MF_BYCOMMAND); };
    EXPECT_TRUE(state(ID_TEST_DISABLED_BY_UPDATE) & MF_GRAYED);
    EXPECT_TRUE(state(ID_TEST_NO_HANDLER) & MF_GRAYED);
    EXPECT_FALSE(state(ID_TEST_FRAME_ONLY) & MF_GRAYED);
    EXPECT_FALSE(state(ID_TEST_APP_ONLY) & MF_GRAYED);
    EXPECT_TRUE(state(ID_TEST_CHECKED_BY_UPDATE) & MF_CHECKED);
    EXPECT_FALSE(state(ID_APP_EXIT) & MF_GRAYED);
}

TEST_F(FrameworkTest, ToolbarButtonsFollowUpdateHandlersAtIdle) {
    CTestFrame* frame = OpenFrame();
    app.onIdle = [](long count) {
        if (count == 1)
            ::PostQuitMessage(0);
        return count < 1;
    };
    app.Run();
    EXPECT_TRUE(frame->toolBar.IsButtonEnabled(ID_TEST_FRAME_ONLY));
    EXPECT_FALSE(frame->toolBar.IsButtonEnabled(ID_TEST_DISABLED_BY_UPDATE));
    EXPECT_FALSE(frame->toolBar.IsButtonEnabled(ID_TEST_NO_HANDLER));
    EXPECT_TRUE(frame->toolBar.IsButtonChecked(ID_TEST_CHECKED_BY_UPDATE));
}

TEST_F(FrameworkTest, FrameTitleNamesDocumentThenApplication) {
    CTestFrame* frame = OpenFrame();
    wchar_t title[256] = {};
    ::GetWindowTextW(frame->GetSafeHwnd(), title, 256);
    EXPECT_STREQ(title, L"無題 - FrameworkTest");
}

TEST_F(FrameworkTest, ExitCommandClosesFrameAndEndsLoopWithZero) {
    CTestFrame* frame = OpenFrame();
    ::PostMessageW(frame->GetSafeHwnd(), WM_COMMAND, ID_APP_EXIT, 0);
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(FrameworkTest, RecentFilesKeepFourNewestFirstAndShowInMenu) {
    app.LoadStdProfileSettings(4);
    for (const wchar_t* path : {L"C:\\a.txt", L"C:\\b.txt", L"C:\\c.txt", L"C:\\d.txt", L"C:\\e.txt", L"c:\\B.TXT"})
        app.AddToRecentFileList(path);
    app.RecentFiles()->Write();

    CProfile profile;
    profile.SetRegistryKey(kTestRegistryKey);
    profile.SetProfileName(L"Profile");
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File1"), L"c:\\B.TXT");
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File2"), L"C:\\e.txt");
    EXPECT_EQ(profile.GetString(L"Recent File List", L"File4"), L"C:\\c.txt");

    CTestFrame* frame = OpenFrame();
    HMENU menu = TestMenu();
    ::SendMessageW(frame->GetSafeHwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, ID_FILE_MRU_FILE1 + 1, text, 128, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"&2 C:\\e.txt");
    EXPECT_FALSE(::GetMenuState(menu, ID_FILE_MRU_FILE1 + 3, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(FrameworkTest, ToolbarCommandHidesAndShowsTheBarAndTheMenuCheckFollows) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    HWND hwnd = frame->GetSafeHwnd();
    auto checked = [&] {
        ::SendMessageW(hwnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(TestMenu()), 0);
        return (::GetMenuState(TestMenu(), ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED) != 0;
    };
    EXPECT_TRUE(checked());
    ::SendMessageW(hwnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_FALSE(frame->toolBar.IsVisible());
    EXPECT_FALSE(frame->DockBarAt(BarSide::Top)->IsVisible());
    EXPECT_FALSE(checked());
    ::SendMessageW(hwnd, WM_COMMAND, ID_VIEW_TOOLBAR, 0);
    EXPECT_TRUE(frame->toolBar.IsVisible());
    EXPECT_TRUE(checked());
}

struct DropCase {
    const char* name;
    int x, y;  // per mille of the frame's client area
    BarSide side;
};

class DockDropTest : public FrameworkTest, public testing::WithParamInterface<DropCase> {};

TEST_P(DockDropTest, BarDraggedByItsGripperDocksAtTheNearestEdge) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    HWND top = frame->DockBarAt(BarSide::Top)->GetSafeHwnd();
    RECT client = {};
    ::GetClientRect(frame->GetSafeHwnd(), &client);
    POINT drop = {client.right * GetParam().x / 1000, client.bottom * GetParam().y / 1000};
    ::MapWindowPoints(frame->GetSafeHwnd(), top, &drop, 1);
    ::SendMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 8));
    ::SendMessageW(top, WM_LBUTTONUP, 0, MAKELPARAM(drop.x, drop.y));

    CDockBarEx* expected = frame->DockBarAt(GetParam().side);
    EXPECT_EQ(::GetParent(frame->toolBar.GetSafeHwnd()), expected->GetSafeHwnd());
    EXPECT_EQ(frame->toolBar.Side(), GetParam().side);
    EXPECT_TRUE(expected->IsVisible());
    // The view takes what the bars leave; the container lies along its edge.
    RECT bar = {}, view = {};
    ::GetWindowRect(expected->GetSafeHwnd(), &bar);
    ::GetWindowRect(frame->ActiveView()->GetSafeHwnd(), &view);
    RECT overlap = {};
    EXPECT_FALSE(::IntersectRect(&overlap, &bar, &view));
}

INSTANTIATE_TEST_SUITE_P(Edges, DockDropTest,
                         testing::Values(DropCase{"Left", 5, 500, BarSide::Left},
                                         DropCase{"Right", 990, 400, BarSide::Right},
                                         DropCase{"Bottom", 500, 980, BarSide::Bottom},
                                         DropCase{"Top", 500, 30, BarSide::Top}),
                         [](const testing::TestParamInfo<DropCase>& info) { return info.param.name; });

TEST_F(FrameworkTest, BarStateRestoresEdgeVisibilityAndButtons) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    frame->DockControlBar(&frame->toolBar, BarSide::Right);
    frame->ShowControlBar(&frame->toolBar, false);
    ::SendMessageW(frame->toolBar.GetSafeHwnd(), TB_DELETEBUTTON, 0, 0);  // as the customisation dialog does
    frame->SaveBarState(app.Profile(), L"Bars");
    EXPECT_EQ(app.Profile().GetInt(L"Bars-Summary", L"Bars", 0), 1u);
    EXPECT_EQ(app.Profile().GetInt(L"Bars-Bar0", L"DockBarID", 0), UINT(IDW_DOCKBAR_RIGHT));

    frame->DockControlBar(&frame->toolBar, BarSide::Top);
    frame->ShowControlBar(&frame->toolBar, true);
    std::vector<ToolButton> all = {{ID_TEST_FRAME_ONLY, 0}, {0, -1}, {ID_TEST_APP_ONLY, 1}, {ID_TEST_VIEW_ONLY, 2}};
    frame->toolBar.SetButtons(all, all);
    frame->LoadBarState(app.Profile(), L"Bars");
    EXPECT_EQ(frame->toolBar.DockBar(), frame->DockBarAt(BarSide::Right));
    EXPECT_FALSE(frame->toolBar.IsVisible());
    EXPECT_EQ(frame->toolBar.ButtonCount(), 3);
    EXPECT_EQ(::SendMessageW(frame->toolBar.GetSafeHwnd(), TB_COMMANDTOINDEX, ID_TEST_FRAME_ONLY, 0), -1);
}

TEST_F(FrameworkTest, ToolbarButtonCommandReachesTheFrameFromItsContainer) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    HWND toolbar = frame->toolBar.GetSafeHwnd();
    // What a click on the button sends: the toolbar's notification to the window it reports to.
    ::SendMessageW(::GetParent(toolbar), WM_COMMAND, MAKEWPARAM(ID_TEST_FRAME_ONLY, BN_CLICKED),
                   reinterpret_cast<LPARAM>(toolbar));
    EXPECT_EQ(g_handled, std::vector<std::string>{"frame"});
}

TEST_F(FrameworkTest, ProgramMessageReachesItsHandlerAndAnswers) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(::SendMessageW(frame->GetSafeHwnd(), ID_TEST_PROGRAM_MESSAGE, 7, 41), 42);
    EXPECT_EQ(frame->messageSeen, 7u);
}

const wchar_t kFramePrompt[] = L"枠だけが扱うコマンド";
const wchar_t kFrameTip[] = L"枠のみ";
const wchar_t kIdle[] = L"レディ";  // the framework's idle message

TEST_F(FrameworkTest, ButtonUnderTheMouseShowsItsPromptAndItsTip) {
    CDockTestFrame* frame = OpenDockFrame();
    ASSERT_NE(frame, nullptr);
    HWND hwnd = frame->GetSafeHwnd(), toolbar = frame->toolBar.GetSafeHwnd();
    NMTBHOTITEM hot = {};
    hot.hdr = {toolbar, UINT_PTR(IDW_TOOLBAR), UINT(TBN_HOTITEMCHANGE)};
    hot.idNew = ID_TEST_FRAME_ONLY;
    hot.dwFlags = HICF_MOUSE | HICF_ENTERING;
    ::SendMessageW(hwnd, WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(frame->statusBar.PaneText(0), kFramePrompt);
    hot.dwFlags = HICF_MOUSE | HICF_LEAVING;
    ::SendMessageW(hwnd, WM_NOTIFY, IDW_TOOLBAR, reinterpret_cast<LPARAM>(&hot));
    EXPECT_EQ(frame->statusBar.PaneText(0), kIdle);

    NMTTDISPINFOW tip = {};
    tip.hdr = {nullptr, UINT_PTR(ID_TEST_FRAME_ONLY), UINT(TTN_GETDISPINFOW)};
    ::SendMessageW(hwnd, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    ASSERT_NE(tip.lpszText, nullptr);
    EXPECT_EQ(std::wstring(tip.lpszText), kFrameTip);
}

} // namespace
