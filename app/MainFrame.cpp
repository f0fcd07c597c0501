// The editor's main frame window.
#include "MainFrame.h"

#include "FramePlacement.h"
#include "StartupModules.h"
#include "WXBApp.h"

#include <cstdio>

std::wstring CMainFrame::FrameTitle() const {
    std::wstring title = CFrameWindow::FrameTitle();
    int number = TheApp().ServiceNumber();
    if (number != 0)
        title += L"(" + std::to_wstring(number) + L")";
    return title;
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

    WINDOWPLACEMENT placement = {sizeof placement};
    ::GetWindowPlacement(m_hWnd, &placement);
    placement.rcNormalPosition = {rect.left, rect.top, rect.right, rect.bottom};
    placement.showCmd =
        UINT(showCommand == SW_SHOWNORMAL ? ChooseShowCommand(store.GetInt(SettingKey::WindowShowCmd)) : showCommand);
    ::SetWindowPlacement(m_hWnd, &placement);
}

void CMainFrame::OnDestroy() {
    CWXBApp& app = TheApp();
    const CSettingsStore& store = app.UserStore();
    app.WriteLog("<<JC_TERMINATE>>\n");
    store.WriteInt(SettingKey::IsDockingStateValid, 1);

    WINDOWPLACEMENT placement = {sizeof placement};
    if (::GetWindowPlacement(m_hWnd, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        char text[64];
        std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", r.left, r.top, r.right, r.bottom);
        store.WriteString(SettingKey::WindowRect, text);
        store.WriteInt(SettingKey::WindowShowCmd, int(placement.showCmd));
    }
    store.WriteInt(SettingKey::GbBig5, app.ChineseScript());
    StopTranslationService();
}
