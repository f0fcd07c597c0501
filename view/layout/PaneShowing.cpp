// How each pane is shown: the font slot, the code page of its text and how its lines break.
#include "PaneShowing.h"

#include "CodePages.h"

unsigned ChineseCodePage(int chineseScript) {
    return chineseScript == 1 ? kCodePageTraditional : kCodePageSimplified;
}

PaneShowing LanguagePaneShowing(int language, int chineseScript) {
    if (language == 0)
        return {kFontSlotJapanese, kCodePageJapanese, LineBreaking::ByCharacter};
    return {kFontSlotCurrentChinese, ChineseCodePage(chineseScript), LineBreaking::ByCharacter};
}

PaneShowing ThirdPaneShowing(ThirdPaneMode mode, int sourceLanguage, int chineseScript) {
    switch (mode) {
    case ThirdPaneMode::BackTranslation:
        return LanguagePaneShowing(sourceLanguage, chineseScript);
    case ThirdPaneMode::Conversion:
        return {kFontSlotOtherChinese, ChineseCodePage(chineseScript == 1 ? 0 : 1), LineBreaking::ByCharacter};
    case ThirdPaneMode::Pinyin:
        // Pinyin is GB2312 text, shown in whichever slot holds the simplified font.
        return {chineseScript == 0 ? kFontSlotCurrentChinese : kFontSlotOtherChinese, kCodePageSimplified,
                LineBreaking::AfterLastBlank};
    case ThirdPaneMode::None:
        break;
    }
    return {kFontSlotOtherChinese, sourceLanguage == 0 ? unsigned(kCodePageJapanese) : unsigned(kCodePageTraditional),
            LineBreaking::ByCharacter};
}
