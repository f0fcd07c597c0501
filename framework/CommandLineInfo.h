// The framework's reading of the command line: a file to open, or a new document.
#pragma once

#include <string>

struct CCommandLineInfo {
    enum ShellCommand { FileNew, FileOpen };
    ShellCommand shellCommand = FileNew;
    std::wstring fileName;
};

// Takes the first argument that is no switch ("/" or "-") as the file to open.
CCommandLineInfo ParseShellCommandLine(const wchar_t* commandLine);
