// A docking container along one edge of the frame: holds bars in a row (or a column) and lets the
// user drag a bar by its gripper to another edge.
#pragma once

#include "ControlBars.h"

#include <vector>

class CContFrameWnd;

class CDockBarEx : public CControlBar {
public:
    bool Create(CContFrameWnd* frame, BarSide side);
    // Takes the bar into this container at the position (at the end when past it).
    void Dock(CControlBar* bar, size_t position = size_t(-1));
    void Undock(CControlBar* bar);
    const std::vector<CControlBar*>& Bars() const { return m_docked; }
    bool HasVisibleBars() const;
    // Places the docked bars and shows the container only while one of them is visible.
    void ArrangeBars();

    int LayoutHeight(int width) override;
    int LayoutWidth(int height) override;
    void OnUpdateCmdUI(CCommandTarget& target) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

    static UINT DockBarId(BarSide side);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Thickness across the edge: the thickest visible bar and the margins.
    int Thickness();
    CControlBar* GripperAt(POINT point) const;
    RECT GripperRect(const CControlBar* bar) const;
    void OnPaint();

    CContFrameWnd* m_frame = nullptr;
    std::vector<CControlBar*> m_docked;
    CControlBar* m_dragging = nullptr;
};
