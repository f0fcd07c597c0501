// How each pane is shown: the font slot, the code page of its text and how its lines break.
#pragma once

#include "LineBreaker.h"

// Font slots: 0 Japanese, 1 Chinese in the current script, 2 Chinese in the other script.
enum FontSlot { kFontSlotJapanese = 0, kFontSlotCurrentChinese = 1, kFontSlotOtherChinese = 2 };
constexpr int kFontSlotCount = 3;

// What the third pane holds; at most one mode is on.
enum class ThirdPaneMode { None, BackTranslation, Conversion, Pinyin };

struct PaneShowing {
    int fontSlot;
    unsigned codePage;
    LineBreaking breaking;
};

// Chinese script: 0 simplified (GB2312), 1 traditional (Big5).
unsigned ChineseCodePage(int chineseScript);

// Panes 0 and 1 by their language (0 Japanese, 1 Chinese).
PaneShowing LanguagePaneShowing(int language, int chineseScript);
// The third pane by its mode and the source language.
PaneShowing ThirdPaneShowing(ThirdPaneMode mode, int sourceLanguage, int chineseScript);
