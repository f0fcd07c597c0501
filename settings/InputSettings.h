// The input-system settings as the caller read them from the store, and the language indexes
// that choose among them.
#pragma once

#include "InputSystem.h"

#include <string>

struct InputSettings {
    int imeAutoChange = 1;    // "Setting"/Ime_AutoChange: 0 never switches and never opens
    int imeAutoOpen = 0;      // "Setting"/Ime_AutoOpen: 0 opens the input method at switch points
    std::string selectIMEJPN; // "IMESET": a file name, a text-service token or ""
    std::string selectIMECHNGB;
    std::string selectIMECHNBIG5;
    int gbBig5 = 0; // "Setting"/GBBIG5: the active Chinese script, 0 simplified, 1 traditional

    bool SwitchesAutomatically() const { return imeAutoChange != 0; }
    bool OpensAtSwitch() const { return SwitchesAutomatically() && imeAutoOpen == 0; }
};

// Language indexes shared with the editor view.
enum InputLanguageIndex {
    kInputJapanese = 0,
    kInputActiveChinese = 1, // Chinese in the active script
    kInputOtherChinese = 2,  // Chinese in the other script
    kInputLanguageCount = 3
};

// The chosen input method of a language index; "" for an index out of range.
const std::string& InputMethodOf(const InputSettings& settings, int languageIndex);

// Text-service tokens and the fixed layouts they stand for.
constexpr const char* kJapaneseTsfToken = "JP:Text Services Framework";
constexpr const char* kGbTsfToken = "GB:Text Services Framework";
constexpr const char* kBig5TsfToken = "BIG5:Text Services Framework";
constexpr KeyboardLayout kJapaneseTsfLayout = 0x04110411;
constexpr KeyboardLayout kGbTsfLayout = 0x08040804;
constexpr KeyboardLayout kBig5TsfLayout = 0x04040404;
