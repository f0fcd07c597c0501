// Base of the document's view: the frame's client child, first in the command chain.
#include "View.h"

#include "Document.h"
#include "FrameWindow.h"
#include "FrameworkIds.h"

bool CView::Create(CFrameWindow* frame, CDocument* document) {
    m_frame = frame;
    m_document = document;
    RegisterWindowClass(WindowClassName(), CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    if (!CreateEx(WS_EX_CLIENTEDGE, WindowClassName(), L"", WindowStyle(), 0, 0, 0, 0, frame->GetSafeHwnd(),
                  reinterpret_cast<HMENU>(UINT_PTR(IDW_PANE_FIRST))))
        return false;
    if (document)
        document->AttachView(this);
    return true;
}

void CView::OnUpdate(CView*, LPARAM) {
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

bool CView::OnCmdMsg(UINT id, UINT code) {
    return HandleOwnCommand(id, code) || (m_document && m_document->OnCmdMsg(id, code));
}

bool CView::OnUpdateCmdUI(CCommandUI& ui) {
    return HandleOwnUpdate(ui) || (m_document && m_document->OnUpdateCmdUI(ui));
}

bool CView::HasCommandHandler(UINT id, UINT code) {
    return HasOwnHandler(id, code) || (m_document && m_document->HasCommandHandler(id, code));
}

LRESULT CView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        OnDraw(dc);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    return CWindow::WindowProc(message, wParam, lParam);
}

void CView::PostNcDestroy() {
    if (m_document && m_document->View() == this)
        m_document->AttachView(nullptr);
    delete this;
}
