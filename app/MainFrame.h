// The editor's main frame window: toolbar with the direction combo box, status bar, docking
// layout, splash picture, and the messages by which the view, the application and other programs
// reach the editor.
#pragma once

#include "ContFrameWnd.h"
#include "SplashWindow.h"
#include "ToolBarEx.h"
#include "ViewFrameLink.h"

#include <memory>
#include <type_traits>

class CMainFrame : public CContFrameWnd, public CViewFrameLink {
public:
    CMainFrame();

    // Places and shows the frame as stored; showCommand is the state the program was asked for.
    void RestorePlacement(int showCommand);

    void SetStatusPaneText(int pane, const std::wstring& text) override;
    std::wstring StatusPaneText(int pane) const override;
    void SetDirectionComboIndex(int index) override;

    bool PreTranslateMessage(MSG& msg) override;

protected:
    std::wstring FrameTitle() const override;
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnDestroy() override;
    void OnActivate(UINT state, HWND other) override;
    void OnIdleUpdateCmdUI() override;

private:
    // Creation steps, each in MainFrameBars.cpp.
    bool CreateToolBar();
    bool CreateDirectionCombo();
    bool CreateStatusBar();
    void SetStatusPaneWidths();
    void AddInhouseItems();
    // The button of the simplified/traditional conversion shows the script; GBBIG5 follows it.
    void ShowChineseScript(int script);

    void OnDirectionChosen();

    // Messages of the translation run (the view's sentence requests) and of the translation
    // service for other programs; their work comes with those modules.
    LRESULT OnTranslateSentence(WPARAM mode, LPARAM request);
    LRESULT OnClipboardHandoff(WPARAM wParam, LPARAM lParam);
    LRESULT OnDirectionQuery(WPARAM wParam, LPARAM lParam);
    LRESULT OnHookCodeQuery(WPARAM wParam, LPARAM lParam);

    struct FontDeleter {
        void operator()(HFONT font) const { ::DeleteObject(font); }
    };

    CToolBarEx m_wndToolBar;
    CStatusBar m_wndStatusBar;
    HWND m_directionCombo = nullptr;
    std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter> m_comboFont;
    CSplashWnd m_splash;
    int m_shownScript = -1;
};
