// The editor's bilingual document: the framework's document over the document data.
#include "WXBDoc.h"

#include "Application.h"
#include "FrameWindow.h"
#include "ResourceText.h"
#include "resource.h"

CWXBDoc::CWXBDoc() {
    m_data.SetWatcher(this);
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
