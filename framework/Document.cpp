// Base of the document: title, path, modified flag, its view, and the hooks of new/open/save/close.
#include "Document.h"

#include "Application.h"
#include "FrameWindow.h"
#include "FrameworkIds.h"
#include "ResourceText.h"
#include "View.h"

#include <commdlg.h>

namespace {
std::wstring FileTitle(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/:");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}
} // namespace

CDocument::CDocument() : m_title(LoadResourceString(IDS_UNTITLED)) {}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_pathName.clear();
    SetTitle(LoadResourceString(IDS_UNTITLED));
    SetModified(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        HWND owner = CApplication::Current()->MainFrame() ? CApplication::Current()->MainFrame()->GetSafeHwnd()
                                                          : nullptr;
        ShowMessageBox(owner, LoadResourceString(IDS_FAILED_TO_OPEN) + L"\n" + path, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    ::CloseHandle(file);
    DeleteContents();
    SetModified(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::wstring&) { return false; }

void CDocument::OnCloseDocument() { DeleteContents(); }

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    CFrameWindow* frame = CApplication::Current()->MainFrame();
    std::wstring name = m_pathName.empty() ? m_title : m_pathName;
    int answer = ShowMessageBox(frame ? frame->GetSafeHwnd() : nullptr, FormatResourceString(IDS_ASK_TO_SAVE, name),
                                MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL)
        return false;
    if (answer == IDYES)
        return DoSave(m_pathName);
    return true;
}

bool CDocument::DoSave(const std::wstring& path) {
    std::wstring target = path;
    if (target.empty()) {
        wchar_t buffer[MAX_PATH] = {};
        lstrcpynW(buffer, m_title.c_str(), MAX_PATH);
        std::wstring filter = LoadResourceString(IDS_ALLFILTER) + L'\0' + L"*.*" + L'\0';
        std::wstring title = LoadResourceString(IDS_SAVEFILE);
        OPENFILENAMEW ofn = {sizeof ofn};
        CFrameWindow* frame = CApplication::Current()->MainFrame();
        ofn.hwndOwner = frame ? frame->GetSafeHwnd() : nullptr;
        ofn.lpstrFilter = filter.c_str();
        ofn.lpstrFile = buffer;
        ofn.nMaxFile = MAX_PATH;
        ofn.lpstrTitle = title.c_str();
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        if (!::GetSaveFileNameW(&ofn))
            return false;
        target = buffer;
    }
    if (!OnSaveDocument(target))
        return false;
    SetPathName(target);
    SetModified(false);
    return true;
}

void CDocument::OnFileSave() { DoSave(m_pathName); }

void CDocument::OnFileSaveAs() { DoSave(std::wstring()); }

void CDocument::SetTitle(const std::wstring& title) {
    m_title = title;
    if (CFrameWindow* frame = CApplication::Current()->MainFrame())
        frame->UpdateFrameTitle();
}

void CDocument::SetPathName(const std::wstring& path, bool addToRecentFiles) {
    m_pathName = path;
    SetTitle(FileTitle(path));
    if (addToRecentFiles)
        CApplication::Current()->AddToRecentFileList(path);
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint) {
    if (m_view && m_view != sender)
        m_view->OnUpdate(sender, hint);
}
