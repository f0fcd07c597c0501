// The configuration records of both engines, built from the editor's settings.
#pragma once

#include "EngineExchange.h"
#include "EngineRecords.h"

#include <array>
#include <string>

// One direction's values as the settings store holds them ("JcHonyakuKankyo" or
// "CjHonyakuKankyo", "LogFile", and the user-dictionary slots of "JcUserDic" or "CjUserDic").
struct EngineSettings {
    int32_t periodOnly = 0;
    int32_t questionMark = 0;
    int32_t exclamationMark = 0;
    int32_t semicolonMark = 0;
    int32_t colonMark = 0;
    int32_t commaMark = 0;  // Chinese to Japanese only
    int32_t dashMark = 0;   // Chinese to Japanese only
    int32_t omitMark = 0;   // Chinese to Japanese only
    int32_t transHomo = 1;  // Chinese to Japanese only
    int32_t lineFlag = 0;
    int32_t lineLength = 0;
    int32_t spaceCutFlag = 0;
    int32_t spaceCutLength = 0;
    int32_t writeLog = 0;
    std::string logFileName;
    std::array<std::string, 3> userDics;  // slot paths without extension; "" = free slot
};

// Texts that do not fit their fields are cut without splitting a two-byte character; the log
// file name keeps at most nine characters.
TransConfig BuildTransConfig(EngineDirection direction, const EngineSettings& settings);
