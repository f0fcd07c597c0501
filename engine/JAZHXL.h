// Functions of JAZHXL, the Japanese-to-Chinese engine, bound at load time by name.
#pragma once

#include "EngineRecords.h"

// Entry records of the dictionary functions are 156 bytes; the dictionary dialogs build them.
extern "C" {

// Returns 0 when done, kEngineOutputTooSmall or kEngineTooFewRecords to be called again.
int32_t ENGINE_CALL JC_Transfer(TransMode mode, const char* source, char* output,
                                int32_t* outputSize, WordRecord* records, int32_t* recordCount);
// Japanese text with its kanji turned into Chinese characters of the code page (936 or 950).
int32_t ENGINE_CALL Japanese_Chinese_Kanzi_Process(const char* text, int32_t chineseCodePage,
                                                   char* output, int32_t* outputSize);
// Non-zero when the engine takes the configuration.
int32_t ENGINE_CALL Set_JCTrans_Configure(TransConfig config);

// Paths are given without the ".dic" extension.
int32_t ENGINE_CALL CheckIfUDicFile_JC(const char* path);  // non-zero: a JC user dictionary
int32_t ENGINE_CALL nCreatUserDic_JC(const char* path);    // 0: created
int32_t ENGINE_CALL DJC_OpenAllUserDic(const char* userDic1, const char* userDic2,
                                       const char* userDic3);
int32_t ENGINE_CALL DJC_CloseAllUserDic(void);
// Negative on failure; the merge fills mergeReport and may show progress over ownerWindow.
int32_t ENGINE_CALL UserDicMerge_JC(const void* mergeParameters, void* mergeReport,
                                    void* ownerWindow);
// In: the low byte of slotAndIdentifier is '0', '1' or '2' for slot 1, 2, 3; out: it is the
// dictionary's identifier, dicName (kUserDicPathSize bytes) its name, entryCount its entries.
int32_t ENGINE_CALL nGetUserDicInfo_JC(int32_t* slotAndIdentifier, char* dicName,
                                       int32_t* entryCount);
// Step 2 reads after the anchor in the first record, -2 before it, 1 from it, -1 up to it.
// Returns the number of records filled, 0 or less for none.
int32_t ENGINE_CALL nListDataFromUserDic_JC(const char* dicName, int32_t identifier, int32_t step,
                                            void* entryRecords, int32_t recordCount);
// Mode 0 adds, 1 modifies, 2 deletes; -2: an identical entry exists, other negatives: errors.
int32_t ENGINE_CALL nUpdateUserDic_JC(const char* dicName, int32_t identifier, void* entryRecord,
                                      int32_t mode);
// The first record holds the lookup; returns the number of entries, below 1 for none.
int32_t ENGINE_CALL nReadJCDicData(void* entryRecords, int32_t flag, int32_t capacity);
// 0: moved; -11, -12, -13 and other negatives: refused.
int32_t ENGINE_CALL nJCDicOrderChange(void* entryRecords, int32_t recordCount, int32_t fromIndex,
                                      int32_t toIndex);
// entryRecords may be null to learn the count; recordCount is the capacity in, the count out.
int32_t ENGINE_CALL nJCAllDicRead_Morph(const char* word, void* entryRecords,
                                        int32_t* recordCount);
// The ending of the conjugation type in the given form (2: dictionary form), zero-terminated.
int32_t ENGINE_CALL nGetKatsuForm_Gobi(int32_t conjugationType, int32_t form, char* ending);
// Forgets the learned order of system-dictionary words.
int32_t ENGINE_CALL nRemoveSyetemIdx_JC(void);

typedef int32_t(ENGINE_CALL* JC_TransferFn)(TransMode, const char*, char*, int32_t*, WordRecord*,
                                            int32_t*);
typedef int32_t(ENGINE_CALL* Japanese_Chinese_Kanzi_ProcessFn)(const char*, int32_t, char*,
                                                               int32_t*);
typedef int32_t(ENGINE_CALL* Set_JCTrans_ConfigureFn)(TransConfig);
typedef int32_t(ENGINE_CALL* CheckIfUDicFile_JCFn)(const char*);
typedef int32_t(ENGINE_CALL* nCreatUserDic_JCFn)(const char*);
typedef int32_t(ENGINE_CALL* DJC_OpenAllUserDicFn)(const char*, const char*, const char*);
typedef int32_t(ENGINE_CALL* DJC_CloseAllUserDicFn)(void);
typedef int32_t(ENGINE_CALL* UserDicMerge_JCFn)(const void*, void*, void*);
typedef int32_t(ENGINE_CALL* nGetUserDicInfo_JCFn)(int32_t*, char*, int32_t*);
typedef int32_t(ENGINE_CALL* nListDataFromUserDic_JCFn)(const char*, int32_t, int32_t, void*,
                                                        int32_t);
typedef int32_t(ENGINE_CALL* nUpdateUserDic_JCFn)(const char*, int32_t, void*, int32_t);
typedef int32_t(ENGINE_CALL* nReadJCDicDataFn)(void*, int32_t, int32_t);
typedef int32_t(ENGINE_CALL* nJCDicOrderChangeFn)(void*, int32_t, int32_t, int32_t);
typedef int32_t(ENGINE_CALL* nJCAllDicRead_MorphFn)(const char*, void*, int32_t*);
typedef int32_t(ENGINE_CALL* nGetKatsuForm_GobiFn)(int32_t, int32_t, char*);
typedef int32_t(ENGINE_CALL* nRemoveSyetemIdx_JCFn)(void);

} // extern "C"
