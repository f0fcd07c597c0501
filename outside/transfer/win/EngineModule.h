// What both engine DLLs share on Windows: the engine of the process, found beside the DLL,
// paths from the system code page, and the guard that keeps exceptions inside the DLL.
#pragma once

#include "TransferEngine.h"

#include <array>
#include <filesystem>

// The engine of this DLL, its system dictionary in SYSTEMDIC beside the DLL file.
transfer::CTransferEngine& ModuleEngine(TransDirection direction);

// A path given in the system's ANSI code page; empty for a null or empty text.
std::filesystem::path PathFromAnsi(const char* text);
std::array<std::filesystem::path, 3> PathsFromAnsi(const char* a, const char* b, const char* c);

// nCreatUserDic's answer: 0 when a valid dictionary is there now, newly made or kept.
int32_t CreatedResult(transfer::UserDicResult result);
// DJC_/DCJ_OpenAllUserDic's answer: 0 when every dictionary named was opened, else -1.
int32_t OpenedResult(transfer::CTransferEngine& engine,
                     const std::array<std::filesystem::path, 3>& userDics);
// Set_JCTrans_/Set_CJTrans_Configure's answer: 1 when the engine took the record, 0 when the
// record is malformed (a path without its terminator) or refused.
int32_t ConfiguredResult(transfer::CTransferEngine& engine, const TransConfig& config);
// The dictionary-information answer until those functions are built: no name, no entries, -1.
int32_t NotBuiltInfo(char* dicName, int32_t* entryCount);

// Runs the call; an exception (out of memory, a file system error) becomes onFailure.
template <typename Call> int32_t Guarded(int32_t onFailure, Call call) noexcept {
    try {
        return call();
    } catch (...) {
        return onFailure;
    }
}
