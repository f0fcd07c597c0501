// The owner-drawn drop-down list of one language's input methods on the page "入力システム":
// descriptions in the language's code page, drawn in a font of its character set.
#pragma once

#include "InputSystemPageData.h"

#include <windows.h>

#include <string>
#include <vector>

class CInputMethodCombo {
public:
    CInputMethodCombo() = default;
    CInputMethodCombo(const CInputMethodCombo&) = delete;
    CInputMethodCombo& operator=(const CInputMethodCombo&) = delete;
    ~CInputMethodCombo();

    // Takes over a CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED combo of the page's template.
    bool Attach(HWND combo, ImeListLanguage language);
    // Shows the list's descriptions and selects its selected entry.
    void Fill(const InputMethodList& list);
    // The chosen entry, -1 for none.
    int Selection() const;
    // The 9-point font's text height plus 2 pixels.
    int ItemHeight() const { return m_itemHeight; }

    // The parent's WM_DRAWITEM for this combo.
    void DrawItem(const DRAWITEMSTRUCT& item) const noexcept;

    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
    HFONT m_font = nullptr;
    int m_itemHeight = 0;
    std::vector<std::string> m_descriptions;
};
