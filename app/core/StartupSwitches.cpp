// The editor's own command-line switches, read from the raw command line.
#include "StartupSwitches.h"

#include <climits>

namespace {

wchar_t AsciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c; }

// True when text at pos begins with the upper-case ASCII word.
bool MatchesAt(std::wstring_view text, size_t pos, std::wstring_view word) {
    if (text.size() - pos < word.size())
        return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (AsciiUpper(text[pos + i]) != word[i])
            return false;
    return true;
}

int ReadServiceNumber(std::wstring_view text) {
    long long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            break;
        value = value * 10 + (c - L'0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return int(value);
}

} // namespace

StartupSwitches ParseStartupSwitches(std::wstring_view commandLine) {
    StartupSwitches switches;
    constexpr std::wstring_view kService = L"/DDE=";
    if (MatchesAt(commandLine, 0, kService))
        switches.serviceNumber = ReadServiceNumber(commandLine.substr(kService.size()));

    for (size_t pos = commandLine.find(L'/'); pos != std::wstring_view::npos;
         pos = commandLine.find(L'/', pos + 1)) {
        if (MatchesAt(commandLine, pos, L"/CJ"))
            switches.direction = SwitchDirection::ChineseToJapanese;
        else if (MatchesAt(commandLine, pos, L"/JC"))
            switches.direction = SwitchDirection::JapaneseToChinese;
        if (MatchesAt(commandLine, pos, L"/CLIP"))
            switches.clipboardMode = true;
        if (MatchesAt(commandLine, pos, L"/READONLY"))
            switches.readOnlyMark = true;
    }

    constexpr std::wstring_view kMinimised = L"/SW=MINI";
    switches.startMinimised = commandLine.size() == kMinimised.size() && MatchesAt(commandLine, 0, kMinimised);
    return switches;
}
