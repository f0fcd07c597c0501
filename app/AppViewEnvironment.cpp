// The view's environment in the editor: the fonts of the user settings, the script and the
// direction of the application, the switches of the command line.
#include "AppViewEnvironment.h"

#include "WXBApp.h"

namespace {

struct FontKeys {
    SettingKey height, weight, faceName, colour, pitchAndFamily, type;
};

// By FontSection.
const FontKeys kFontKeys[] = {
    {SettingKey::JapaneseFontHeight, SettingKey::JapaneseFontWeight, SettingKey::JapaneseFontFaceName,
     SettingKey::JapaneseFontColor, SettingKey::JapaneseFontPitchAndFamily, SettingKey::JapaneseFontType},
    {SettingKey::GbFontHeight, SettingKey::GbFontWeight, SettingKey::GbFontFaceName, SettingKey::GbFontColor,
     SettingKey::GbFontPitchAndFamily, SettingKey::GbFontType},
    {SettingKey::Big5FontHeight, SettingKey::Big5FontWeight, SettingKey::Big5FontFaceName, SettingKey::Big5FontColor,
     SettingKey::Big5FontPitchAndFamily, SettingKey::Big5FontType},
};

} // namespace

FontSettingValues CAppViewEnvironment::FontSettings(int section) const {
    const FontKeys& keys = kFontKeys[section];
    const CSettingsStore& store = m_app.UserStore();
    FontSettingValues values;
    values.height = store.GetInt(keys.height);
    values.weight = store.GetInt(keys.weight);
    values.faceName = store.GetString(keys.faceName);
    values.colourName = store.GetString(keys.colour);
    values.pitchAndFamily = store.GetInt(keys.pitchAndFamily);
    return values;
}

void CAppViewEnvironment::WriteFontSettings(int section, const FontSettingValues& values) const {
    const FontKeys& keys = kFontKeys[section];
    const CSettingsStore& store = m_app.UserStore();
    store.WriteInt(keys.height, values.height);
    store.WriteInt(keys.weight, values.weight);
    store.WriteInt(keys.pitchAndFamily, values.pitchAndFamily);
    store.WriteString(keys.faceName, values.faceName);
    store.WriteInt(keys.type, 0);
    store.WriteString(keys.colour, values.colourName);
}

int CAppViewEnvironment::ChineseScript() const { return m_app.ChineseScript(); }

int CAppViewEnvironment::SourceLanguage() const { return m_app.Direction() == kChineseToJapanese ? 1 : 0; }

bool CAppViewEnvironment::ReadOnlyMark() const { return m_app.Switches().readOnlyMark; }
