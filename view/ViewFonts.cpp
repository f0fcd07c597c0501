// The view's fonts: the number font and the three text-font slots with their colours and line
// heights, made from the font settings.
#include "ViewFonts.h"

#include "FontColours.h"
#include "GdiMeasurer.h"

namespace {

struct SectionFont {
    BYTE charset;
    const wchar_t* face;
};
const SectionFont kSectionFonts[] = {
    {SHIFTJIS_CHARSET, L"ＭＳ 明朝"},
    {GB2312_CHARSET, L"RZ-GB P Mincho"},
    {CHINESEBIG5_CHARSET, L"RZ-B5 P Mincho"},
};

std::string ShiftJisOfWide(const wchar_t* text) {
    int length = ::WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1)
        return std::string();
    std::string narrow(size_t(length), '\0');
    ::WideCharToMultiByte(932, 0, text, -1, &narrow[0], length, nullptr, nullptr);
    narrow.resize(size_t(length - 1));
    return narrow;
}

} // namespace

LOGFONTW LogFontOfSettings(int section, const FontSettingValues& values, int pixelsPerInch) {
    LOGFONTW font = {};
    font.lfHeight = values.height != 0 ? values.height : -(::MulDiv(1200, pixelsPerInch, 72) / 100);
    font.lfWeight = values.weight;
    font.lfCharSet = kSectionFonts[section].charset;
    font.lfPitchAndFamily = BYTE(values.pitchAndFamily);
    std::wstring face = WideOfText(values.faceName, 932);
    if (face.empty())
        face = kSectionFonts[section].face;
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return font;
}

FontSettingValues SettingsOfLogFont(const LOGFONTW& font, const std::string& colourName) {
    FontSettingValues values;
    values.height = font.lfHeight;
    values.weight = font.lfWeight;
    values.pitchAndFamily = font.lfPitchAndFamily;
    values.faceName = ShiftJisOfWide(font.lfFaceName);
    values.colourName = colourName;
    return values;
}

int CViewFonts::SectionOf(int slot) const {
    if (slot == kFontSlotJapanese)
        return kFontSectionJapanese;
    bool simplified = (m_chineseScript == 0) == (slot == kFontSlotCurrentChinese);
    return simplified ? kFontSectionSimplified : kFontSectionTraditional;
}

void CViewFonts::Create(const CViewEnvironment& environment, int chineseScript, HDC dc) {
    window = ::GetSysColor(COLOR_WINDOW);
    windowText = ::GetSysColor(COLOR_WINDOWTEXT);
    highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);

    LOGFONTW number = {};
    number.lfCharSet = SHIFTJIS_CHARSET;
    number.lfPitchAndFamily = FIXED_PITCH;
    lstrcpynW(number.lfFaceName, L"ＭＳ ゴシック", LF_FACESIZE);
    m_numberFont.reset(::CreateFontIndirectW(&number));
    {
        CSelection selected(dc, m_numberFont.get());
        TEXTMETRICW metrics = {};
        ::GetTextMetricsW(dc, &metrics);
        m_numberCharWidth = metrics.tmAveCharWidth > 0 ? metrics.tmAveCharWidth : 8;
    }

    m_chineseScript = chineseScript;
    const int pixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        FontSettingValues values = environment.FontSettings(SectionOf(slot));
        m_slots[slot].logFont = LogFontOfSettings(SectionOf(slot), values, pixelsPerInch);
        m_slots[slot].colourName = values.colourName;
        Make(m_slots[slot], dc);
    }
}

void CViewFonts::Replace(int slot, const LOGFONTW& font, const std::string& colourName, HDC dc) {
    m_slots[slot].logFont = font;
    m_slots[slot].colourName = colourName;
    Make(m_slots[slot], dc);
}

void CViewFonts::Make(Slot& slot, HDC dc) {
    std::optional<uint32_t> named = NamedFontColour(slot.colourName);
    slot.colour = named ? COLORREF(*named) : windowText;
    slot.font.reset(::CreateFontIndirectW(&slot.logFont));
    CSelection selected(dc, slot.font.get());
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    slot.lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
}
