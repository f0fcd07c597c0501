// Creates the program's one document, main frame and view, and opens documents into them.
#include "DocTemplate.h"

#include "Application.h"
#include "Document.h"
#include "FrameWindow.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame,
                                       ViewFactory view)
    : m_resourceId(resourceId), m_documentFactory(std::move(document)), m_frameFactory(std::move(frame)),
      m_viewFactory(std::move(view)) {}

CSingleDocTemplate::~CSingleDocTemplate() = default;

bool CSingleDocTemplate::CreateFrame() {
    CFrameWindow* frame = m_frameFactory();
    CApplication* app = CApplication::Current();
    app->SetMainFrame(frame);
    if (!frame->LoadFrame(m_resourceId, this)) {
        // A frame that never got its window is not deleted by it.
        if (!frame->GetSafeHwnd() && app->MainFrame() == frame)
            delete frame;
        app->SetMainFrame(nullptr);
        return false;
    }
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::wstring& path) {
    bool first = !m_document;
    if (first) {
        m_document = m_documentFactory();
        if (!m_document || !CreateFrame()) {
            m_document.reset();
            return nullptr;
        }
    } else if (!m_document->SaveModified()) {
        return nullptr;
    }

    CFrameWindow* frame = CApplication::Current()->MainFrame();
    if (path.empty()) {
        if (!m_document->OnNewDocument())
            return first ? nullptr : m_document.get();
    } else {
        if (!m_document->OnOpenDocument(path)) {
            m_document->OnOpenFailed();
            // A first open that fails still leaves the program with its (empty) document.
            if (first && frame)
                frame->InitialUpdateFrame(m_document.get());
            if (frame)
                frame->UpdateFrameTitle();
            return nullptr;
        }
        m_document->SetPathName(path);
    }
    if (frame) {
        if (first)
            frame->InitialUpdateFrame(m_document.get());
        else
            m_document->UpdateAllViews(nullptr);
        frame->UpdateFrameTitle();
    }
    return m_document.get();
}
