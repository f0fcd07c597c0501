// The editor's bilingual document: the framework's document over the document data.
#pragma once

#include "Document.h"
#include "TextFileHost.h"
#include "WXBDocData.h"

// Hint to the view that the store was cleared: its caret, selection and layout cache go.
constexpr LPARAM kHintStoreCleared = 1;

class CWXBDoc : public CDocument, private CDocDataWatcher {
public:
    explicit CWXBDoc(CTextFileHost& host);

    CWXBDocData& Data() { return m_data; }
    const CWXBDocData& Data() const { return m_data; }

    // Set by the application around every call into a translation engine; a close request
    // dispatched between two sentences of a run is refused meanwhile.
    void SetEngineCallInProgress(bool inProgress) { m_engineCallInProgress = inProgress; }
    bool IsEngineCallInProgress() const { return m_engineCallInProgress; }

    bool OnNewDocument() override;
    bool OnOpenDocument(const std::wstring& path) override;
    // A file that could not be read at all leaves the previous document as it was.
    void OnOpenFailed() override;
    bool OnSaveDocument(const std::wstring& path) override;
    // The title of a document read from a text file names the code it was read in.
    void SetPathName(const std::wstring& path, bool addToRecentFiles = true) override;
    void DeleteContents() override;
    bool SaveModified() override;
    bool DoSave(const std::wstring& path) override;
    // replace false saves a copy: the document keeps its path.
    bool DoSave(const std::wstring& path, bool replace);

private:
    void OnStoreCleared() override;

    CTextFileHost& m_host;
    CWXBDocData m_data;
    bool m_engineCallInProgress = false;
    bool m_openLeftContents = false;
};
