// Base of the document's view: the frame's client child, first in the command chain.
#pragma once

#include "CommandTarget.h"
#include "Window.h"

class CDocument;
class CFrameWindow;

class CView : public CWindow, public CCommandTarget {
public:
    bool Create(CFrameWindow* frame, CDocument* document);
    CDocument* GetDocument() const { return m_document; }
    CFrameWindow* Frame() const { return m_frame; }

    virtual void OnInitialUpdate() { OnUpdate(nullptr, 0); }

    // The input method is to be switched to the pane's language at the view's next focus gain.
    void SetInputSwitchPending(bool pending) { m_inputSwitchPending = pending; }
    bool InputSwitchPending() const { return m_inputSwitchPending; }
    virtual void OnUpdate(CView* sender, LPARAM hint);

    // The view first, then its document.
    bool OnCmdMsg(UINT id, UINT code) override;
    bool OnUpdateCmdUI(CCommandUI& ui) override;
    bool HasCommandHandler(UINT id, UINT code) override;

protected:
    virtual const wchar_t* WindowClassName() const { return L"TwinView"; }
    virtual DWORD WindowStyle() const { return WS_CHILD | WS_VISIBLE; }
    virtual void OnDraw(HDC dc) { (void)dc; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Views live on the heap and go with their window.
    void PostNcDestroy() override;

private:
    CDocument* m_document = nullptr;
    CFrameWindow* m_frame = nullptr;
    bool m_inputSwitchPending = false;
};
