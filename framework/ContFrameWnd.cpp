// A frame with docking containers on its four edges; bars docked in them can be moved from edge
// to edge, and their layout is kept in the framework profile.
#include "ContFrameWnd.h"

#include "Profile.h"

#include <climits>

namespace {
// Layout order: top and bottom span the frame, left and right lie between them.
const BarSide kSides[] = {BarSide::Top, BarSide::Bottom, BarSide::Left, BarSide::Right};

bool SideOfDockBarId(UINT id, BarSide& side) {
    for (BarSide candidate : kSides) {
        if (CDockBarEx::DockBarId(candidate) == id) {
            side = candidate;
            return true;
        }
    }
    return false;
}
} // namespace

void CContFrameWnd::EnableDocking(UINT sides) {
    for (BarSide side : kSides) {
        int index = int(side);
        if (!((sides >> index) & 1u) || m_dockBars[index])
            continue;
        auto dockBar = std::make_unique<CDockBarEx>();
        if (!dockBar->Create(this, side))
            continue;
        AddControlBar(dockBar.get());
        m_dockBars[index] = std::move(dockBar);
    }
}

bool CContFrameWnd::DockControlBar(CControlBar* bar, BarSide side) {
    CDockBarEx* dockBar = DockBarAt(side);
    if (!dockBar || !bar->CanDockAt(side))
        return false;
    if (bar->DockBar() != dockBar)
        dockBar->Dock(bar);
    RecalcLayout();
    return true;
}

void CContFrameWnd::DockControlBarAt(CControlBar* bar, POINT p) {
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const LONG distance[4] = {p.y - client.top, client.bottom - p.y, p.x - client.left, client.right - p.x};
    LONG best = LONG_MAX;
    BarSide nearest = bar->Side();
    for (BarSide side : kSides) {
        if (DockBarAt(side) && bar->CanDockAt(side) && distance[int(side)] < best) {
            best = distance[int(side)];
            nearest = side;
        }
    }
    if (bar->DockBar() != DockBarAt(nearest))
        DockControlBar(bar, nearest);
}

void CContFrameWnd::RecalcLayout() {
    for (const auto& dockBar : m_dockBars)
        if (dockBar)
            dockBar->ArrangeBars();
    CFrameWindow::RecalcLayout();
}

CControlBar* CContFrameWnd::FindControlBar(UINT id) const {
    for (const auto& dockBar : m_dockBars) {
        if (!dockBar)
            continue;
        for (CControlBar* bar : dockBar->Bars())
            if (bar->BarId() == id)
                return bar;
    }
    return CFrameWindow::FindControlBar(id);
}

void CContFrameWnd::SaveBarState(const CProfile& profile, const std::wstring& prefix) const {
    UINT count = 0;
    for (BarSide side : kSides) {
        CDockBarEx* dockBar = DockBarAt(side);
        if (!dockBar)
            continue;
        for (CControlBar* bar : dockBar->Bars()) {
            std::wstring section = prefix + L"-Bar" + std::to_wstring(count++);
            profile.WriteString(section.c_str(), nullptr, nullptr);  // nothing of an earlier layout stays
            profile.WriteInt(section.c_str(), L"BarID", bar->BarId());
            profile.WriteInt(section.c_str(), L"Visible", bar->IsVisible() ? 1 : 0);
            profile.WriteInt(section.c_str(), L"DockBarID", CDockBarEx::DockBarId(side));
            bar->SaveState(profile, section);
        }
    }
    profile.WriteInt((prefix + L"-Summary").c_str(), L"Bars", count);
}

void CContFrameWnd::LoadBarState(const CProfile& profile, const std::wstring& prefix) {
    UINT count = profile.GetInt((prefix + L"-Summary").c_str(), L"Bars", 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring section = prefix + L"-Bar" + std::to_wstring(i);
        CControlBar* bar = FindControlBar(profile.GetInt(section.c_str(), L"BarID", 0));
        BarSide side;
        if (!bar || !bar->DockBar() ||
            !SideOfDockBarId(profile.GetInt(section.c_str(), L"DockBarID", 0), side))
            continue;
        bar->LoadState(profile, section);
        bar->Show(profile.GetInt(section.c_str(), L"Visible", 1) != 0);
        // Docked again in the stored order, so each comes after those before it.
        if (CDockBarEx* dockBar = DockBarAt(side))
            if (bar->CanDockAt(side))
                dockBar->Dock(bar);
    }
    RecalcLayout();
}
