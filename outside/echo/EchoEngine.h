// What both translation engines do until the real ones arrive: they give back their input.
#pragma once

#include "EngineRecords.h"

// The source as its own translation, without word records; kEngineOutputTooSmall with the
// size needed when it does not fit the output size given.
int32_t EchoTransfer(const char* source, char* output, int32_t* outputSize, WordRecord* records,
                     int32_t* recordCount);
// The text unchanged, or kEngineOutputTooSmall as above.
int32_t EchoText(const char* text, char* output, int32_t* outputSize);
// False for a record whose texts do not end inside their fields.
bool IsPlausibleConfig(const TransConfig& config);
// The answers of an engine that has no user dictionaries.
int32_t OpenNoUserDics(const char* userDic1, const char* userDic2, const char* userDic3);
int32_t GetNoUserDicInfo(char* dicName, int32_t* entryCount);
