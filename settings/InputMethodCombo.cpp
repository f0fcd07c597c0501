// The owner-drawn drop-down list of one language's input methods on the page "入力システム".
#include "InputMethodCombo.h"

namespace {

// The font's text height on the screen.
int TextHeight(HFONT font) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

HFONT CreateListFont(int charSet) {
    HDC dc = ::GetDC(nullptr);
    int height = -::MulDiv(9, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, dc);
    // No face name: the system picks one of the character set.
    return ::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DWORD(charSet),
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, L"");
}

} // namespace

CInputMethodCombo::~CInputMethodCombo() {
    if (m_font)
        ::DeleteObject(m_font);
}

bool CInputMethodCombo::Attach(HWND combo, ImeListLanguage language) {
    if (!combo)
        return false;
    if (m_font)
        ::DeleteObject(m_font);
    m_hWnd = combo;
    m_font = CreateListFont(InfoOf(language).charSet);
    if (!m_font)
        return false;
    m_itemHeight = TextHeight(m_font) + 2;
    // The template's measurement came before this font existed: -1 is the closed field.
    ::SendMessageW(m_hWnd, CB_SETITEMHEIGHT, WPARAM(-1), m_itemHeight);
    ::SendMessageW(m_hWnd, CB_SETITEMHEIGHT, 0, m_itemHeight);
    return true;
}

void CInputMethodCombo::Fill(const InputMethodList& list) {
    m_descriptions.clear();
    ::SendMessageW(m_hWnd, CB_RESETCONTENT, 0, 0);
    for (const InputMethodEntry& entry : list.entries) {
        m_descriptions.push_back(entry.description);
        // Kept as a string with CBS_HASSTRINGS, as unused item data without; drawing reads
        // m_descriptions either way.
        ::SendMessageA(m_hWnd, CB_ADDSTRING, 0, LPARAM(m_descriptions.back().c_str()));
    }
    ::SendMessageW(m_hWnd, CB_SETCURSEL, WPARAM(list.selected), 0);
}

int CInputMethodCombo::Selection() const {
    LRESULT selected = ::SendMessageW(m_hWnd, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? -1 : int(selected);
}

void CInputMethodCombo::DrawItem(const DRAWITEMSTRUCT& item) const noexcept {
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    RECT area = item.rcItem;
    ::FillRect(item.hDC, &area, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    // itemID is -1 for an empty list or the closed field without a selection.
    if (item.itemID < m_descriptions.size()) {
        const std::string& text = m_descriptions[item.itemID];
        HGDIOBJ oldFont = ::SelectObject(item.hDC, m_font);
        COLORREF oldColour = ::SetTextColor(
            item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        int oldMode = ::SetBkMode(item.hDC, TRANSPARENT);
        // Bytes of the list's code page, which the font's character set decodes.
        ::TextOutA(item.hDC, area.left + 1, area.top + 1, text.c_str(), int(text.size()));
        ::SetBkMode(item.hDC, oldMode);
        ::SetTextColor(item.hDC, oldColour);
        ::SelectObject(item.hDC, oldFont);
    }
    if (item.itemState & ODS_FOCUS)
        ::DrawFocusRect(item.hDC, &area);
}
