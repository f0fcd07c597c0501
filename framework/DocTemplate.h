// Creates the program's one document, main frame and view, and opens documents into them.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

class CDocument;
class CFrameWindow;
class CView;

class CSingleDocTemplate {
public:
    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CFrameWindow*()>;
    using ViewFactory = std::function<CView*()>;

    CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
    ~CSingleDocTemplate();

    UINT ResourceId() const { return m_resourceId; }
    CDocument* Document() const { return m_document.get(); }
    CView* CreateView() const { return m_viewFactory(); }

    // A new document when the path is empty. The first call creates document, frame and view;
    // later calls reuse them. Null when the document could not be made or opened.
    CDocument* OpenDocumentFile(const std::wstring& path);

private:
    bool CreateFrame();

    UINT m_resourceId;
    DocumentFactory m_documentFactory;
    FrameFactory m_frameFactory;
    ViewFactory m_viewFactory;
    std::unique_ptr<CDocument> m_document;
    bool m_frameCreated = false;
};
