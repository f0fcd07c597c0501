// The framework's reading of the command line: a file to open, or a new document.
#include "CommandLineInfo.h"

#include <windows.h>

#include <shellapi.h>

CCommandLineInfo ParseShellCommandLine(const wchar_t* commandLine) {
    CCommandLineInfo info;
    if (!commandLine || !*commandLine)
        return info;
    // The system's splitter wants a program name first.
    std::wstring full = L"x " + std::wstring(commandLine);
    int count = 0;
    wchar_t** args = ::CommandLineToArgvW(full.c_str(), &count);
    if (!args)
        return info;
    for (int i = 1; i < count; ++i) {
        if (args[i][0] == L'/' || args[i][0] == L'-')
            continue;
        info.shellCommand = CCommandLineInfo::FileOpen;
        info.fileName = args[i];
        break;
    }
    ::LocalFree(args);
    return info;
}
