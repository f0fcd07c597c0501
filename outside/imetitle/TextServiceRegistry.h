// The keyboard text services of a language as the registry records them: under the machine's
// "SOFTWARE\Microsoft\CTF\TIP", each service's CLSID key with its language profiles, and the
// user's choice of enabled profiles under the same path of HKEY_CURRENT_USER.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

struct TextServiceCount {
    int count = 0;
    std::wstring firstName;
};

// machineTips and userTips are the two "TIP" keys; userTips may be null.
TextServiceCount FindKeyboardTextServices(HKEY machineTips, HKEY userTips, uint16_t language);

// The same on the system's own keys.
TextServiceCount FindRegisteredKeyboardTextServices(uint16_t language);
