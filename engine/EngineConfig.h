// The configuration records of both engines, built from the editor's settings.
#pragma once

#include "EngineExchange.h"
#include "EngineRecords.h"
#include "SegmentationValues.h"

#include <array>
#include <string>

// One direction's values as the settings store holds them ("JcHonyakuKankyo" or
// "CjHonyakuKankyo", "LogFile", and the user-dictionary slots of "JcUserDic" or "CjUserDic").
struct EngineSettings {
    SegmentationValues segmentation;
    int32_t writeLog = 0;
    std::string logFileName;
    std::array<std::string, 3> userDics;  // slot paths without extension; "" = free slot
};

// Texts that do not fit their fields are cut without splitting a two-byte character; the log
// file name keeps at most nine characters.
TransConfig BuildTransConfig(TransDirection direction, const EngineSettings& settings);
