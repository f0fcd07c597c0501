// The view's fonts: the number font and the three text-font slots with their colours and line
// heights, made from the font settings.
#pragma once

#include "GdiHandles.h"
#include "PaneShowing.h"
#include "ViewEnvironment.h"

#include <windows.h>

#include <string>

class CViewFonts {
public:
    // The number font and the three slots for the Chinese script; dc gives the metrics.
    void Create(const CViewEnvironment& environment, int chineseScript, HDC dc);
    // After the settings dialog: a new font and colour name for a slot.
    void Replace(int slot, const LOGFONTW& font, const std::string& colourName, HDC dc);

    HFONT NumberFont() const { return m_numberFont.get(); }
    int NumberCharWidth() const { return m_numberCharWidth; }
    HFONT Font(int slot) const { return m_slots[slot].font.get(); }
    const LOGFONTW& LogFont(int slot) const { return m_slots[slot].logFont; }
    int LineHeight(int slot) const { return m_slots[slot].lineHeight; }
    COLORREF TextColour(int slot) const { return m_slots[slot].colour; }
    const std::string& ColourName(int slot) const { return m_slots[slot].colourName; }
    // The script the two Chinese slots were made for.
    int ChineseScript() const { return m_chineseScript; }
    // The settings section of a slot under the script the fonts were made for.
    int SectionOf(int slot) const;

    // System colours, taken once when the fonts are made.
    COLORREF window = 0, windowText = 0, highlight = 0, highlightText = 0;

private:
    struct Slot {
        FontHandle font;
        LOGFONTW logFont = {};
        std::string colourName;
        COLORREF colour = 0;
        int lineHeight = 1;
    };
    void Make(Slot& slot, HDC dc);

    FontHandle m_numberFont;
    int m_numberCharWidth = 8;
    Slot m_slots[kFontSlotCount];
    int m_chineseScript = 0;
};

// The logical font of a settings section: 12 points for height 0, the section's default face
// for an empty name.
LOGFONTW LogFontOfSettings(int section, const FontSettingValues& values, int pixelsPerInch);
FontSettingValues SettingsOfLogFont(const LOGFONTW& font, const std::string& colourName);
