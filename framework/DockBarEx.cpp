// A docking container along one edge of the frame: holds bars in a row (or a column) and lets the
// user drag a bar by its gripper to another edge.
#include "DockBarEx.h"

#include "ContFrameWnd.h"
#include "FrameworkIds.h"

#include <windowsx.h>

#include <algorithm>

namespace {
const wchar_t kDockBarClass[] = L"TwinDockBar";
const int kMargin = 2;   // around the bars, across the edge
const int kGripper = 8;  // before each bar, along the edge
const int kGap = 2;      // between two bars
} // namespace

UINT CDockBarEx::DockBarId(BarSide side) {
    switch (side) {
    case BarSide::Top: return IDW_DOCKBAR_TOP;
    case BarSide::Bottom: return IDW_DOCKBAR_BOTTOM;
    case BarSide::Left: return IDW_DOCKBAR_LEFT;
    case BarSide::Right: return IDW_DOCKBAR_RIGHT;
    }
    return IDW_DOCKBAR_TOP;
}

bool CDockBarEx::Create(CContFrameWnd* frame, BarSide side) {
    m_frame = frame;
    m_side = side;
    RegisterWindowClass(kDockBarClass, 0, ::LoadCursorW(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // Hidden until a visible bar lies in it.
    return CreateEx(0, kDockBarClass, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0,
                    frame->GetSafeHwnd(), reinterpret_cast<HMENU>(UINT_PTR(DockBarId(side))));
}

void CDockBarEx::Dock(CControlBar* bar, size_t position) {
    if (bar->m_dockBar && bar->m_dockBar != this)
        bar->m_dockBar->Undock(bar);
    if (bar->m_dockBar == this)
        m_docked.erase(std::remove(m_docked.begin(), m_docked.end(), bar), m_docked.end());
    ::SetParent(bar->GetSafeHwnd(), m_hWnd);
    bar->m_dockBar = this;
    bar->SetSide(m_side);
    m_docked.insert(m_docked.begin() + ptrdiff_t(std::min(position, m_docked.size())), bar);
    ArrangeBars();
}

void CDockBarEx::Undock(CControlBar* bar) {
    m_docked.erase(std::remove(m_docked.begin(), m_docked.end(), bar), m_docked.end());
    if (bar->m_dockBar == this)
        bar->m_dockBar = nullptr;
    ArrangeBars();
}

bool CDockBarEx::HasVisibleBars() const {
    return std::any_of(m_docked.begin(), m_docked.end(), [](CControlBar* bar) { return bar->IsVisible(); });
}

int CDockBarEx::Thickness() {
    LONG thickest = 0;
    for (CControlBar* bar : m_docked) {
        if (!bar->IsVisible())
            continue;
        SIZE size = bar->PreferredSize(IsHorizontal());
        thickest = std::max(thickest, IsHorizontal() ? size.cy : size.cx);
    }
    return int(thickest) + 2 * kMargin;
}

int CDockBarEx::LayoutHeight(int) { return Thickness(); }

int CDockBarEx::LayoutWidth(int) { return Thickness(); }

void CDockBarEx::ArrangeBars() {
    if (!m_hWnd)
        return;
    bool show = HasVisibleBars();
    if (show != IsVisible())
        ::ShowWindow(m_hWnd, show ? SW_SHOWNA : SW_HIDE);
    int along = 0;
    for (CControlBar* bar : m_docked) {
        if (!bar->IsVisible())
            continue;
        SIZE size = bar->PreferredSize(IsHorizontal());
        along += kGripper;
        if (IsHorizontal())
            ::SetWindowPos(bar->GetSafeHwnd(), nullptr, along, kMargin, size.cx, size.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        else
            ::SetWindowPos(bar->GetSafeHwnd(), nullptr, kMargin, along, size.cx, size.cy,
                           SWP_NOZORDER | SWP_NOACTIVATE);
        along += (IsHorizontal() ? size.cx : size.cy) + kGap;
    }
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

RECT CDockBarEx::GripperRect(const CControlBar* bar) const {
    RECT rc = {};
    ::GetWindowRect(bar->GetSafeHwnd(), &rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    if (IsHorizontal())
        return RECT{rc.left - kGripper, rc.top, rc.left, rc.bottom};
    return RECT{rc.left, rc.top - kGripper, rc.right, rc.top};
}

CControlBar* CDockBarEx::GripperAt(POINT point) const {
    for (CControlBar* bar : m_docked) {
        if (!bar->IsVisible())
            continue;
        RECT rc = GripperRect(bar);
        if (::PtInRect(&rc, point))
            return bar;
    }
    return nullptr;
}

void CDockBarEx::OnUpdateCmdUI(CCommandTarget& target) {
    for (CControlBar* bar : m_docked)
        if (bar->IsVisible())
            bar->OnUpdateCmdUI(target);
}

bool CDockBarEx::OnNotify(NMHDR& header, LRESULT& result) {
    for (CControlBar* bar : m_docked)
        if (bar->OnNotify(header, result))
            return true;
    return false;
}

void CDockBarEx::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    // Two raised ridges across the start of each bar, the classic gripper.
    for (CControlBar* bar : m_docked) {
        if (!bar->IsVisible())
            continue;
        RECT g = GripperRect(bar);
        for (int i = 0; i < 2; ++i) {
            RECT ridge = IsHorizontal() ? RECT{g.left + 2 + 3 * i, g.top + 2, g.left + 5 + 3 * i, g.bottom - 2}
                                        : RECT{g.left + 2, g.top + 2 + 3 * i, g.right - 2, g.top + 5 + 3 * i};
            ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
        }
    }
    ::EndPaint(m_hWnd, &ps);
}

LRESULT CDockBarEx::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point;
            ::GetCursorPos(&point);
            ::ScreenToClient(m_hWnd, &point);
            if (m_dragging || GripperAt(point)) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_SIZEALL));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        m_dragging = GripperAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (m_dragging)
            ::SetCapture(m_hWnd);
        return 0;
    case WM_LBUTTONUP:
        if (CControlBar* bar = m_dragging) {
            m_dragging = nullptr;
            if (::GetCapture() == m_hWnd)
                ::ReleaseCapture();
            POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::MapWindowPoints(m_hWnd, m_frame->GetSafeHwnd(), &point, 1);
            // The frame may move the bar into another container; nothing of this one is used after.
            m_frame->DockControlBarAt(bar, point);
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            m_dragging = nullptr;
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
        // Bars that report to their parent reach the frame as if they lay on it.
        return ::SendMessageW(m_frame->GetSafeHwnd(), message, wParam, lParam);
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
