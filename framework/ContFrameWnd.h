// A frame with docking containers on its four edges; bars docked in them can be moved from edge
// to edge, and their layout is kept in the framework profile.
#pragma once

#include "DockBarEx.h"
#include "FrameWindow.h"

#include <memory>
#include <string>
#include <vector>

class CProfile;

class CContFrameWnd : public CFrameWindow {
public:
    // Creates the containers of the edges given (bits of 1 << int(BarSide)).
    void EnableDocking(UINT sides);
    // Puts the bar into the container of the edge; the bar must allow that edge.
    bool DockControlBar(CControlBar* bar, BarSide side);
    // Docks the bar at the edge nearest to the point of the frame's client area.
    void DockControlBarAt(CControlBar* bar, POINT clientPoint);
    CDockBarEx* DockBarAt(BarSide side) const { return m_dockBars[int(side)].get(); }

    // Values "<prefix>-Summary"\Bars and, per docked bar in order, "<prefix>-Bar<n>" with BarID,
    // Visible, DockBarID and whatever the bar keeps of its own.
    void SaveBarState(const CProfile& profile, const std::wstring& prefix) const;
    void LoadBarState(const CProfile& profile, const std::wstring& prefix);

    void RecalcLayout() override;
    CControlBar* FindControlBar(UINT id) const override;

private:
    std::unique_ptr<CDockBarEx> m_dockBars[4];
};
