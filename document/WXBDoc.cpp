// The editor's bilingual document: the framework's document over the document data.
#include "WXBDoc.h"

#include "Application.h"
#include "CodePages.h"
#include "TextCodes.h"
#include "FrameWindow.h"
#include "ResourceText.h"
#include "resource.h"

namespace {

// The whole file; false when it cannot be read.
bool ReadWholeFile(const std::wstring& path, FileBytes& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool ok = ::GetFileSizeEx(file, &size) && size.QuadPart < (LONGLONG(1) << 31);
    if (ok) {
        bytes.resize(size_t(size.QuadPart));
        DWORD read = 0;
        ok = bytes.empty() || (::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) &&
                               read == bytes.size());
    }
    ::CloseHandle(file);
    return ok;
}

HWND MainWindow() {
    CFrameWindow* frame = CApplication::Current()->MainFrame();
    return frame ? frame->GetSafeHwnd() : nullptr;
}

} // namespace

CWXBDoc::CWXBDoc(CTextFileHost& host) : m_host(host) { m_data.SetWatcher(this); }

bool CWXBDoc::OnOpenDocument(const std::wstring& path) {
    FileBytes bytes;
    if (!ReadWholeFile(path, bytes)) {
        ShowMessageBox(MainWindow(), LoadResourceString(IDS_FAILED_TO_OPEN) + L"\n" + path,
                       MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    bool tooMany = false;
    if (IsLinePerSentenceName(path)) {
        LineFileOutcome outcome = ReadLinePerSentenceFile(bytes, m_host.Direction(), m_host.AutoFileCheck(), m_data);
        tooMany = outcome.tooManySentences;
        m_data.SetSwitching(true);
        m_host.LinePerSentenceFileRead(outcome);
        m_data.SetSwitching(false);
    } else {
        TextReadOutcome outcome =
            ReadTextFile(bytes, m_host.TakeReadRequest(), SystemCodePages(), ProgramCharacterTables(), m_data);
        if (outcome.end == SegmentationEnd::BilingualFile) {
            // Bilingual files are no plain text; this document cannot read them.
            ShowMessageBox(MainWindow(), LoadResourceString(IDS_FAILED_TO_OPEN) + L"\n" + path,
                           MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        tooMany = outcome.end == SegmentationEnd::TooManySentences;
        m_data.SetSwitching(true);
        m_host.TextFileRead(outcome);
        m_data.SetSwitching(false);
    }
    if (tooMany)
        ShowMessageBox(MainWindow(), IDS_FILE_TOO_LARGE, MB_OK | MB_ICONEXCLAMATION);
    SetModified(false);
    return true;
}

void CWXBDoc::SetPathName(const std::wstring& path, bool addToRecentFiles) {
    CDocument::SetPathName(path, addToRecentFiles);
    if (m_data.FromText() && !path.empty()) {
        const char* suffix = TitleSuffixOf(m_host.LastLoadCode());
        int length = ::MultiByteToWideChar(932, 0, suffix, -1, nullptr, 0);
        std::wstring wide(size_t(length > 0 ? length - 1 : 0), L'\0');
        if (length > 1)
            ::MultiByteToWideChar(932, 0, suffix, -1, &wide[0], length);
        SetTitle(Title() + wide);
    }
}

bool CWXBDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument())
        return false;
    m_data.NewDocument();
    return true;
}

void CWXBDoc::DeleteContents() {
    m_data.Clear();
}

bool CWXBDoc::SaveModified() {
    if (m_engineCallInProgress) {
        CFrameWindow* frame = CApplication::Current()->MainFrame();
        ShowMessageBox(frame ? frame->GetSafeHwnd() : nullptr, IDS_CANNOT_EXIT_TRANSLATING,
                       MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return CDocument::SaveModified();
}

bool CWXBDoc::DoSave(const std::wstring& path) {
    // A document read from plain text is never overwritten without the dialog.
    SavePlan plan = m_data.PlanSave(path, true, PathName(), Title());
    return CDocument::DoSave(plan.showDialog ? std::wstring() : path);
}

void CWXBDoc::OnStoreCleared() {
    if (!PathName().empty()) {
        std::wstring title = Title();
        SetPathName(std::wstring(), false);
        SetTitle(title);
    }
    UpdateAllViews(nullptr, kHintStoreCleared);
}
