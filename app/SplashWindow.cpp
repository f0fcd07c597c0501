// The picture shown over the main window for a few seconds after a plain start.
#include "SplashWindow.h"

namespace {
const wchar_t kSplashClass[] = L"TwinSplash";
const UINT_PTR kSplashTimer = 1;
const UINT_PTR kRaiseTimer = 2;
const int kRestacks = 10;
} // namespace

CSplashWnd::~CSplashWnd() {
    if (m_bitmap)
        ::DeleteObject(m_bitmap);
}

bool CSplashWnd::Show(HWND owner, UINT bitmapId, UINT milliseconds) {
    if (m_hWnd)
        return true;
    if (!m_bitmap)
        m_bitmap = static_cast<HBITMAP>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0, 0));
    if (!m_bitmap)
        return false;
    BITMAP info = {};
    ::GetObjectW(m_bitmap, sizeof info, &info);
    RECT work = {};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + (work.right - work.left - info.bmWidth) / 2;
    int y = work.top + (work.bottom - work.top - info.bmHeight) / 2;
    RegisterWindowClass(kSplashClass, 0, ::LoadCursorW(nullptr, IDC_ARROW), nullptr);
    // Made visible with its owner when the owner is not shown yet, so that it lies above it.
    DWORD visible = owner && !::IsWindowVisible(owner) ? 0 : WS_VISIBLE;
    if (!CreateEx(WS_EX_TOOLWINDOW, kSplashClass, L"", WS_POPUP | visible, x, y, info.bmWidth, info.bmHeight,
                  owner, nullptr))
        return false;
    ::SetTimer(m_hWnd, kSplashTimer, milliseconds, nullptr);
    ::UpdateWindow(m_hWnd);
    return true;
}

void CSplashWnd::OwnerShown() {
    if (!m_hWnd || ::IsWindowVisible(m_hWnd))
        return;
    // Topmost for its few seconds: the owner's activation must not raise the owner above it.
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::UpdateWindow(m_hWnd);
    m_restacks = 0;
    ::SetTimer(m_hWnd, kRaiseTimer, 100, nullptr);
}

void CSplashWnd::Dismiss() {
    if (!m_hWnd)
        return;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    ::DestroyWindow(m_hWnd);
    if (owner)
        ::RedrawWindow(owner, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CSplashWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        HDC memory = ::CreateCompatibleDC(dc);
        HGDIOBJ old = ::SelectObject(memory, m_bitmap);
        BITMAP info = {};
        ::GetObjectW(m_bitmap, sizeof info, &info);
        ::BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteDC(memory);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kSplashTimer) {
            Dismiss();
            return 0;
        }
        if (wParam == kRaiseTimer) {
            // While the owner comes up, restack for real: a display server that keeps its own
            // window order (Wine's X11 driver without a window manager) may put the owner on top.
            if (++m_restacks >= kRestacks)
                ::KillTimer(m_hWnd, kRaiseTimer);
            const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
            ::SetWindowPos(m_hWnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
            ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
            return 0;
        }

        break;
    case WM_DESTROY:
        ::KillTimer(m_hWnd, kSplashTimer);
        break;
    }
    return CWindow::WindowProc(message, wParam, lParam);
}
