// Owners of the GDI handles the view uses: objects, device contexts and selections.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const {
        if (object)
            ::DeleteObject(object);
    }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using BitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;

struct MemoryDcDeleter {
    void operator()(HDC dc) const {
        if (dc)
            ::DeleteDC(dc);
    }
};
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// A window's device context for drawing outside WM_PAINT.
class CClientDc {
public:
    explicit CClientDc(HWND hwnd) : m_hwnd(hwnd), m_dc(::GetDC(hwnd)) {}
    ~CClientDc() {
        if (m_dc)
            ::ReleaseDC(m_hwnd, m_dc);
    }
    CClientDc(const CClientDc&) = delete;
    CClientDc& operator=(const CClientDc&) = delete;
    operator HDC() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

// Selects an object into a device context and puts the previous one back.
class CSelection {
public:
    CSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
    ~CSelection() {
        if (m_old)
            ::SelectObject(m_dc, m_old);
    }
    CSelection(const CSelection&) = delete;
    CSelection& operator=(const CSelection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};
