// The system's open or save dialog with an extra panel of our own below its controls.
#include "FileDialog.h"

#include <vector>

namespace {

// The dialog's file-name field: an edit in older layouts, a combo box in newer ones.
const int kFileNameEdit = 0x0480;
const int kFileNameCombo = 0x047C;

} // namespace

CFileDialog::CFileDialog(bool open, HWND owner, UINT panelTemplate)
    : m_open(open), m_owner(owner), m_panelTemplate(panelTemplate) {}

void CFileDialog::AddFilter(const std::wstring& description, const std::wstring& pattern) {
    m_filters += description;
    m_filters += L'\0';
    m_filters += pattern;
    m_filters += L'\0';
}

bool CFileDialog::DoModal() {
    std::vector<wchar_t> file(MAX_PATH * 2, L'\0');
    m_fileName.copy(file.data(), file.size() - 1);
    std::wstring filters = m_filters + L'\0';

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_owner;
    ofn.hInstance = ::GetModuleHandleW(nullptr);
    ofn.lpstrFilter = m_filters.empty() ? nullptr : filters.c_str();
    ofn.nFilterIndex = m_filterIndex;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = DWORD(file.size());
    ofn.lpstrInitialDir = m_initialFolder.empty() ? nullptr : m_initialFolder.c_str();
    ofn.lpstrTitle = m_title.empty() ? nullptr : m_title.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_NOCHANGEDIR;
    ofn.lpfnHook = Hook;
    ofn.lCustData = reinterpret_cast<LPARAM>(this);
    if (m_panelTemplate) {
        ofn.Flags |= OFN_ENABLETEMPLATE;
        ofn.lpTemplateName = MAKEINTRESOURCEW(m_panelTemplate);
    }

    wchar_t currentFolder[MAX_PATH] = {};
    DWORD folderLength = ::GetCurrentDirectoryW(MAX_PATH, currentFolder);
    m_lastFolder = m_initialFolder;
    BOOL chosen = m_open ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
    if (folderLength > 0 && folderLength < MAX_PATH)
        ::SetCurrentDirectoryW(currentFolder);
    m_panel = nullptr;
    if (!chosen)
        return false;
    m_path = file.data();
    m_filterIndex = ofn.nFilterIndex;
    // A name typed with its own folder ends the dialog there, whatever folder was on show.
    size_t slash = m_path.find_last_of(L"\\/");
    if (slash != std::wstring::npos)
        m_lastFolder = m_path.substr(0, slash == 2 && m_path[1] == L':' ? 3 : slash);
    return true;
}

std::wstring CFileDialog::TypedName() const {
    wchar_t name[MAX_PATH * 2] = {};
    LRESULT length = ::SendMessageW(Dialog(), CDM_GETSPEC, MAX_PATH * 2, reinterpret_cast<LPARAM>(name));
    return length > 0 ? std::wstring(name) : std::wstring();
}

void CFileDialog::SetTypedName(const std::wstring& name) const {
    HWND dialog = Dialog();
    UINT field = ::GetDlgItem(dialog, kFileNameCombo) ? kFileNameCombo : kFileNameEdit;
    ::SendMessageW(dialog, CDM_SETCONTROLTEXT, field, reinterpret_cast<LPARAM>(name.c_str()));
}

void CFileDialog::NoteFolder() {
    wchar_t folder[MAX_PATH * 2] = {};
    if (::SendMessageW(Dialog(), CDM_GETFOLDERPATH, MAX_PATH * 2, reinterpret_cast<LPARAM>(folder)) > 0)
        m_lastFolder = folder;
}

UINT_PTR CALLBACK CFileDialog::Hook(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    CFileDialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<CFileDialog*>(reinterpret_cast<OPENFILENAMEW*>(lParam)->lCustData);
        ::SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_panel = panel;
    } else {
        self = reinterpret_cast<CFileDialog*>(::GetWindowLongPtrW(panel, GWLP_USERDATA));
    }
    return self ? self->OnHookMessage(message, wParam, lParam) : 0;
}

UINT_PTR CFileDialog::OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitPanel();
        return TRUE;
    case WM_COMMAND:
        OnPanelCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY: {
        auto* notify = reinterpret_cast<OFNOTIFYW*>(lParam);
        switch (notify->hdr.code) {
        case CDN_FOLDERCHANGE:
            NoteFolder();
            return 0;
        case CDN_TYPECHANGE:
            m_filterIndex = notify->lpOFN->nFilterIndex;
            OnTypeChange(m_filterIndex);
            return 0;
        case CDN_FILEOK:
            m_filterIndex = notify->lpOFN->nFilterIndex;
            NoteFolder();
            if (!OnFileOk(notify->lpOFN->lpstrFile)) {
                ::SetWindowLongPtrW(m_panel, DWLP_MSGRESULT, 1);
                return 1;
            }
            return 0;
        default:
            return 0;
        }
    }
    default:
        return 0;
    }
}
