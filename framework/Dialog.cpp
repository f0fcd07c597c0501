// Base of dialogs from resource templates, modal or modeless, with a command map of their own.
#include "Dialog.h"

#include "Application.h"

namespace {
const wchar_t kObjectProperty[] = L"TwinDialogObject";
}

CDialog::~CDialog() {
    if (m_hWnd && ::IsWindow(m_hWnd) && !m_modal) {
        ::RemovePropW(m_hWnd, kObjectProperty);
        if (CApplication* app = CApplication::Current())
            app->RemoveModelessDialog(m_hWnd);
        ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal() {
    m_modal = true;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent, Thunk,
                             reinterpret_cast<LPARAM>(this));
}

bool CDialog::Create() {
    m_modal = false;
    HWND hwnd = ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_templateId), m_parent, Thunk,
                                     reinterpret_cast<LPARAM>(this));
    if (hwnd)
        if (CApplication* app = CApplication::Current())
            app->AddModelessDialog(hwnd);
    return hwnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result) {
    if (m_modal) {
        ::EndDialog(m_hWnd, result);
    } else {
        if (CApplication* app = CApplication::Current())
            app->RemoveModelessDialog(m_hWnd);
        ::DestroyWindow(m_hWnd);
    }
}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK CDialog::Thunk(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* self = static_cast<CDialog*>(::GetPropW(hwnd, kObjectProperty));
    if (!self && message == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetPropW(hwnd, kObjectProperty, self);
    }
    if (!self)
        return FALSE;
    INT_PTR result = FALSE;
    try {
        result = self->DialogProc(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the dialog manager.
        result = FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::RemovePropW(hwnd, kObjectProperty);
        self->m_hWnd = nullptr;
    }
    return result;
}

INT_PTR CDialog::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND: {
        UINT id = LOWORD(wParam);
        UINT code = HIWORD(wParam);
        if (lParam == 0)
            code = 0;
        if (OnCmdMsg(id, code))
            return TRUE;
        if (code == BN_CLICKED && id == IDOK) {
            OnOK();
            return TRUE;
        }
        if (code == BN_CLICKED && id == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    }
    INT_PTR result = 0;
    if (OnMessage(message, wParam, lParam, result)) {
        ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    return FALSE;
}
