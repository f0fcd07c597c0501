// Base of dialogs from resource templates, modal or modeless, with a command map of their own.
#pragma once

#include "CommandTarget.h"

#include <windows.h>

class CDialog : public CCommandTarget {
public:
    CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    INT_PTR DoModal();
    // Modeless: the dialog takes part in the application's message loop until destroyed.
    bool Create();
    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

protected:
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Any other message; return true when handled, with the result in result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
    void EndDialog(INT_PTR result);
    HWND Item(int id) const { return ::GetDlgItem(m_hWnd, id); }

    HWND m_hWnd = nullptr;

private:
    static INT_PTR CALLBACK Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_parent;
    bool m_modal = false;
};
