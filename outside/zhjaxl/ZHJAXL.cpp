// ZHJAXL, the Chinese-to-Japanese engine: for now it echoes its input and has no dictionaries.
#include "ZHJAXL.h"

#include "EchoEngine.h"

int32_t ENGINE_CALL CJ_Transfer(TransMode, const char* source, char* output, int32_t* outputSize,
                                WordRecord* records, int32_t* recordCount) {
    return EchoTransfer(source, output, outputSize, records, recordCount);
}

int32_t ENGINE_CALL Chinese_Japanese_Kanzi_Process(const char* text, int32_t, char* output,
                                                   int32_t* outputSize) {
    return EchoText(text, output, outputSize);
}

int32_t ENGINE_CALL Set_CJTrans_Configure(TransConfig config) {
    return IsPlausibleConfig(config) ? 1 : 0;
}

int32_t ENGINE_CALL CheckIfUDicFile_CJ(const char*) { return 0; }

int32_t ENGINE_CALL nCreatUserDic_CJ(const char*) { return -1; }

int32_t ENGINE_CALL DCJ_OpenAllUserDic(const char* userDic1, const char* userDic2,
                                       const char* userDic3) {
    return OpenNoUserDics(userDic1, userDic2, userDic3);
}

int32_t ENGINE_CALL DCJ_CloseAllUserDic(void) { return 0; }

// -2: the dictionaries cannot be opened.
int32_t ENGINE_CALL UserDicMerge_CJ(const void*, void*, void*) { return -2; }

int32_t ENGINE_CALL nGetUserDicInfo_CJ(int32_t*, char* dicName, int32_t* entryCount) {
    return GetNoUserDicInfo(dicName, entryCount);
}

int32_t ENGINE_CALL nListDataFromUserDic_CJ(const char*, int32_t, int32_t, void*, int32_t) {
    return 0;
}

int32_t ENGINE_CALL nUpdateUserDic_CJ(const char*, int32_t, void*, int32_t) { return -1; }

int32_t ENGINE_CALL nReadCJDicData(void*, int32_t, int32_t) { return 0; }

int32_t ENGINE_CALL nCJDicOrderChange(void*, int32_t) { return -1; }

int32_t ENGINE_CALL nRemoveSystemIdx_CJ(void) { return 0; }
