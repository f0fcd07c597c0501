// Toolbar and status bar of a frame, built on the common controls.
#include "ControlBars.h"

#include "FrameWindow.h"
#include "FrameworkIds.h"
#include "ResourceText.h"

#include <commctrl.h>

#include <algorithm>

namespace {

class CToolButtonUI : public CCommandUI {
public:
    CToolButtonUI(HWND toolbar, UINT id) : CCommandUI(id), m_toolbar(toolbar) {}
    void Enable(bool on) override { ::SendMessageW(m_toolbar, TB_ENABLEBUTTON, Id(), MAKELPARAM(on, 0)); }
    void SetCheck(int state) override { ::SendMessageW(m_toolbar, TB_CHECKBUTTON, Id(), MAKELPARAM(state != 0, 0)); }
    void SetText(const std::wstring&) override {}

private:
    HWND m_toolbar;
};

class CIndicatorUI : public CCommandUI {
public:
    CIndicatorUI(CStatusBar& bar, int pane, UINT id) : CCommandUI(id), m_bar(bar), m_pane(pane) {}
    void Enable(bool on) override { m_bar.SetPaneText(m_pane, on ? LoadResourceString(Id()) : std::wstring()); }
    void SetCheck(int) override {}
    void SetText(const std::wstring& text) override { m_bar.SetPaneText(m_pane, text); }

private:
    CStatusBar& m_bar;
    int m_pane;
};

} // namespace

void CControlBar::Show(bool show) {
    if (m_hWnd)
        ::ShowWindow(m_hWnd, show ? SW_SHOWNA : SW_HIDE);
}

int CControlBar::LayoutHeight(int) { return PreferredSize(true).cy; }

int CControlBar::LayoutWidth(int) { return PreferredSize(false).cx; }

SIZE CControlBar::PreferredSize(bool) {
    RECT rc = {};
    ::GetWindowRect(m_hWnd, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

bool CToolBar::Create(CFrameWindow* frame, UINT id) {
    m_hWnd = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN |
                                   CCS_NORESIZE | CCS_NODIVIDER,
                               0, 0, 0, 0, frame->GetSafeHwnd(), reinterpret_cast<HMENU>(UINT_PTR(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    if (!m_hWnd)
        return false;
    ::SendMessageW(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

bool CToolBar::SetButtons(const UINT* ids, int count, UINT bitmapId, int imageCount) {
    if (bitmapId) {
        TBADDBITMAP bitmap = {::GetModuleHandleW(nullptr), bitmapId};
        if (::SendMessageW(m_hWnd, TB_ADDBITMAP, WPARAM(imageCount), reinterpret_cast<LPARAM>(&bitmap)) < 0)
            return false;
    }
    std::vector<TBBUTTON> buttons(static_cast<size_t>(count));
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON& b = buttons[size_t(i)];
        b = TBBUTTON{};
        if (ids[i] == 0) {
            b.fsStyle = BTNS_SEP;
            continue;
        }
        b.idCommand = int(ids[i]);
        b.iBitmap = bitmapId ? image++ : I_IMAGENONE;
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = BTNS_BUTTON;
    }
    return ::SendMessageW(m_hWnd, TB_ADDBUTTONSW, WPARAM(count), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

int CToolBar::ButtonCount() const { return int(::SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0)); }

bool CToolBar::IsButtonEnabled(UINT id) const { return ::SendMessageW(m_hWnd, TB_ISBUTTONENABLED, id, 0) != 0; }

bool CToolBar::IsButtonChecked(UINT id) const { return ::SendMessageW(m_hWnd, TB_ISBUTTONCHECKED, id, 0) != 0; }

int CToolBar::LayoutHeight(int) {
    DWORD size = DWORD(::SendMessageW(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
    return HIWORD(size) + 4;
}

SIZE CToolBar::PreferredSize(bool) {
    // The extent of the buttons as the control has laid them out.
    SIZE size = {0, 0};
    int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        RECT rc = {};
        if (!::SendMessageW(m_hWnd, TB_GETITEMRECT, WPARAM(i), reinterpret_cast<LPARAM>(&rc)))
            continue;
        TBBUTTON button = {};
        ::SendMessageW(m_hWnd, TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsState & TBSTATE_HIDDEN)
            continue;
        size.cx = std::max(size.cx, LONG(rc.right));
        size.cy = std::max(size.cy, LONG(rc.bottom));
    }
    DWORD buttonSize = DWORD(::SendMessageW(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
    size.cy = std::max(size.cy, LONG(HIWORD(buttonSize)));
    size.cx = std::max(size.cx, LONG(LOWORD(buttonSize)));
    return size;
}

void CToolBar::OnUpdateCmdUI(CCommandTarget& target) {
    int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = {};
        ::SendMessageW(m_hWnd, TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&button));
        if (button.fsStyle & BTNS_SEP)
            continue;
        CToolButtonUI ui(m_hWnd, UINT(button.idCommand));
        target.UpdateCommandUI(ui);
    }
}

bool CStatusBar::Create(CFrameWindow* frame, UINT id) {
    m_hWnd = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE,
                               0, 0, 0, 0, frame->GetSafeHwnd(), reinterpret_cast<HMENU>(UINT_PTR(id)),
                               ::GetModuleHandleW(nullptr), nullptr);
    return m_hWnd != nullptr;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    m_indicators.assign(ids, ids + count);
    m_widths.assign(size_t(count), 0);
    m_noBorders.assign(size_t(count), false);
    for (int i = 1; i < count; ++i)
        m_widths[size_t(i)] = ids[i] ? MeasureText(LoadResourceString(ids[i])) : 0;
    ApplyPaneWidths();
    if (count > 0 && ids[0] == 0)
        SetPaneText(0, LoadResourceString(IDS_IDLEMESSAGE));
    return true;
}

void CStatusBar::SetPaneNoBorders(int index) {
    if (index < 0 || size_t(index) >= m_noBorders.size())
        return;
    m_noBorders[size_t(index)] = true;
    std::wstring text = PaneText(index);
    ::SendMessageW(m_hWnd, SB_SETTEXTW, WPARAM(index) | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

void CStatusBar::SetPaneWidth(int index, int width) {
    if (index <= 0 || size_t(index) >= m_widths.size())
        return;
    m_widths[size_t(index)] = width;
    ApplyPaneWidths();
}

int CStatusBar::MeasureText(const std::wstring& text) const {
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    int borders[3] = {};
    ::SendMessageW(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return size.cx + 2 * borders[2] + 6;
}

void CStatusBar::ApplyPaneWidths() {
    if (m_widths.empty())
        return;
    RECT rc = {};
    ::GetClientRect(m_hWnd, &rc);
    // Panes are laid out from the right edge; the first pane takes what is left.
    std::vector<int> rights(m_widths.size());
    int right = rc.right;
    for (size_t i = m_widths.size(); i-- > 1;) {
        rights[i] = right;
        right -= m_widths[i];
    }
    rights[0] = right > 0 ? right : 0;
    rights.back() = -1;
    ::SendMessageW(m_hWnd, SB_SETPARTS, WPARAM(rights.size()), reinterpret_cast<LPARAM>(rights.data()));
}

void CStatusBar::SetPaneText(int index, const std::wstring& text) {
    // Idle updates set the same text again and again; repaint only on a change.
    if (PaneText(index) == text)
        return;
    WPARAM style = size_t(index) < m_noBorders.size() && m_noBorders[size_t(index)] ? SBT_NOBORDERS : 0;
    ::SendMessageW(m_hWnd, SB_SETTEXTW, WPARAM(index) | style, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring CStatusBar::PaneText(int index) const {
    LRESULT length = LOWORD(::SendMessageW(m_hWnd, SB_GETTEXTLENGTHW, WPARAM(index), 0));
    std::wstring text(size_t(length) + 1, L'\0');
    ::SendMessageW(m_hWnd, SB_GETTEXTW, WPARAM(index), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(size_t(length));
    return text;
}

int CStatusBar::LayoutHeight(int) {
    HDC dc = ::GetDC(m_hWnd);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    HGDIOBJ old = ::SelectObject(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(dc, &tm);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    return tm.tmHeight + 8;
}

void CStatusBar::OnUpdateCmdUI(CCommandTarget& target) {
    ApplyPaneWidths();
    for (size_t i = 1; i < m_indicators.size(); ++i) {
        UINT id = m_indicators[i];
        if (id == 0)
            continue;
        CIndicatorUI ui(*this, int(i), id);
        if (!target.OnUpdateCmdUI(ui)) {
            if (id == ID_INDICATOR_CAPS)
                ui.Enable((::GetKeyState(VK_CAPITAL) & 1) != 0);
            else if (id == ID_INDICATOR_NUM)
                ui.Enable((::GetKeyState(VK_NUMLOCK) & 1) != 0);
        }
    }
}
