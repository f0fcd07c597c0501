// JAZHXL, the Japanese-to-Chinese engine: the exports, each handed to the engine core.
#include "JAZHXL.h"

#include "EngineModule.h"


using transfer::CTransferEngine;
using transfer::kEngineBadArguments;

namespace {

CTransferEngine& Engine() { return ModuleEngine(kJapaneseToChinese); }

// The dictionary functions that are not built yet: an error, and no output to trust.
constexpr int32_t kNotBuilt = -1;

} // namespace

int32_t ENGINE_CALL JC_Transfer(TransMode mode, const char* source, char* output, int32_t* outputSize,
                                WordRecord* records, int32_t* recordCount) {
    return Guarded(kEngineBadArguments, [&] {
        return Engine().Transfer(mode, source, output, outputSize, records, recordCount);
    });
}

int32_t ENGINE_CALL Japanese_Chinese_Kanzi_Process(const char* text, int32_t chineseCodePage,
                                                   char* output, int32_t* outputSize) {
    return Guarded(kEngineBadArguments, [&] {
        return Engine().ConvertKanzi(text, chineseCodePage, output, outputSize);
    });
}

int32_t ENGINE_CALL Set_JCTrans_Configure(TransConfig config) {
    return Guarded(0, [&] { return ConfiguredResult(Engine(), config); });
}

int32_t ENGINE_CALL CheckIfUDicFile_JC(const char* path) {
    return Guarded(0, [&] { return Engine().CheckUserDic(PathFromAnsi(path)) ? 1 : 0; });
}

int32_t ENGINE_CALL nCreatUserDic_JC(const char* path) {
    return Guarded(-1, [&] { return CreatedResult(Engine().CreateUserDic(PathFromAnsi(path))); });
}

int32_t ENGINE_CALL DJC_OpenAllUserDic(const char* userDic1, const char* userDic2,
                                       const char* userDic3) {
    return Guarded(-1, [&] {
        return OpenedResult(Engine(), PathsFromAnsi(userDic1, userDic2, userDic3));
    });
}

int32_t ENGINE_CALL DJC_CloseAllUserDic(void) {
    return Guarded(-1, [&] {
        Engine().CloseUserDics();
        return 0;
    });
}

int32_t ENGINE_CALL UserDicMerge_JC(const void*, void*, void*) { return kNotBuilt; }

int32_t ENGINE_CALL nGetUserDicInfo_JC(int32_t*, char* dicName, int32_t* entryCount) {
    return NotBuiltInfo(dicName, entryCount);
}

int32_t ENGINE_CALL nListDataFromUserDic_JC(const char*, int32_t, int32_t, void*, int32_t) {
    return kNotBuilt;
}

int32_t ENGINE_CALL nUpdateUserDic_JC(const char*, int32_t, void*, int32_t) { return kNotBuilt; }

int32_t ENGINE_CALL nReadJCDicData(void*, int32_t, int32_t) { return kNotBuilt; }

int32_t ENGINE_CALL nJCDicOrderChange(void*, int32_t, int32_t, int32_t) { return kNotBuilt; }

int32_t ENGINE_CALL nJCAllDicRead_Morph(const char*, void*, int32_t* recordCount) {
    if (recordCount)
        *recordCount = 0;
    return kNotBuilt;
}

int32_t ENGINE_CALL nGetKatsuForm_Gobi(int32_t, int32_t, char* ending) {
    if (ending)
        ending[0] = '\0';
    return kNotBuilt;
}

// Nothing is learned yet, so there is nothing to forget.
int32_t ENGINE_CALL nRemoveSyetemIdx_JC(void) { return 0; }
