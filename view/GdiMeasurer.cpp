// Character widths of the view's fonts, measured with GDI on the wide-character path and kept
// per font.
#include "GdiMeasurer.h"

wchar_t WideOfCharacter(unsigned codePage, const char* bytes, int count) {
    wchar_t wide[2] = {};
    int length = ::MultiByteToWideChar(codePage, 0, bytes, count, wide, 2);
    return length >= 1 ? wide[0] : L'\x30FB';
}

std::wstring WideOfText(std::string_view text, unsigned codePage) {
    int length = text.empty() ? 0 : ::MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(codePage, 0, text.data(), int(text.size()), &wide[0], length);
    return wide;
}

CGdiMeasurer::CGdiMeasurer() : m_dc(::CreateCompatibleDC(nullptr)) {}

CGdiMeasurer::~CGdiMeasurer() {
    if (m_original)
        ::SelectObject(m_dc.get(), m_original);
}

void CGdiMeasurer::Forget(int slot) {
    if (m_original)
        ::SelectObject(m_dc.get(), m_original);
    m_original = nullptr;
    m_caches[slot].Clear();
}

void CGdiMeasurer::Select(int slot, HFONT font) {
    m_slot = slot;
    HGDIOBJ old = ::SelectObject(m_dc.get(), font);
    if (!m_original)
        m_original = old;
}

int CGdiMeasurer::CharWidth(unsigned codePage, const char* bytes, int count) {
    return WideCharWidth(WideOfCharacter(codePage, bytes, count));
}

int CGdiMeasurer::WideCharWidth(wchar_t c) {
    return m_caches[m_slot].Width(char16_t(c), [this](char16_t unit) {
        wchar_t text = wchar_t(unit);
        SIZE size = {};
        ::GetTextExtentPoint32W(m_dc.get(), &text, 1, &size);
        return int(size.cx);
    });
}
