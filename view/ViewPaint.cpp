// Painting of the view: the number column, the 3-D separators, each pane's wrapped text with the
// selection, and the gaps below.
#include "WXBView.h"

#include "CodePages.h"

#include <string>
#include <vector>

namespace {

// A drawn line holds at most this many bytes; a longer one ends the drawing of its text.
const int kLineBufferBytes = 1022;

} // namespace

void CWXBView::FillRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
    if (right <= left || bottom <= top)
        return;
    RECT rect = {left, top, right, bottom};
    ::SetBkColor(dc, colour);
    ::ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CWXBView::PaintFrom(HDC dc, int sentence) {
    if (m_hasCaret)
        ::HideCaret(m_hWnd);
    m_rows.Restack();
    const std::vector<PlacedRow>& rows = m_rows.VisibleRows();
    const int height = m_geometry.clientHeight;
    if (sentence < m_rows.TopSentence())
        sentence = m_rows.TopSentence();

    int y = m_rows.TopY();
    if (!rows.empty())
        y = sentence <= rows.back().sentence ? rows[size_t(sentence - rows.front().sentence)].top : rows.back().bottom;
    DrawColumns(dc, y < 0 ? 0 : y);

    int bottom = y;
    for (const PlacedRow& row : rows) {
        if (row.sentence < sentence)
            continue;
        DrawNumber(dc, row.sentence, row.top);
        const RowSlot& slot = m_rows.Row(row.sentence);
        for (int pane = 0; pane < m_geometry.paneCount; ++pane) {
            DrawPaneText(dc, row.sentence, pane, PaneText(row.sentence, pane), row.top);
            int left = m_geometry.left[pane];
            FillRect(dc, left, row.top + slot.height[pane], left + m_geometry.paneWidth, row.bottom, m_fonts.window);
        }
        bottom = row.bottom;
    }
    for (int pane = 0; pane < m_geometry.paneCount; ++pane) {
        int left = m_geometry.left[pane];
        FillRect(dc, left, bottom, left + m_geometry.paneWidth, height, m_fonts.window);
    }

    PlaceCaret();
    if (m_hasCaret)
        ::ShowCaret(m_hWnd);
    UpdateScrollBar();
}

void CWXBView::DrawColumns(HDC dc, int y) {
    const PaneGeometry& g = m_geometry;
    const int bottom = g.clientHeight + 1;
    FillRect(dc, 0, y, g.numberWidth, bottom, ::GetSysColor(COLOR_BTNFACE));
    for (int pane = 0; pane < g.paneCount; ++pane)
        FillRect(dc, g.left[pane] - 1, y, g.left[pane], bottom, m_fonts.window);
    int lastLeft = g.left[g.paneCount - 1];
    FillRect(dc, lastLeft - g.charWidth, y, lastLeft - g.charWidth + 1, bottom, m_fonts.window);

    const int shades[5] = {COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNHIGHLIGHT, COLOR_3DLIGHT};
    for (int k = 0; k <= g.paneCount; ++k) {
        int x = g.Boundary(k);
        for (int i = 0; i < 5; ++i)
            FillRect(dc, x - i, y, x - i + 1, bottom, ::GetSysColor(shades[i]));
    }
}

void CWXBView::DrawNumber(HDC dc, int sentence, int top) {
    const int g = m_fonts.NumberCharWidth();
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const bool readOnly = m_environment->ReadOnlyMark();
    CSelection font(dc, m_fonts.NumberFont());
    ::SetTextColor(dc, readOnly ? m_fonts.highlightText : m_fonts.windowText);
    ::SetBkColor(dc, readOnly ? m_fonts.highlight : face);
    ::SetBkMode(dc, OPAQUE);
    std::wstring number = std::to_wstring(sentence + 1);
    int digits = int(number.size()) > 5 ? 5 : int(number.size());
    ::TextOutW(dc, (5 - digits) * g, top, number.c_str(), int(number.size()));
    if (m_marks.Test(sentence))
        ::TextOutW(dc, 5 * g, top, L"*", 1);
    if (m_locks.Test(sentence) && m_lockBitmap) {
        FillRect(dc, 5 * g, top, 5 * g + 8, top + 15, face);
        MemoryDc source(::CreateCompatibleDC(dc));
        CSelection picture(source.get(), m_lockBitmap.get());
        BITMAP info = {};
        ::GetObjectW(m_lockBitmap.get(), sizeof info, &info);
        ::TransparentBlt(dc, 5 * g, top, 8, 15, source.get(), 0, 0, info.bmWidth, info.bmHeight, RGB(255, 255, 255));
    }
}

void CWXBView::DrawPaneText(HDC dc, int sentence, int pane, const std::string& text, int top) {
    const PaneShowing showing = ShowingOf(pane);
    const int lineHeight = m_fonts.LineHeight(showing.fontSlot);
    const int left = m_geometry.left[pane];
    const int right = left + m_geometry.paneWidth;
    SelectMeasuringFont(pane);
    const int lines = CountLines(text, m_geometry.paneWidth, showing.codePage, showing.breaking);

    int from = 0, to = 0;
    bool hasSelection =
        pane == m_currentPane && m_selection.RangeIn(sentence, int(text.size()), from, to);
    CSelection font(dc, m_fonts.Font(showing.fontSlot));
    const COLORREF colours[2][2] = {{m_fonts.TextColour(showing.fontSlot), m_fonts.window},
                                    {m_fonts.highlightText, m_fonts.highlight}};

    std::wstring run;
    std::vector<INT> widths;
    int runX = left, x = left, y = top;
    bool runSelected = false;
    auto flush = [&] {
        if (run.empty())
            return;
        RECT rect = {runX, y, x < right ? x : right, y + lineHeight};
        ::SetTextColor(dc, colours[runSelected][0]);
        ::SetBkColor(dc, colours[runSelected][1]);
        ::ExtTextOutW(dc, runX, y, ETO_OPAQUE | ETO_CLIPPED, &rect, run.data(), UINT(run.size()), widths.data());
        run.clear();
        widths.clear();
        runX = x;
    };

    const char* bytes = text.data();
    const int length = int(text.size());
    for (int k = 0; k < lines; ++k) {
        int begin = m_lineStarts[size_t(k)];
        int end = LineEnd(m_lineStarts, lines, k);
        if (end - begin > kLineBufferBytes)
            break;
        x = runX = left;
        for (int pos = begin; pos < end;) {
            auto b = static_cast<unsigned char>(bytes[pos]);
            if (b < 0x20) {
                ++pos;
                continue;
            }
            int count = 1;
            if (IsLeadByte(showing.codePage, b)) {
                if (pos + 1 >= length)
                    break;
                count = 2;
            }
            bool selected = hasSelection && pos >= from && pos < to;
            if (selected != runSelected) {
                flush();
                runSelected = selected;
            }
            int w = m_measurer.CharWidth(showing.codePage, bytes + pos, count);
            run += WideOfCharacter(showing.codePage, bytes + pos, count);
            widths.push_back(w);
            x += w;
            pos += count;
        }
        flush();
        FillRect(dc, x, y, right, y + lineHeight, m_fonts.window);
        y += lineHeight;
    }
    // The gap below the text.
    FillRect(dc, left, y, right, y + lineHeight, m_fonts.window);
}
