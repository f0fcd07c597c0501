// Base of the main frame: menu, accelerators, bars, the view, title, and command routing.
#pragma once

#include "CommandTarget.h"
#include "Window.h"

#include <shellapi.h>

#include <string>
#include <vector>

class CControlBar;
class CDocument;
class CSingleDocTemplate;
class CView;

class CFrameWindow : public CWindow, public CCommandTarget {
public:
    // Creates the frame with the menu, accelerators and icon of the resource number.
    bool LoadFrame(UINT resourceId, CSingleDocTemplate* docTemplate, DWORD style = WS_OVERLAPPEDWINDOW);
    void InitialUpdateFrame(CDocument* document);

    CView* ActiveView() const { return m_view; }
    HACCEL Accelerators() const { return m_accelerators; }
    void AddControlBar(CControlBar* bar) { m_bars.push_back(bar); }
    void RecalcLayout();
    void UpdateFrameTitle();

    // The active view first, then the frame, then the application.
    bool OnCmdMsg(UINT id, UINT code) override;
    bool OnUpdateCmdUI(CCommandUI& ui) override;
    bool HasCommandHandler(UINT id, UINT code) override;

protected:
    // The title shown: "document - application", which a frame may extend.
    virtual std::wstring FrameTitle() const;
    virtual int OnCreate(CREATESTRUCTW* cs);
    virtual bool OnCreateClient();
    virtual void OnClose();
    virtual void OnDropFiles(HDROP drop);
    virtual void OnDestroy() {}
    // Shows the states of the bars' commands; sent at idle time.
    virtual void OnIdleUpdateCmdUI();
    virtual void OnInitMenuPopup(HMENU menu);
    virtual void OnMenuSelect(UINT id, UINT flags);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Frames live on the heap and go with their window.
    void PostNcDestroy() override { delete this; }

    CSingleDocTemplate* m_docTemplate = nullptr;

private:
    CView* m_view = nullptr;
    HACCEL m_accelerators = nullptr;
    std::vector<CControlBar*> m_bars;
};
