// JAZHXL, the Japanese-to-Chinese engine: for now it echoes its input and has no dictionaries.
#include "JAZHXL.h"

#include "EchoEngine.h"

int32_t ENGINE_CALL JC_Transfer(TransMode, const char* source, char* output, int32_t* outputSize,
                                WordRecord* records, int32_t* recordCount) {
    return EchoTransfer(source, output, outputSize, records, recordCount);
}

int32_t ENGINE_CALL Japanese_Chinese_Kanzi_Process(const char* text, int32_t, char* output,
                                                   int32_t* outputSize) {
    return EchoText(text, output, outputSize);
}

int32_t ENGINE_CALL Set_JCTrans_Configure(TransConfig config) {
    return IsPlausibleConfig(config) ? 1 : 0;
}

int32_t ENGINE_CALL CheckIfUDicFile_JC(const char*) { return 0; }

int32_t ENGINE_CALL nCreatUserDic_JC(const char*) { return -1; }

int32_t ENGINE_CALL DJC_OpenAllUserDic(const char* userDic1, const char* userDic2,
                                       const char* userDic3) {
    return OpenNoUserDics(userDic1, userDic2, userDic3);
}

int32_t ENGINE_CALL DJC_CloseAllUserDic(void) { return 0; }

// -2: the dictionaries cannot be opened.
int32_t ENGINE_CALL UserDicMerge_JC(const void*, void*, void*) { return -2; }

int32_t ENGINE_CALL nGetUserDicInfo_JC(int32_t*, char* dicName, int32_t* entryCount) {
    return GetNoUserDicInfo(dicName, entryCount);
}

int32_t ENGINE_CALL nListDataFromUserDic_JC(const char*, int32_t, int32_t, void*, int32_t) {
    return 0;
}

int32_t ENGINE_CALL nUpdateUserDic_JC(const char*, int32_t, void*, int32_t) { return -1; }

int32_t ENGINE_CALL nReadJCDicData(void*, int32_t, int32_t) { return 0; }

int32_t ENGINE_CALL nJCDicOrderChange(void*, int32_t, int32_t, int32_t) { return -1; }

int32_t ENGINE_CALL nJCAllDicRead_Morph(const char*, void*, int32_t* recordCount) {
    if (recordCount)
        *recordCount = 0;
    return 0;
}

// No conjugation table yet: an empty ending and an error.
int32_t ENGINE_CALL nGetKatsuForm_Gobi(int32_t, int32_t, char* ending) {
    if (ending)
        ending[0] = '\0';
    return -1;
}

int32_t ENGINE_CALL nRemoveSyetemIdx_JC(void) { return 0; }
