// Base of the main frame: menu, accelerators, bars, the view, title, and command routing.
#include "FrameWindow.h"

#include "Application.h"
#include "ControlBars.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FrameworkIds.h"
#include "ResourceText.h"
#include "View.h"

#include <commctrl.h>

namespace {
const wchar_t kFrameClass[] = L"TwinFrame";
}

CFrameWindow::CFrameWindow() {
    for (UINT id : {UINT(ID_VIEW_TOOLBAR), UINT(ID_VIEW_STATUS_BAR)}) {
        OnCommand(id, [this, id] { OnBarCheck(id); });
        OnUpdate(id, [this](CCommandUI& ui) {
            CControlBar* bar = FindControlBar(ui.Id());
            ui.Enable(bar != nullptr);
            ui.SetCheck(bar && bar->IsVisible() ? 1 : 0);
        });
    }
}

CControlBar* CFrameWindow::FindControlBar(UINT id) const {
    for (CControlBar* bar : m_bars)
        if (bar->BarId() == id)
            return bar;
    return nullptr;
}

void CFrameWindow::ShowControlBar(CControlBar* bar, bool show) {
    bar->Show(show);
    RecalcLayout();
}

void CFrameWindow::OnBarCheck(UINT id) {
    if (CControlBar* bar = FindControlBar(id))
        ShowControlBar(bar, !bar->IsVisible());
}

void CFrameWindow::OnMessage(UINT message, MessageHandler handler) {
    m_messages.push_back({message, std::move(handler)});
}

bool CFrameWindow::LoadFrame(UINT resourceId, CSingleDocTemplate* docTemplate, DWORD style) {
    m_docTemplate = docTemplate;
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(resourceId));
    RegisterWindowClass(kFrameClass, CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW), nullptr,
                        icon ? icon : ::LoadIconW(nullptr, IDI_APPLICATION));
    m_accelerators = ::LoadAcceleratorsW(instance, MAKEINTRESOURCEW(resourceId));
    HMENU menu = ::LoadMenuW(instance, MAKEINTRESOURCEW(resourceId));
    std::wstring title = LoadResourceString(IDS_APP_TITLE);
    if (!CreateEx(0, kFrameClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                  nullptr, menu)) {
        if (menu)
            ::DestroyMenu(menu);
        return false;
    }
    return true;
}

void CFrameWindow::InitialUpdateFrame(CDocument*) {
    if (m_view)
        m_view->OnInitialUpdate();
    UpdateFrameTitle();
}

std::wstring CFrameWindow::FrameTitle() const {
    std::wstring app = LoadResourceString(IDS_APP_TITLE);
    CDocument* document = m_view ? m_view->GetDocument() : nullptr;
    return document ? document->Title() + L" - " + app : app;
}

void CFrameWindow::UpdateFrameTitle() {
    if (m_hWnd)
        ::SetWindowTextW(m_hWnd, FrameTitle().c_str());
}

int CFrameWindow::OnCreate(CREATESTRUCTW*) { return OnCreateClient() ? 0 : -1; }

bool CFrameWindow::OnCreateClient() {
    if (!m_docTemplate)
        return true;
    m_view = m_docTemplate->CreateView();
    return m_view && m_view->Create(this, m_docTemplate->Document());
}

void CFrameWindow::RecalcLayout() {
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    for (CControlBar* bar : m_bars) {
        if (!bar->IsVisible())
            continue;
        int width = int(client.right - client.left), height = int(client.bottom - client.top);
        HWND hwnd = bar->GetSafeHwnd();
        switch (bar->Side()) {
        case BarSide::Top: {
            int h = bar->LayoutHeight(width);
            ::MoveWindow(hwnd, client.left, client.top, width, h, TRUE);
            client.top += h;
            break;
        }
        case BarSide::Bottom: {
            int h = bar->LayoutHeight(width);
            ::MoveWindow(hwnd, client.left, client.bottom - h, width, h, TRUE);
            client.bottom -= h;
            break;
        }
        case BarSide::Left: {
            int w = bar->LayoutWidth(height);
            ::MoveWindow(hwnd, client.left, client.top, w, height, TRUE);
            client.left += w;
            break;
        }
        case BarSide::Right: {
            int w = bar->LayoutWidth(height);
            ::MoveWindow(hwnd, client.right - w, client.top, w, height, TRUE);
            client.right -= w;
            break;
        }
        }
    }
    if (m_view && m_view->GetSafeHwnd())
        ::MoveWindow(m_view->GetSafeHwnd(), client.left, client.top,
                     client.right > client.left ? client.right - client.left : 0,
                     client.bottom > client.top ? client.bottom - client.top : 0, TRUE);
}

bool CFrameWindow::OnCmdMsg(UINT id, UINT code) {
    if (m_view && m_view->OnCmdMsg(id, code))
        return true;
    if (HandleOwnCommand(id, code))
        return true;
    CApplication* app = CApplication::Current();
    return app && app->OnCmdMsg(id, code);
}

bool CFrameWindow::OnUpdateCmdUI(CCommandUI& ui) {
    if (m_view && m_view->OnUpdateCmdUI(ui))
        return true;
    if (HandleOwnUpdate(ui))
        return true;
    CApplication* app = CApplication::Current();
    return app && app->OnUpdateCmdUI(ui);
}

bool CFrameWindow::HasCommandHandler(UINT id, UINT code) {
    if (m_view && m_view->HasCommandHandler(id, code))
        return true;
    if (HasOwnHandler(id, code))
        return true;
    CApplication* app = CApplication::Current();
    return app && app->HasCommandHandler(id, code);
}

void CFrameWindow::OnClose() {
    // A modal dialog or message box owned by the frame is still running on this window.
    if (!::IsWindowEnabled(m_hWnd))
        return;
    CDocument* document = m_view ? m_view->GetDocument() : nullptr;
    if (document) {
        if (!document->SaveModified())
            return;
        document->OnCloseDocument();
    }
    ::DestroyWindow(m_hWnd);
}

void CFrameWindow::OnIdleUpdateCmdUI() {
    for (CControlBar* bar : m_bars)
        if (bar->IsVisible())
            bar->OnUpdateCmdUI(*this);
}

void CFrameWindow::OnInitMenuPopup(HMENU menu) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id == 0 || id == UINT(-1))
            continue;  // separator or submenu
        CMenuCommandUI ui(menu, UINT(i), id);
        UpdateCommandUI(ui);
        // An update handler may have inserted or removed items (the recent-file list).
        count = ::GetMenuItemCount(menu);
    }
}

void CFrameWindow::ShowPrompt(UINT id) {
    std::wstring prompt = LoadResourceString(id ? id : IDS_IDLEMESSAGE);
    prompt = prompt.substr(0, prompt.find(L'\n'));
    for (CControlBar* bar : m_bars)
        if (CStatusBar* status = dynamic_cast<CStatusBar*>(bar))
            status->SetPaneText(0, prompt);
}

void CFrameWindow::OnMenuSelect(UINT id, UINT flags) {
    if (flags == 0xFFFF)
        ShowPrompt(0);  // menu closed
    else if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id)
        ShowPrompt(id);
    else
        for (CControlBar* bar : m_bars)
            if (CStatusBar* status = dynamic_cast<CStatusBar*>(bar))
                status->SetPaneText(0, std::wstring());
}

void CFrameWindow::OnDropFiles(HDROP drop) {
    // Only the first file counts: there is one document.
    wchar_t path[MAX_PATH] = {};
    UINT length = ::DragQueryFileW(drop, 0, path, MAX_PATH);
    ::DragFinish(drop);
    if (length == 0 || length >= MAX_PATH)
        return;
    ::SetActiveWindow(GetSafeHwnd());
    if (CApplication* app = CApplication::Current())
        app->OpenDocumentFile(path);
}

LRESULT CFrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    for (const MessageEntry& entry : m_messages) {
        if (entry.message == message) {
            MessageHandler handler = entry.handler;
            return handler(wParam, lParam);
        }
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_SETFOCUS:
        if (m_view && m_view->GetSafeHwnd())
            ::SetFocus(m_view->GetSafeHwnd());
        return 0;
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        UINT code = HIWORD(wParam);
        if (lParam == 0) {
            code = 0;  // menus (0) and accelerators (1) are one command
            // A command may have become disabled since its menu was drawn, or come from another
            // program: what its item would show decides.
            if (!IsCommandEnabled(id))
                return 0;
        }
        if (OnCmdMsg(id, code))
            return 0;
        break;
    }
    case WM_NOTIFY: {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        LRESULT result = 0;
        for (CControlBar* bar : m_bars)
            if (bar->OnNotify(header, result))
                return result;
        if (header.code == TTN_GETDISPINFOW) {
            // A tool tip of a bar's button: the short form after the prompt's line feed.
            auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
            if (!(info.uFlags & TTF_IDISHWND)) {
                std::wstring text = LoadResourceString(UINT(header.idFrom));
                size_t feed = text.find(L'\n');
                text = feed == std::wstring::npos ? std::wstring() : text.substr(feed + 1);
                lstrcpynW(info.szText, text.c_str(), int(sizeof info.szText / sizeof info.szText[0]));
                info.lpszText = info.szText;
            }
            return 0;
        }
        break;
    }
    case WM_ACTIVATE:
        OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lParam))
            OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
    case WM_MENUSELECT:
        OnMenuSelect(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_IDLEUPDATECMDUI:
        OnIdleUpdateCmdUI();
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    case WM_NCDESTROY: {
        CApplication* app = CApplication::Current();
        if (app && app->MainFrame() == this) {
            app->SetMainFrame(nullptr);
            ::PostQuitMessage(0);
        }
        break;
    }
    }
    return CWindow::WindowProc(message, wParam, lParam);
}
