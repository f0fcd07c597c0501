// Toolbar and status bar of a frame, built on the common controls.
#pragma once

#include "CommandTarget.h"
#include "Window.h"

#include <string>
#include <vector>

class CFrameWindow;
class CProfile;

class CDockBarEx;

// Edge of the frame along which a bar lies.
enum class BarSide { Top, Bottom, Left, Right };

// A bar along one edge of the frame, laid out by the frame or by the dock bar that holds it.
class CControlBar : public CWindow {
public:
    bool IsVisible() const { return m_hWnd && (::GetWindowLongW(m_hWnd, GWL_STYLE) & WS_VISIBLE); }
    void Show(bool show);
    UINT BarId() const { return m_hWnd ? UINT(::GetDlgCtrlID(m_hWnd)) : 0; }
    BarSide Side() const { return m_side; }
    bool AtBottom() const { return m_side == BarSide::Bottom; }
    bool IsHorizontal() const { return m_side == BarSide::Top || m_side == BarSide::Bottom; }
    // Height the bar wants at the given frame width (bars along the top or the bottom).
    virtual int LayoutHeight(int width);
    // Width the bar wants at the given frame height (bars along the left or the right).
    virtual int LayoutWidth(int height);
    // Size of the bar itself, laid out along a horizontal or a vertical edge.
    virtual SIZE PreferredSize(bool horizontal);
    // The edge the bar now lies along; a bar may lay out its items anew.
    virtual void SetSide(BarSide side) { m_side = side; }
    // Shows the states of the bar's commands, asked of the target's chain.
    virtual void OnUpdateCmdUI(CCommandTarget& target) { (void)target; }
    // A notification sent to the frame by this bar or its tool tips; true when the bar answered it.
    virtual bool OnNotify(NMHDR& header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }

    // What the bar keeps of its own in the saved layout, in the profile section given.
    virtual void SaveState(const CProfile& profile, const std::wstring& section) const {
        (void)profile, (void)section;
    }
    virtual void LoadState(const CProfile& profile, const std::wstring& section) { (void)profile, (void)section; }

    // Edges a dock bar may take this bar to: bits of 1 << int(BarSide).
    void EnableDocking(UINT sides) { m_dockSides = sides; }
    bool CanDockAt(BarSide side) const { return (m_dockSides >> int(side)) & 1u; }
    CDockBarEx* DockBar() const { return m_dockBar; }

protected:
    BarSide m_side = BarSide::Top;

private:
    friend class CDockBarEx;
    UINT m_dockSides = 0;
    CDockBarEx* m_dockBar = nullptr;
};

const UINT kDockAnySide = 0xF;

class CToolBar : public CControlBar {
public:
    bool Create(CFrameWindow* frame, UINT id = 0xE800);
    // Button commands in order; 0 stands for a separator. Images are taken in order from the bitmap.
    bool SetButtons(const UINT* ids, int count, UINT bitmapId = 0, int imageCount = 0);
    int ButtonCount() const;
    bool IsButtonEnabled(UINT id) const;
    bool IsButtonChecked(UINT id) const;
    int LayoutHeight(int width) override;
    SIZE PreferredSize(bool horizontal) override;
    void OnUpdateCmdUI(CCommandTarget& target) override;
};

class CStatusBar : public CControlBar {
public:
    CStatusBar() { m_side = BarSide::Bottom; }
    bool Create(CFrameWindow* frame, UINT id = 0xE801);
    // Pane indicators in order; 0 is a pane whose text the program sets, any other number an
    // indicator whose resource string is shown while the indicator's state is on.
    bool SetIndicators(const UINT* ids, int count);
    // A pane drawn without its sunken border.
    void SetPaneNoBorders(int index);
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
    std::vector<bool> m_noBorders;
};
