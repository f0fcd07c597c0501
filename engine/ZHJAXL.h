// Functions of ZHJAXL, the Chinese-to-Japanese engine, bound at load time by name.
#pragma once

#include "EngineRecords.h"

// Entry records of the dictionary functions are 104 bytes; the dictionary dialogs build them.
extern "C" {

// Returns 0 when done, kEngineOutputTooSmall or kEngineTooFewRecords to be called again.
int32_t ENGINE_CALL CJ_Transfer(TransMode mode, const char* source, char* output,
                                int32_t* outputSize, WordRecord* records, int32_t* recordCount);
// Chinese text of the code page (936 or 950) with its characters turned into Japanese kanji.
int32_t ENGINE_CALL Chinese_Japanese_Kanzi_Process(const char* text, int32_t chineseCodePage,
                                                   char* output, int32_t* outputSize);
// Non-zero when the engine takes the configuration.
int32_t ENGINE_CALL Set_CJTrans_Configure(TransConfig config);

// Paths are given without the ".dic" extension.
int32_t ENGINE_CALL CheckIfUDicFile_CJ(const char* path);  // non-zero: a CJ user dictionary
int32_t ENGINE_CALL nCreatUserDic_CJ(const char* path);    // 0: created
int32_t ENGINE_CALL DCJ_OpenAllUserDic(const char* userDic1, const char* userDic2,
                                       const char* userDic3);
int32_t ENGINE_CALL DCJ_CloseAllUserDic(void);
// Negative on failure; the merge fills mergeReport and may show progress over ownerWindow.
int32_t ENGINE_CALL UserDicMerge_CJ(const void* mergeParameters, void* mergeReport,
                                    void* ownerWindow);
// In: the low byte of slotAndIdentifier is '0', '1' or '2' for slot 1, 2, 3; out: it is the
// dictionary's identifier, dicName (kUserDicPathSize bytes) its name, entryCount its entries.
int32_t ENGINE_CALL nGetUserDicInfo_CJ(int32_t* slotAndIdentifier, char* dicName,
                                       int32_t* entryCount);
// Step 2 reads after the anchor in the first record, -2 before it, 1 from it, -1 up to it.
// Returns the number of records filled, 0 or less for none.
int32_t ENGINE_CALL nListDataFromUserDic_CJ(const char* dicName, int32_t identifier, int32_t step,
                                            void* entryRecords, int32_t recordCount);
// Mode 0 adds, 1 modifies, 2 deletes; -2: an identical entry exists, other negatives: errors.
int32_t ENGINE_CALL nUpdateUserDic_CJ(const char* dicName, int32_t identifier, void* entryRecord,
                                      int32_t mode);
// The first record holds the lookup; returns the number of entries, below 1 for none.
int32_t ENGINE_CALL nReadCJDicData(void* entryRecords, int32_t flag, int32_t capacity);
// Stores the order values of the records as they now stand.
int32_t ENGINE_CALL nCJDicOrderChange(void* entryRecords, int32_t recordCount);
// Forgets the learned order of system-dictionary words.
int32_t ENGINE_CALL nRemoveSystemIdx_CJ(void);

typedef int32_t(ENGINE_CALL* CJ_TransferFn)(TransMode, const char*, char*, int32_t*, WordRecord*,
                                            int32_t*);
typedef int32_t(ENGINE_CALL* Chinese_Japanese_Kanzi_ProcessFn)(const char*, int32_t, char*,
                                                               int32_t*);
typedef int32_t(ENGINE_CALL* Set_CJTrans_ConfigureFn)(TransConfig);
typedef int32_t(ENGINE_CALL* CheckIfUDicFile_CJFn)(const char*);
typedef int32_t(ENGINE_CALL* nCreatUserDic_CJFn)(const char*);
typedef int32_t(ENGINE_CALL* DCJ_OpenAllUserDicFn)(const char*, const char*, const char*);
typedef int32_t(ENGINE_CALL* DCJ_CloseAllUserDicFn)(void);
typedef int32_t(ENGINE_CALL* UserDicMerge_CJFn)(const void*, void*, void*);
typedef int32_t(ENGINE_CALL* nGetUserDicInfo_CJFn)(int32_t*, char*, int32_t*);
typedef int32_t(ENGINE_CALL* nListDataFromUserDic_CJFn)(const char*, int32_t, int32_t, void*,
                                                        int32_t);
typedef int32_t(ENGINE_CALL* nUpdateUserDic_CJFn)(const char*, int32_t, void*, int32_t);
typedef int32_t(ENGINE_CALL* nReadCJDicDataFn)(void*, int32_t, int32_t);
typedef int32_t(ENGINE_CALL* nCJDicOrderChangeFn)(void*, int32_t);
typedef int32_t(ENGINE_CALL* nRemoveSystemIdx_CJFn)(void);

} // extern "C"
