// The view's environment in the editor: the fonts of the user settings, the script and the
// direction of the application, the switches of the command line.
#pragma once

#include "ViewEnvironment.h"

class CWXBApp;

class CAppViewEnvironment : public CViewEnvironment {
public:
    explicit CAppViewEnvironment(CWXBApp& app) : m_app(app) {}

    FontSettingValues FontSettings(int section) const override;
    void WriteFontSettings(int section, const FontSettingValues& values) const override;
    int ChineseScript() const override;
    int SourceLanguage() const override;
    bool ThreePaneDisplay() const override { return false; }
    bool ReadOnlyMark() const override;

private:
    CWXBApp& m_app;
};
