// What the view asks of the program around it: the font settings, the Chinese script, the
// direction and the display flags. The application implements it.
#pragma once

#include <string>

// Settings sections of the three text fonts: "JapaneseFontNew", "ChineseFontGB", "ChineseFontBIG5".
enum FontSection { kFontSectionJapanese = 0, kFontSectionSimplified = 1, kFontSectionTraditional = 2 };

struct FontSettingValues {
    int height = 0;  // 0 means 12 points
    int weight = 400;
    std::string faceName;    // Shift-JIS; empty takes the default face
    std::string colourName;  // Shift-JIS, "自動" or a name of the colour table
    int pitchAndFamily = 1;
};

class CViewEnvironment {
public:
    virtual ~CViewEnvironment() = default;

    virtual FontSettingValues FontSettings(int section) const = 0;
    // Writes the values and "FontType" 0.
    virtual void WriteFontSettings(int section, const FontSettingValues& values) const = 0;
    // 0 simplified (GB2312), 1 traditional (Big5).
    virtual int ChineseScript() const = 0;
    // The language of the source pane: 0 Japanese, 1 Chinese.
    virtual int SourceLanguage() const = 0;
    virtual bool ThreePaneDisplay() const = 0;
    // Started with "/READONLY": the number column is drawn in highlight colours.
    virtual bool ReadOnlyMark() const = 0;
};
