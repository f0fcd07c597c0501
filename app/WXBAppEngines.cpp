// The application's side of the engines: user dictionaries at start-up and the configuration.
#include "EngineConfig.h"
#include "JAZHXL.h"
#include "WXBApp.h"
#include "ZHJAXL.h"

namespace {

struct DirectionKeys {
    SettingKey folder;
    SettingKey slots[3];
};

const DirectionKeys kKeys[2] = {
    {SettingKey::JcUserDicFolder, {SettingKey::JcUserDic1, SettingKey::JcUserDic2, SettingKey::JcUserDic3}},
    {SettingKey::CjUserDicFolder, {SettingKey::CjUserDic1, SettingKey::CjUserDic2, SettingKey::CjUserDic3}},
};

} // namespace

void CWXBApp::CheckUserDictionaries() {
    // Chinese to Japanese first, as the engines were always asked.
    for (int direction : {kChineseToJapanese, kJapaneseToChinese}) {
        const DirectionKeys& keys = kKeys[direction];
        m_userDicFolder[direction] = m_userStore.GetString(keys.folder);
        m_docFolder = m_userStore.GetString(SettingKey::DocFolder);
        UserDictionarySource source{
            [&](int slot) { return m_userStore.GetString(keys.slots[slot]); },
            [direction](const std::string& path) {
                return (direction == kChineseToJapanese ? CheckIfUDicFile_CJ(path.c_str())
                                                        : CheckIfUDicFile_JC(path.c_str())) != 0;
            },
            [&](int slot) { m_userStore.WriteString(keys.slots[slot], ""); }};
        ::CheckUserDictionaries(direction, source, m_userDics);
    }
}

bool CWXBApp::ConfigureEngines() const {
    TransConfig records[2];
    for (int direction : {kJapaneseToChinese, kChineseToJapanese}) {
        EngineSettings settings;
        settings.segmentation = m_segmentation[direction];
        settings.writeLog = m_writeLog;
        settings.logFileName = m_logFileName;
        settings.userDics = m_userDics.paths[size_t(direction)];
        records[direction] = BuildTransConfig(TransDirection(direction), settings);
    }
    return Set_JCTrans_Configure(records[kJapaneseToChinese]) && Set_CJTrans_Configure(records[kChineseToJapanese]);
}
