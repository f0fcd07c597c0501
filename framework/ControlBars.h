// Toolbar and status bar of a frame, built on the common controls.
#pragma once

#include "CommandTarget.h"
#include "Window.h"

#include <string>
#include <vector>

class CFrameWindow;

// A bar along the top or the bottom edge of the frame.
class CControlBar {
public:
    virtual ~CControlBar() = default;
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsVisible() const { return m_hWnd && (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE); }
    void Show(bool show);
    bool AtBottom() const { return m_atBottom; }
    // Height the bar wants at the given frame width.
    virtual int LayoutHeight(int width);
    // Shows the states of the bar's commands, asked of the target's chain.
    virtual void OnUpdateCmdUI(CCommandTarget& target) { (void)target; }

protected:
    HWND m_hWnd = nullptr;
    bool m_atBottom = false;
};

class CToolBar : public CControlBar {
public:
    bool Create(CFrameWindow* frame, UINT id = 0xE800);
    // Button commands in order; 0 stands for a separator. Images are taken in order from the bitmap.
    bool SetButtons(const UINT* ids, int count, UINT bitmapId = 0, int imageCount = 0);
    int ButtonCount() const;
    bool IsButtonEnabled(UINT id) const;
    bool IsButtonChecked(UINT id) const;
    int LayoutHeight(int width) override;
    void OnUpdateCmdUI(CCommandTarget& target) override;
};

class CStatusBar : public CControlBar {
public:
    CStatusBar() { m_atBottom = true; }
    bool Create(CFrameWindow* frame, UINT id = 0xE801);
    // Pane indicators in order; 0 is a pane whose text the program sets, any other number an
    // indicator whose resource string is shown while the indicator's state is on.
    bool SetIndicators(const UINT* ids, int count);
    void SetPaneWidth(int index, int width);
    // Width of the text in the bar's font, with the pane's border allowance.
    int MeasureText(const std::wstring& text) const;
    void SetPaneText(int index, const std::wstring& text);
    std::wstring PaneText(int index) const;
    int LayoutHeight(int width) override;
    void OnUpdateCmdUI(CCommandTarget& target) override;

private:
    void ApplyPaneWidths();
    std::vector<UINT> m_indicators;
    std::vector<int> m_widths;  // 0 for the stretching first pane
};
