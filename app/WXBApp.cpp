// The editor's application object: start-up, the process-wide settings, exit and idle work.
#include "WXBApp.h"

#include "AboutDialog.h"
#include "AppViewEnvironment.h"
#include "DocTemplate.h"
#include "ResourceText.h"
#include "WideText.h"
#include "InstanceNames.h"
#include "JAZHXL.h"
#include "ZHJAXL.h"
#include "MainFrame.h"
#include "StartupModules.h"
#include "TextCodes.h"
#include "WXBDoc.h"
#include "WXBView.h"
#include "resource.h"

#include <shellapi.h>

#include <ctime>
#include <cstdio>

CWXBApp theApp;

CWXBApp& TheApp() { return theApp; }

namespace {

const char kCompany[] = "TORVANE";
const char kEdition[] = "LINGUA_SUITE";
const char kApplication[] = "DUOPANE";

// Help viewer, loaded when first needed; a missing viewer only means no help.
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
HtmlHelpFunction HtmlHelpEntry() {
    static HMODULE module = ::LoadLibraryW(L"hhctrl.ocx");
    static auto entry =
        module ? reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(::GetProcAddress(module, "HtmlHelpW")))
               : nullptr;
    return entry;
}

struct ReopenCommand {
    UINT command;
    int index;
};
const ReopenCommand kReopenCommands[] = {
    {ID_FILE_REOPEN_SJIS, 1},        {ID_FILE_REOPEN_GB2312, 2},      {ID_FILE_REOPEN_BIG5, 3},
    {ID_FILE_REOPEN_HANVELL_GB, 4},  {ID_FILE_REOPEN_HANVELL_BIG5, 5}, {ID_FILE_REOPEN_UNICODE_JPN, 6},
    {ID_FILE_REOPEN_UNICODE_GB, 7},  {ID_FILE_REOPEN_UNICODE_BIG5, 8}, {ID_FILE_REOPEN_UTF8_JPN, 9},
    {ID_FILE_REOPEN_UTF8_GB, 10},    {ID_FILE_REOPEN_UTF8_BIG5, 11},
};

const UINT kHelpInitialize = 0x1C;
const UINT kHelpDisplayIndex = 2;
const UINT kHelpContext = 15;
const UINT kHelpFinder = 11;

struct TitleSearch {
    std::wstring needle;
    bool found;
};

BOOL CALLBACK FindEditorTitle(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TitleSearch*>(param);
    wchar_t title[512] = {};
    ::GetWindowTextW(hwnd, title, 512);
    if (std::wstring(title).find(search->needle) != std::wstring::npos) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

} // namespace

CWXBApp::CWXBApp()
    : m_machineStore(HKEY_LOCAL_MACHINE, kCompany, kEdition, kApplication, true),
      m_userStore(HKEY_CURRENT_USER, kCompany, kEdition, kApplication, false, &m_machineStore),
      m_companyStore(HKEY_CURRENT_USER, kCompany, "", "", false) {
    OnCommand(ID_APP_ABOUT, [this] { CAboutDialog(MainFrame() ? MainFrame()->GetSafeHwnd() : nullptr).DoModal(); });
    OnCommand(ID_HELP_FINDER, [this] { WinHelp(0, kHelpFinder); });
    for (const ReopenCommand& reopen : kReopenCommands) {
        int index = reopen.index;
        OnCommand(reopen.command, [this, index] { ReopenWithCode(index); });
        OnUpdate(reopen.command, [this, index](CCommandUI& ui) {
            CSingleDocTemplate* docTemplate = DocTemplate();
            CWXBDoc* document = docTemplate ? static_cast<CWXBDoc*>(docTemplate->Document()) : nullptr;
            ui.Enable(document && document->View() && document->Data().FromText() &&
                      m_lastLoadCode != TextCodeByIndex(index).textCode);
        });
    }
}

bool CWXBApp::AnotherInstanceIsRunning() const {
    TitleSearch search = {L"- " + LoadResourceString(IDS_APP_TITLE), false};
    ::EnumWindows(FindEditorTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool CWXBApp::InitInstance() {
    // 1. Splash only for a plain start of the first instance.
    bool anotherInstance = AnotherInstanceIsRunning();
    m_splashEnabled = CommandLine().empty() && !anotherInstance;

    // 2.-3. Settings location, program folder, framework profile with four recent files.
    SetRegistryKey(L"TORVANE");
    char modulePath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
    m_programFolder = modulePath;
    m_programFolder.resize(m_programFolder.find_last_of('\\') + 1);
    SetProfileName(L"LINGUA_SUITE\\Duopane");
    m_helpFile = m_programFolder + "Twintext.chm";
    LoadStdProfileSettings(4);

    // 4. Document template.
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [this] { return std::make_unique<CWXBDoc>(*this); }, [] { return new CMainFrame; },
        [this] { return new CWXBView(std::make_unique<CAppViewEnvironment>(*this)); }));

    // 5. Rich edit, the editor's own text field, the help viewer.
    ::LoadLibraryW(L"riched20.dll");
    RegisterEditControlClass();
    if (HtmlHelpFunction help = HtmlHelpEntry()) {
        static DWORD_PTR cookie = 0;
        help(nullptr, nullptr, kHelpInitialize, reinterpret_cast<DWORD_PTR>(&cookie));
    }

    // 6. and 11. The command line's own switches.
    m_switches = ParseStartupSwitches(CommandLine());
    m_serviceNumber = m_switches.serviceNumber;

    // 7. Character conversion tables.
    if (!LoadProgramCharacterTables())
        return false;

    // 9. Names that follow the service number.
    m_resultWorkFile = ResultWorkFileName(m_programFolder, m_serviceNumber);
    m_serviceName = ::ServiceName(m_serviceNumber);
    SetProfileName(NumberedProfileName(Profile().ProfileName(), m_serviceNumber));
    if (m_serviceNumber != 0)
        LoadStdProfileSettings(4);

    // 10. General settings and the segmentation values of both directions.
    LoadGeneralSettings();
    m_segmentation[kJapaneseToChinese] = LoadSegmentation(kJapaneseToChinese);
    m_segmentation[kChineseToJapanese] = LoadSegmentation(kChineseToJapanese);

    // 11. The direction given on the command line overrides the stored one.
    if (m_switches.direction != SwitchDirection::None) {
        m_direction =
            m_switches.direction == SwitchDirection::ChineseToJapanese ? kChineseToJapanese : kJapaneseToChinese;
        m_directionFromCommandLine = true;
    }

    // 12. Values of the start-up direction.
    LoadDirectionSettings(m_direction, false);

    // 13.-14. User dictionaries and the engines' configuration; a refusal ends the program silently.
    CheckUserDictionaries();
    if (!ConfigureEngines())
        return false;

    // 15. The start-up direction's segmentation values become the current ones.
    m_currentSegmentation = ::CurrentSegmentation(TransDirection(m_direction), m_segmentation[kJapaneseToChinese],
                                                m_segmentation[kChineseToJapanese]);

    // 16. New document or the file named on the command line.
    if (!ProcessShellCommand(ParseShellCommandLine(CommandLine().c_str())))
        return false;

    HWND frame = MainFrame()->GetSafeHwnd();
    static_cast<CMainFrame*>(MainFrame())->RestorePlacement(ShowCommand());
    ::UpdateWindow(frame);

    // 18. Dropped files; "/SW=MINI" as the whole command line starts minimised.
    ::DragAcceptFiles(frame, TRUE);
    if (m_switches.startMinimised)
        ::SendMessageW(frame, WM_SYSCOMMAND, SC_MINIMIZE, 0);

    // 19. The translation service for other programs.
    StartTranslationService(frame, Instance());

    // 20. Every system this program supports is of the NT family; the flag selects the wide text paths.
    OSVERSIONINFOW version = {sizeof version};
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    m_ntFamily = !::GetVersionExW(&version) || version.dwPlatformId == VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
    return true;
}

void CWXBApp::LoadGeneralSettings() {
    m_direction = m_userStore.GetInt(SettingKey::DirectJtoC) == kChineseToJapanese ? kChineseToJapanese
                                                                                   : kJapaneseToChinese;
    m_chineseScript = m_userStore.GetInt(SettingKey::GbBig5) == 1 ? 1 : 0;
    int index = m_userStore.GetInt(SettingKey::InputChineseCode);
    m_inputIndex = index >= 0 && index < kTextCodeCount ? index : 0;
    m_unicodeForm = m_userStore.GetInt(SettingKey::Unicode);
    m_forcedCodePending = false; // only the open dialog and the reopen commands force a code
    m_chineseSaveCode = m_userStore.GetInt(SettingKey::OutputChineseCode) == 1 ? 1 : 0;
}

TextReadRequest CWXBApp::TakeReadRequest() {
    TextReadRequest request;
    if (m_forcedCodePending) {
        request.inputIndex = m_inputIndex;
        request.unicodeForm = UnicodeFormOfIndex(m_inputIndex);
    }
    m_forcedCodePending = false;
    request.chineseScript = m_chineseScript;
    request.autoFileCheck = AutoFileCheck();
    request.direction = TransDirection(m_direction);
    request.japaneseValues = m_segmentation[kJapaneseToChinese];
    request.chineseValues = m_segmentation[kChineseToJapanese];
    return request;
}

void CWXBApp::TextFileRead(const TextReadOutcome& outcome) {
    m_lastLoadCode = outcome.textCode;
    // A signature decides the form the file is saved in again.
    m_unicodeForm = outcome.unicodeForm;
    if (outcome.scriptChangeNeeded)
        m_chineseScript = m_chineseScript == 1 ? 0 : 1;
    if (outcome.directionSwitched)
        SwitchDirection(outcome.direction);
}

void CWXBApp::LinePerSentenceFileRead(const LineFileOutcome& outcome) {
    if (outcome.switchToJapaneseSource)
        SwitchDirection(kJapaneseToChinese);
}

void CWXBApp::SwitchDirection(int direction) {
    if (direction == m_direction)
        return;
    m_direction = direction;
    m_userStore.WriteInt(SettingKey::DirectJtoC, direction);
    LoadDirectionSettings(direction, true);
    // Source and translation change places in the view.
    CSingleDocTemplate* docTemplate = DocTemplate();
    CDocument* document = docTemplate ? docTemplate->Document() : nullptr;
    if (auto* view = document ? dynamic_cast<CWXBView*>(document->View()) : nullptr)
        view->SetSourceLanguage(direction);
}

void CWXBApp::ReopenWithCode(int index) {
    if (!RecentFiles() || RecentFiles()->Size() == 0)
        return;
    const int previousIndex = m_inputIndex, previousForm = m_unicodeForm;
    m_inputIndex = index;
    m_unicodeForm = UnicodeFormOfIndex(index);
    m_forcedCodePending = true;
    OpenDocumentFile((*RecentFiles())[0]);
    m_inputIndex = previousIndex;
    m_unicodeForm = previousForm;
    m_forcedCodePending = false;
}

SegmentationValues CWXBApp::LoadSegmentation(int direction) const {
    SegmentationValues v;
    const CSettingsStore& s = m_userStore;
    if (direction == kJapaneseToChinese) {
        v.periodOnly = s.GetInt(SettingKey::JcPeriodOnly);
        v.questionMark = s.GetInt(SettingKey::JcQuestionMark);
        v.exclamationMark = s.GetInt(SettingKey::JcExclamationMark);
        v.semicolonMark = s.GetInt(SettingKey::JcSemicolonMark);
        v.colonMark = s.GetInt(SettingKey::JcColonMark);
        v.lineFlag = s.GetInt(SettingKey::JcLineFlag);
        v.lineLength = s.GetInt(SettingKey::JcLineLength);
        v.spaceCutFlag = s.GetInt(SettingKey::JcSpaceCutFlag);
        v.spaceCutLength = s.GetInt(SettingKey::JcSpaceCutLength);
    } else {
        v.periodOnly = s.GetInt(SettingKey::CjPeriodOnly);
        v.questionMark = s.GetInt(SettingKey::CjQuestionMark);
        v.exclamationMark = s.GetInt(SettingKey::CjExclamationMark);
        v.semicolonMark = s.GetInt(SettingKey::CjSemicolonMark);
        v.colonMark = s.GetInt(SettingKey::CjColonMark);
        v.commaMark = s.GetInt(SettingKey::CjCommaMark);
        v.dashMark = s.GetInt(SettingKey::CjDashMark);
        v.omitMark = s.GetInt(SettingKey::CjOmitMark);
        v.transHomo = s.GetInt(SettingKey::CjTransHomo);
        v.lineFlag = s.GetInt(SettingKey::CjLineFlag);
        v.lineLength = s.GetInt(SettingKey::CjLineLength);
        v.spaceCutFlag = s.GetInt(SettingKey::CjSpaceCutFlag);
        v.spaceCutLength = s.GetInt(SettingKey::CjSpaceCutLength);
    }
    return v;
}

void CWXBApp::LoadDirectionSettings(int direction, bool reloadSegmentation) {
    std::string mainDic =
        m_userStore.GetString(direction == kJapaneseToChinese ? SettingKey::JcMainDic : SettingKey::CjMainDic);
    m_systemDicFolder = mainDic.empty() ? m_programFolder + "SYSTEMDIC\\" : mainDic;
    m_inhouse = m_userStore.GetInt(SettingKey::Inhouse) == 1;

    m_writeLog = m_userStore.GetInt(SettingKey::WriteLog);
    m_logFileName = m_userStore.GetString(SettingKey::LogFileName);
    m_logPath = m_userStore.GetString(SettingKey::LogFile);
    if (!m_logPath.empty()) {
        std::time_t now = std::time(nullptr);
        char suffix[32] = {};
        std::strftime(suffix, sizeof suffix, ".%d%H%M%S", std::localtime(&now));
        m_logPath += suffix;
    }
    if (reloadSegmentation) {
        m_segmentation[direction] = LoadSegmentation(direction);
        m_currentSegmentation = ::CurrentSegmentation(TransDirection(direction), m_segmentation[kJapaneseToChinese],
                                                    m_segmentation[kChineseToJapanese]);
    }
}

void CWXBApp::WriteLog(const std::string& line) const {
    if (m_logPath.empty())
        return;
    // Opened and closed for each line, so that the log survives a crash.
    if (FILE* file = std::fopen(m_logPath.c_str(), "ab")) {
        std::fwrite(line.data(), 1, line.size(), file);
        std::fclose(file);
    }
}

int CWXBApp::ExitInstance() {
    m_userStore.WriteInt(SettingKey::SanmenHyoji, 0);
    if (m_direction == kChineseToJapanese)
        DCJ_CloseAllUserDic();
    else
        DJC_CloseAllUserDic();
    return CApplication::ExitInstance();
}

bool CWXBApp::OnIdle(long count) {
    bool resumeNow = false;
    bool more = m_deferredResume.OnIdle(count, CApplication::OnIdle(count), resumeNow);
    if (resumeNow && MainFrame())
        ::PostMessageW(MainFrame()->GetSafeHwnd(), WM_TRANSLATE_SENTENCE, 1, 0);
    return more;
}

void CWXBApp::WinHelp(DWORD_PTR data, UINT command) {
    HtmlHelpFunction help = HtmlHelpEntry();
    if (!help) {
        ::MessageBeep(MB_OK);
        return;
    }
    std::wstring file = WideOf(m_helpFile);
    help(::GetDesktopWindow(), file.c_str(), command == kHelpFinder ? kHelpDisplayIndex : kHelpContext, data);
}
