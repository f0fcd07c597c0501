// What the settings page "入力システム" offers and what its OK stores: the two switches and, per
// language, the installed input methods and the text services of the preloaded layouts.
#pragma once

#include "CodePages.h"
#include "InputSettings.h"

#include <string>
#include <vector>

// The page's three lists; each has its own code page and character set.
enum class ImeListLanguage { Japanese, ChineseGb, ChineseBig5 };
constexpr int kImeListCount = 3;

struct ImeListLanguageInfo {
    uint16_t language; // of the layouts and of GetTsfName
    unsigned codePage;
    int charSet; // of the list's font
    const char* token;
    const char* preloadValue; // of the language's layout under "Keyboard Layout\Preload"
};
const ImeListLanguageInfo& InfoOf(ImeListLanguage list);

struct InputMethodEntry {
    std::string description; // in the list's code page
    std::string value;       // the input-method file name, or the "TSF:" text of a text service
    bool textService = false;
};

struct InputMethodList {
    std::vector<InputMethodEntry> entries;
    int selected = -1; // none
};

struct InputSystemPageData {
    int autoChangeRadio = 0; // 0 "する", 1 "しない"; -1 none
    int autoOpenRadio = 0;
    InputMethodList lists[kImeListCount]; // by ImeListLanguage

    InputMethodList& List(ImeListLanguage list) { return lists[int(list)]; }
    const InputMethodList& List(ImeListLanguage list) const { return lists[int(list)]; }
};

// The page's content when it opens, with the current settings selected.
InputSystemPageData LoadInputSystemPage(IInputSystem& system, const CCodePages& converter,
                                        const InputSettings& settings);

// The settings after OK: a list without a selection leaves its setting as it was, and a
// text-service entry is stored as its language's token.
void ApplyInputSystemPage(const InputSystemPageData& page, InputSettings& settings);

// The setting a list stands for.
const std::string& SettingOf(const InputSettings& settings, ImeListLanguage list);
std::string& SettingOf(InputSettings& settings, ImeListLanguage list);
