// The editor's bilingual document: the framework's document over the document data.
#pragma once

#include "Document.h"
#include "WXBDocData.h"

// Hint to the view that the store was cleared: its caret, selection and layout cache go.
constexpr LPARAM kHintStoreCleared = 1;

class CWXBDoc : public CDocument, private CDocDataWatcher {
public:
    CWXBDoc();

    CWXBDocData& Data() { return m_data; }
    const CWXBDocData& Data() const { return m_data; }

    // Set by the application around every call into a translation engine; a close request
    // dispatched between two sentences of a run is refused meanwhile.
    void SetEngineCallInProgress(bool inProgress) { m_engineCallInProgress = inProgress; }
    bool IsEngineCallInProgress() const { return m_engineCallInProgress; }

    bool OnNewDocument() override;
    void DeleteContents() override;
    bool SaveModified() override;
    bool DoSave(const std::wstring& path) override;

private:
    void OnStoreCleared() override;

    CWXBDocData m_data;
    bool m_engineCallInProgress = false;
};
