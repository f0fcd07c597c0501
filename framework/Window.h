// Base of every window class: one thunk ties the HWND to its C++ object.
#pragma once

#include <windows.h>

class CWindow {
public:
    CWindow() = default;
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;
    virtual ~CWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    // The object of a window created by this class, or null.
    static CWindow* FromHandle(HWND hwnd);

    // Registers a class whose procedure is the thunk; idempotent.
    static bool RegisterWindowClass(const wchar_t* className, UINT style, HCURSOR cursor, HBRUSH background,
                                    HICON icon = nullptr);

    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menuOrId);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after WM_NCDESTROY, when the handle is gone.
    virtual void PostNcDestroy() {}

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};
