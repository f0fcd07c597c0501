// The engines as the tests use them: one per direction, loaded once from SYSTEMDIC beside the
// test program, with text given and returned in UTF-8.
#pragma once

#include "EngineText.h"
#include "TransferEngine.h"

#include <filesystem>
#include <string>
#include <vector>

// SYSTEMDIC beside the running test program.
std::filesystem::path TestSystemDicFolder();

transfer::CTransferEngine& TestEngine(TransDirection direction);

struct Translation {
    std::string text;  // UTF-8
    std::vector<WordRecord> records;
};

// sourceCodePage and targetCodePage as the translate functions take them; the text is
// converted from UTF-8 into the source code page and the translation back.
Translation TranslateUtf8(transfer::CTransferEngine& engine, const std::string& utf8,
                          int32_t sourceCodePage, int32_t targetCodePage, int32_t mode = 0);

// A folder of its own for one test, emptied first.
std::filesystem::path ScratchFolder(const std::string& name);
