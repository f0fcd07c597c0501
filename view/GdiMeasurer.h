// Character widths of the view's fonts, measured with GDI on the wide-character path and kept
// per font.
#pragma once

#include "CharWidthCache.h"
#include "GdiHandles.h"
#include "LineBreaker.h"
#include "PaneShowing.h"

#include <windows.h>

#include <string>
#include <string_view>

// The UTF-16 unit of one character of one or two bytes in a code page.
wchar_t WideOfCharacter(unsigned codePage, const char* bytes, int count);
// Multibyte text of a code page in UTF-16.
std::wstring WideOfText(std::string_view text, unsigned codePage);

class CGdiMeasurer : public CTextMeasurer {
public:
    CGdiMeasurer();
    ~CGdiMeasurer();
    CGdiMeasurer(const CGdiMeasurer&) = delete;
    CGdiMeasurer& operator=(const CGdiMeasurer&) = delete;
    HDC Dc() const { return m_dc.get(); }

    // The font slot whose font later widths are measured in.
    void Select(int slot, HFONT font);
    // Before a slot's font is deleted: nothing of it stays selected, and its widths go.
    void Forget(int slot);

    int CharWidth(unsigned codePage, const char* bytes, int count) override;
    int WideCharWidth(wchar_t c);

private:
    MemoryDc m_dc;
    CCharWidthCache m_caches[kFontSlotCount];
    int m_slot = 0;
    HGDIOBJ m_original = nullptr;
};
