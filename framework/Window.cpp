// Base of every window class: one thunk ties the HWND to its C++ object.
#include "Window.h"

namespace {
const wchar_t kObjectProperty[] = L"TwinWindowObject";
}

CWindow::~CWindow() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        // The object goes first: detach so that late messages reach DefWindowProc only.
        ::RemovePropW(m_hWnd, kObjectProperty);
        ::DestroyWindow(m_hWnd);
    }
}

CWindow* CWindow::FromHandle(HWND hwnd) {
    return hwnd ? static_cast<CWindow*>(::GetPropW(hwnd, kObjectProperty)) : nullptr;
}

bool CWindow::RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background,
                                  HICON icon) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing = {sizeof existing};
    if (::GetClassInfoExW(instance, className, &existing))
        return true;
    WNDCLASSEXW wc = {sizeof wc};
    wc.style = style;
    wc.lpfnWndProc = Thunk;
    wc.hInstance = instance;
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = className;
    return ::RegisterClassExW(&wc) != 0;
}

bool CWindow::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                       int width, int height, HWND parent, HMENU menuOrId) {
    HWND hwnd = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId,
                                  ::GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

LRESULT CWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CWindow::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindow::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWindow* self = FromHandle(hwnd);
    if (!self && message == WM_NCCREATE) {
        self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) {
            self->m_hWnd = hwnd;
            ::SetPropW(hwnd, kObjectProperty, self);
        }
    }
    if (!self)
        return ::DefWindowProcW(hwnd, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->WindowProc(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's code; the message counts as unhandled.
        result = ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::RemovePropW(hwnd, kObjectProperty);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
    }
    return result;
}
