// Base of the main frame: menu, accelerators, bars, the view, title, and command routing.
#pragma once

#include "CommandTarget.h"
#include "Window.h"

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

class CControlBar;
class CDocument;
class CSingleDocTemplate;
class CView;

class CFrameWindow : public CWindow, public CCommandTarget {
public:
    CFrameWindow();

    // Creates the frame with the menu, accelerators and icon of the resource number.
    bool LoadFrame(UINT resourceId, CSingleDocTemplate* docTemplate, DWORD style = WS_OVERLAPPEDWINDOW);
    void InitialUpdateFrame(CDocument* document);

    CView* ActiveView() const { return m_view; }
    HACCEL Accelerators() const { return m_accelerators; }
    // Bars laid out along the edges, the first outermost.
    void AddControlBar(CControlBar* bar) { m_bars.push_back(bar); }
    const std::vector<CControlBar*>& ControlBars() const { return m_bars; }
    // The bar with that control identifier, or null.
    virtual CControlBar* FindControlBar(UINT id) const;
    void ShowControlBar(CControlBar* bar, bool show);
    virtual void RecalcLayout();
    void UpdateFrameTitle();

    // The message pane shows the command's prompt (the first line of its string), or the idle
    // message for 0.
    void ShowPrompt(UINT id);

    // Offered every message the application's loop takes, before accelerators; true when it
    // must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg) {
        (void)msg;
        return false;
    }

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
    // The frame becomes active or inactive; the default activation follows.
    virtual void OnActivate(UINT state, HWND other) { (void)state, (void)other; }
    // Shows or hides the bar with the command's number (the toolbar and status-bar commands).
    void OnBarCheck(UINT id);

    using MessageHandler = std::function<LRESULT(WPARAM wParam, LPARAM lParam)>;
    // A handler for a window message of the program's own.
    void OnMessage(UINT message, MessageHandler handler);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Frames live on the heap and go with their window.
    void PostNcDestroy() override { delete this; }

    CSingleDocTemplate* m_docTemplate = nullptr;

private:
    CView* m_view = nullptr;
    HACCEL m_accelerators = nullptr;
    std::vector<CControlBar*> m_bars;
    struct MessageEntry {
        UINT message;
        MessageHandler handler;
    };
    std::vector<MessageEntry> m_messages;
};
