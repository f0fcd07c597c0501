// Reading a whole file and writing one so that a failure never damages the file already there.
#pragma once

#include "WXBDocData.h"

#include <windows.h>

#include <string>

enum class FileReadResult { Read, Failed, OutOfMemory };

// error receives the system's code when the read fails.
FileReadResult ReadWholeFile(const std::wstring& path, FileBytes& bytes, DWORD& error);

// Writes a temporary file beside the target and then puts it in the target's place.
bool WriteWholeFile(const std::wstring& path, const FileBytes& bytes, DWORD& error);
