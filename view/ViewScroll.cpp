// The view's own vertical scroll bar and the scrolling by line, page, thumb and wheel.
#include "WXBView.h"

void CWXBView::UpdateScrollBar() {
    if (!m_scrollBar)
        return;
    ScrollBarState state = m_rows.ScrollBar();
    if (!state.enabled) {
        ::SetScrollRange(m_scrollBar, SB_CTL, 0, 0, TRUE);
        ::EnableWindow(m_scrollBar, FALSE);
        return;
    }
    ::EnableWindow(m_scrollBar, TRUE);
    ::SetScrollRange(m_scrollBar, SB_CTL, 0, state.maximum, FALSE);
    ::SetScrollPos(m_scrollBar, SB_CTL, state.position, TRUE);
}

void CWXBView::OnVScroll(int code, int position) {
    CommitEditBuffer();
    bool moved = false;
    switch (code) {
    case SB_LINEUP:
        moved = m_rows.LineUp(m_currentPane);
        break;
    case SB_LINEDOWN:
        moved = m_rows.LineDown(m_currentPane);
        break;
    case SB_PAGEUP:
        moved = m_rows.PageUp(m_currentPane);
        break;
    case SB_PAGEDOWN:
        moved = m_rows.PageDown();
        break;
    case SB_THUMBPOSITION:
        moved = m_rows.ThumbReleased(position);
        break;
    default:
        break;
    }
    if (moved)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CWXBView::OnMouseWheel(int delta) {
    CommitEditBuffer();
    bool moved = delta <= 0 ? m_rows.LineDown(m_currentPane) : m_rows.LineUp(m_currentPane);
    if (moved)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}
