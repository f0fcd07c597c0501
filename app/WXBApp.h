// The editor's application object: start-up, the process-wide settings, exit and idle work.
#pragma once

#include "Application.h"
#include "DeferredResume.h"
#include "InputSettings.h"
#include "SegmentationValues.h"
#include "SettingsStore.h"
#include "StartupSwitches.h"
#include "TextFileHost.h"
#include "UserDictionaryCheck.h"

#include <string>

class CWXBApp : public CApplication, public CTextFileHost {
public:
    CWXBApp();

    bool InitInstance() override;
    int ExitInstance() override;
    bool OnIdle(long count) override;
    void WinHelp(DWORD_PTR data, UINT command);

    const CSettingsStore& UserStore() const { return m_userStore; }
    const CSettingsStore& CompanyStore() const { return m_companyStore; }

    // Loads the values that belong to the direction; run at start-up and on every direction switch.
    void LoadDirectionSettings(int direction, bool reloadSegmentation);
    // Offers the stored user dictionaries of both directions to their engines.
    void CheckUserDictionaries();
    // Hands both engines their configuration, JC first; false when either refuses.
    bool ConfigureEngines() const;
    const UserDictionarySlots& UserDictionaries() const { return m_userDics; }
    const std::string& UserDictionaryFolder(int direction) const { return m_userDicFolder[direction]; }
    const std::string& DocumentFolder() const { return m_docFolder; }

    // Appends one line to the log file, when there is one.
    void WriteLog(const std::string& line) const;

    int ServiceNumber() const { return m_serviceNumber; }
    const SegmentationValues& CurrentSegmentation() const { return m_currentSegmentation; }
    const std::string& ResultWorkFile() const { return m_resultWorkFile; }
    const std::string& ServiceName() const { return m_serviceName; }
    const std::string& ProgramFolder() const { return m_programFolder; }
    const StartupSwitches& Switches() const { return m_switches; }
    bool SplashEnabled() const { return m_splashEnabled; }
    bool IsNtFamily() const { return m_ntFamily; }
    int ChineseScript() const { return m_chineseScript; }

    // Text files: the code chosen for the next open, and what the last one found.
    TextReadRequest TakeReadRequest() override;
    void TextFileRead(const TextReadOutcome& outcome) override;
    void LinePerSentenceFileRead(const LineFileOutcome& outcome) override;
    TransDirection Direction() const override { return TransDirection(m_direction); }
    bool AutoFileCheck() const override { return m_userStore.GetInt(SettingKey::AutoFileCheck) != 0; }
    int LastLoadCode() const override { return m_lastLoadCode; }
    bool ChooseSaveFile(const std::wstring& suggestedName, bool replace, int fileType,
                        SaveFileChoice& choice) override;
    TextWriteRequest TextWriteSettings(int language) const override;
    std::string TitleSuffixAfterTextSave(int fileType) const override;
    // Every open but the open dialog's and the reopen commands' detects the code.
    CDocument* OpenDocumentFile(const std::wstring& path) override;
    // The input-method settings as stored now.
    InputSettings LoadInputSettings() const;
    // Opens the current file again in the code of the open-dialog index (1 to 11).
    void ReopenWithCode(int index);
    // The direction of translation changes; its settings come with it.
    void SwitchDirection(int direction);

    // A translation run's engine call waits for idle time while input is waiting.
    CDeferredResume& DeferredEngineCall() { return m_deferredResume; }

protected:
    void OnFileOpen() override;

private:
    void LoadGeneralSettings();
    // The folder a file dialog ended in, for the next one.
    void RememberDocumentFolder(const std::wstring& folder);
    SegmentationValues LoadSegmentation(int direction) const;
    bool AnotherInstanceIsRunning() const;

    CSettingsStore m_machineStore;
    CSettingsStore m_userStore;
    CSettingsStore m_companyStore;

    std::string m_programFolder;
    std::string m_systemDicFolder;
    std::string m_helpFile;
    std::string m_resultWorkFile;
    std::string m_serviceName;
    std::string m_logPath;
    std::string m_logFileName;
    int m_writeLog = 0;
    std::string m_userDicFolder[2];
    std::string m_docFolder;
    UserDictionarySlots m_userDics;
    int m_serviceNumber = 0;
    int m_direction = kJapaneseToChinese;
    int m_chineseScript = 0;
    SegmentationValues m_segmentation[2];
    SegmentationValues m_currentSegmentation;
    StartupSwitches m_switches;
    bool m_directionFromCommandLine = false;
    bool m_splashEnabled = false;
    bool m_ntFamily = true;
    bool m_inhouse = false;
    CDeferredResume m_deferredResume;
    int m_inputIndex = 0;     // the code forced on the next open, 0 to detect
    int m_unicodeForm = 0;
    bool m_forcedCodePending = false;
    int m_lastLoadCode = 0;
    int m_chineseSaveCode = 0; // 0 GB2312 or Big5, 1 Hanvell
};

CWXBApp& TheApp();
