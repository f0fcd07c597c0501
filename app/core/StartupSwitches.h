// The editor's own command-line switches, read from the raw command line.
#pragma once

#include <string_view>

enum class SwitchDirection { None, JapaneseToChinese, ChineseToJapanese };

struct StartupSwitches {
    int serviceNumber = 0;  // n of "/DDE=" n; 0 when absent
    SwitchDirection direction = SwitchDirection::None;
    bool clipboardMode = false;   // "/CLIP"
    bool readOnlyMark = false;    // "/READONLY"
    bool startMinimised = false;  // "/SW=MINI" as the whole command line
};

// Switches are matched case-insensitively after every '/'; the later direction switch wins.
// "/DDE=" counts only at the very start of the command line.
StartupSwitches ParseStartupSwitches(std::wstring_view commandLine);
