// The editor's main frame window: creation, activation, destruction and the program's messages.
#include "MainFrame.h"

#include "FramePlacement.h"
#include "StartupModules.h"
#include "View.h"
#include "WXBApp.h"
#include "resource.h"

#include <cstdio>

namespace {
const wchar_t kBarStatePrefix[] = L"ToolBarInfo\\Info";
const UINT kSplashMilliseconds = 5000;

bool IsPress(UINT message) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        return true;
    }
    return false;
}
} // namespace

CMainFrame::CMainFrame() {
    OnNotify(ID_DIRECTION_COMBO, CBN_SELENDOK, [this] { OnDirectionChosen(); });
    OnCommand(ID_VIEW_CUSTOMIZE, [this] { m_wndToolBar.Customize(); });
    OnUpdate(ID_INDICATOR_DIRECTION, [](CCommandUI& ui) {
        ui.SetText(TheApp().Direction() == kChineseToJapanese ? L"中日翻訳" : L"日中翻訳");
    });
    OnMessage(WM_TRANSLATE_SENTENCE, [this](WPARAM w, LPARAM l) { return OnTranslateSentence(w, l); });
    OnMessage(WM_CLIPBOARD_HANDOFF, [this](WPARAM w, LPARAM l) { return OnClipboardHandoff(w, l); });
    OnMessage(WM_DIRECTION_QUERY, [this](WPARAM w, LPARAM l) { return OnDirectionQuery(w, l); });
    OnMessage(WM_HOOK_CODE_QUERY, [this](WPARAM w, LPARAM l) { return OnHookCodeQuery(w, l); });
}

std::wstring CMainFrame::FrameTitle() const {
    std::wstring title = CFrameWindow::FrameTitle();
    int number = TheApp().ServiceNumber();
    if (number != 0)
        title += L"(" + std::to_wstring(number) + L")";
    return title;
}

int CMainFrame::OnCreate(CREATESTRUCTW* cs) {
    if (CContFrameWnd::OnCreate(cs) == -1)
        return -1;
    if (!CreateToolBar() || !CreateStatusBar())
        return -1;
    CreateDirectionCombo();
    EnableDocking(kDockAnySide);
    DockControlBar(&m_wndToolBar, BarSide::Top);
    // The button shows the simplified script unless told otherwise.
    m_shownScript = 0;
    if (TheApp().ChineseScript() == 1)
        ShowChineseScript(1);
    SetStatusPaneWidths();
    AddInhouseItems();
    if (TheApp().SplashEnabled())
        m_splash.Show(m_hWnd, IDB_SPLASH, kSplashMilliseconds);
    if (TheApp().UserStore().GetInt(SettingKey::IsDockingStateValid) == 1)
        LoadBarState(TheApp().Profile(), kBarStatePrefix);
    return 0;
}

void CMainFrame::RestorePlacement(int showCommand) {
    const CSettingsStore& store = TheApp().UserStore();
    LONG base = ::GetDialogBaseUnits();
    FrameMetrics metrics;
    metrics.dialogBaseX = LOWORD(base);
    metrics.dialogBaseY = HIWORD(base);
    metrics.verticalScrollWidth = ::GetSystemMetrics(SM_CXVSCROLL);
    metrics.frameWidth = ::GetSystemMetrics(SM_CXFRAME);
    metrics.screenWidth = ::GetSystemMetrics(SM_CXFULLSCREEN);
    metrics.screenHeight = ::GetSystemMetrics(SM_CYFULLSCREEN);
    FramePosition rect = ChooseFrameRect(ParseFrameRect(store.GetString(SettingKey::WindowRect)), metrics);

    m_wndToolBar.Show(store.GetInt(SettingKey::WindowToolBar) != 0);
    m_wndStatusBar.Show(store.GetInt(SettingKey::WindowStatusBar) != 0);
    RecalcLayout();

    WINDOWPLACEMENT placement = {sizeof placement};
    ::GetWindowPlacement(m_hWnd, &placement);
    placement.rcNormalPosition = {rect.left, rect.top, rect.right, rect.bottom};
    placement.showCmd =
        UINT(showCommand == SW_SHOWNORMAL ? ChooseShowCommand(store.GetInt(SettingKey::WindowShowCmd)) : showCommand);
    ::SetWindowPlacement(m_hWnd, &placement);
    m_splash.OwnerShown();
}

bool CMainFrame::PreTranslateMessage(MSG& msg) {
    // The press that takes the splash picture away still does what it does.
    if (m_splash.IsWindow() && IsPress(msg.message))
        m_splash.Dismiss();
    return false;
}

void CMainFrame::OnActivate(UINT state, HWND other) {
    if (state == WA_INACTIVE || !ActiveView())
        return;
    // Switching back from another program leaves the input method as that program left it.
    DWORD otherProcess = 0;
    if (other)
        ::GetWindowThreadProcessId(other, &otherProcess);
    if (!other || (::IsWindow(other) && otherProcess == ::GetCurrentProcessId()))
        ActiveView()->SetInputSwitchPending(true);
}

void CMainFrame::OnIdleUpdateCmdUI() {
    int script = TheApp().ChineseScript();
    if (script != m_shownScript)
        ShowChineseScript(script);
    CContFrameWnd::OnIdleUpdateCmdUI();
}

void CMainFrame::OnDirectionChosen() {
    int index = int(::SendMessageW(m_directionCombo, CB_GETCURSEL, 0, 0));
    if (index == CB_ERR || index == TheApp().Direction())
        return;
    if (CView* view = ActiveView())
        ::SetFocus(view->GetSafeHwnd());
    TheApp().SwitchDirection(index);
}

void CMainFrame::SetStatusPaneText(int pane, const std::wstring& text) { m_wndStatusBar.SetPaneText(pane, text); }

std::wstring CMainFrame::StatusPaneText(int pane) const { return m_wndStatusBar.PaneText(pane); }

void CMainFrame::SetDirectionComboIndex(int index) {
    if (m_directionCombo)
        ::SendMessageW(m_directionCombo, CB_SETCURSEL, WPARAM(index), 0);
}

LRESULT CMainFrame::OnTranslateSentence(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnClipboardHandoff(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnDirectionQuery(WPARAM, LPARAM) { return 0; }

LRESULT CMainFrame::OnHookCodeQuery(WPARAM, LPARAM) { return 0; }

void CMainFrame::OnDestroy() {
    CWXBApp& app = TheApp();
    const CSettingsStore& store = app.UserStore();
    app.WriteLog("<<JC_TERMINATE>>\n");
    store.WriteInt(SettingKey::IsDockingStateValid, 1);
    SaveBarState(app.Profile(), kBarStatePrefix);

    WINDOWPLACEMENT placement = {sizeof placement};
    if (::GetWindowPlacement(m_hWnd, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        char text[64];
        std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
        store.WriteString(SettingKey::WindowRect, text);
        store.WriteInt(SettingKey::WindowShowCmd, int(placement.showCmd));
    }
    store.WriteInt(SettingKey::WindowToolBar, m_wndToolBar.IsVisible() ? 1 : 0);
    store.WriteInt(SettingKey::WindowStatusBar, m_wndStatusBar.IsVisible() ? 1 : 0);
    store.WriteInt(SettingKey::GbBig5, app.ChineseScript());
    StopTranslationService();
}
