// The editor's bilingual document: the framework's document over the document data.
#include "WXBDoc.h"

#include "Application.h"
#include "CharacterTablesResource.h"
#include "CodePages.h"
#include "FileAccess.h"
#include "FileErrors.h"
#include "TextFileWriter.h"
#include "WideText.h"
#include "TextCodes.h"
#include "FrameWindow.h"
#include "ResourceText.h"
#include "resource.h"

namespace {

HWND MainWindow() {
    CFrameWindow* frame = CApplication::Current()->MainFrame();
    return frame ? frame->GetSafeHwnd() : nullptr;
}

} // namespace

CWXBDoc::CWXBDoc(CTextFileHost& host) : m_host(host) {
    m_data.SetWatcher(this);
    OnCommand(ID_FILE_SAVE, [this] { OnFileSave(); });
    OnCommand(ID_FILE_SAVE_AS, [this] { OnFileSaveAs(); });
}

bool CWXBDoc::OnOpenDocument(const std::wstring& path) {
    FileBytes bytes;
    DWORD error = 0;
    switch (ReadWholeFile(path, bytes, error)) {
    case FileReadResult::Read:
        break;
    case FileReadResult::OutOfMemory:
        m_openLeftContents = true;
        ShowMessageBox(MainWindow(), IDS_OUT_OF_MEMORY, MB_OK | MB_ICONEXCLAMATION);
        return false;
    case FileReadResult::Failed:
        m_openLeftContents = true;
        ShowMessageBox(MainWindow(), FileErrorMessage(error, path), MB_OK | MB_ICONEXCLAMATION);
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
            // Bilingual files are no plain text; the reader has left the document as it was.
            m_openLeftContents = true;
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
        SetTitle(Title() + WideOf(TitleSuffixOf(m_host.LastLoadCode()), 932));
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

void CWXBDoc::OnOpenFailed() {
    // A document that was never set up (the first open of the program) starts empty all the same.
    bool neverSetUp = Title().empty();
    if (m_openLeftContents && !neverSetUp) {
        m_openLeftContents = false;
        return;
    }
    CDocument::OnOpenFailed();
}

bool CWXBDoc::OnSaveDocument(const std::wstring& path) {
    FileBytes bytes;
    int kind = m_data.DocKind();
    if (kind != kFileJapaneseText && kind != kFileChineseText) {
        // Bilingual files are written by their own writer, which this build does not have yet.
        ShowMessageBox(MainWindow(), IDS_FAILED_TO_SAVE, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    try {
        int language = kind == kFileJapaneseText ? kLangJapanese : kLangChinese;
        bytes = WriteTextFile(m_data, m_host.TextWriteSettings(language), SystemCodePages(),
                              ProgramCharacterTables());
    } catch (const std::bad_alloc&) {
        ShowMessageBox(MainWindow(), IDS_OUT_OF_MEMORY, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    DWORD error = 0;
    if (!WriteWholeFile(path, bytes, error)) {
        ShowMessageBox(MainWindow(), FileErrorMessage(error, path), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CWXBDoc::DoSave(const std::wstring& path) { return DoSave(path, true); }

bool CWXBDoc::DoSave(const std::wstring& path, bool replace) {
    // A document read from plain text is never overwritten without the dialog.
    SavePlan plan = m_data.PlanSave(path, replace, PathName(), Title());
    std::wstring target = path;
    if (plan.showDialog) {
        SaveFileChoice choice;
        bool chosen = m_host.ChooseSaveFile(plan.suggestedName, replace, m_data.DocKind(), choice);
        m_data.NoteSaveTypeShown(choice.lastTypeShown);
        if (!chosen)
            return false;
        m_data.NoteSaveAsChoice(choice.fileType);
        target = choice.path;
    }
    // The file is written beside its place and moved there only when complete, so a failed
    // save leaves no new file behind and an existing one as it was.
    if (!OnSaveDocument(target))
        return false;
    if (replace) {
        CDocument::SetPathName(target, true);
        if (m_data.FromText()) {
            std::string suffix = m_host.TitleSuffixAfterTextSave(m_data.DocKind());
            SetTitle(Title() + WideOf(suffix, 932));
        }
    }
    SetModified(false);
    return true;
}

void CWXBDoc::OnStoreCleared() {
    if (!PathName().empty()) {
        std::wstring title = Title();
        SetPathName(std::wstring(), false);
        SetTitle(title);
    }
    UpdateAllViews(nullptr, kHintStoreCleared);
}
