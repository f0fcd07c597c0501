// The application object: start and exit hooks, the message loop with idle processing,
// the framework profile with its recent files, and the application's commands.
#pragma once

#include "CommandLineInfo.h"
#include "CommandTarget.h"
#include "Profile.h"
#include "RecentFileList.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class CDocument;
class CFrameWindow;
class CSingleDocTemplate;

class CApplication : public CCommandTarget {
public:
    CApplication();
    ~CApplication() override;

    static CApplication* Current();

    // Runs the program: InitInstance, the message loop, ExitInstance. Returns the exit code.
    int Main(HINSTANCE instance, const wchar_t* commandLine, int showCommand);

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance();
    // Called while the queue is empty, with a count that starts at 0 after new input; return
    // true to be called again before the next message.
    virtual bool OnIdle(long count);
    // Return true when the message has been dealt with and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg);
    int Run();

    HINSTANCE Instance() const { return m_instance; }
    const std::wstring& CommandLine() const { return m_commandLine; }
    int ShowCommand() const { return m_showCommand; }
    CFrameWindow* MainFrame() const { return m_mainFrame; }
    void SetMainFrame(CFrameWindow* frame) { m_mainFrame = frame; }

    // Framework profile under HKEY_CURRENT_USER\Software\<key>\<profile name>.
    void SetRegistryKey(const std::wstring& key) { m_profile.SetRegistryKey(key); }
    void SetProfileName(const std::wstring& name) { m_profile.SetProfileName(name); }
    const CProfile& Profile() const { return m_profile; }
    void LoadStdProfileSettings(size_t recentFileCount);
    CRecentFileList* RecentFiles() const { return m_recentFiles.get(); }
    void AddToRecentFileList(const std::wstring& path);

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate);
    CSingleDocTemplate* DocTemplate() const { return m_docTemplate.get(); }
    virtual CDocument* OpenDocumentFile(const std::wstring& path);
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // Modeless dialogs get their keyboard messages through IsDialogMessage.
    void AddModelessDialog(HWND dialog);
    void RemoveModelessDialog(HWND dialog);

protected:
    virtual void OnFileNew();
    virtual void OnFileOpen();
    void OnOpenRecentFile(UINT id);
    void OnAppExit();

private:
    bool PumpMessage();
    bool IsIdleMessage(const MSG& msg);

    HINSTANCE m_instance = nullptr;
    std::wstring m_commandLine;
    int m_showCommand = SW_SHOWNORMAL;
    int m_exitCode = 0;
    CFrameWindow* m_mainFrame = nullptr;
    CProfile m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CSingleDocTemplate> m_docTemplate;
    std::vector<HWND> m_modelessDialogs;
    MSG m_currentMessage = {};
    POINT m_lastMousePoint = {-1, -1};
    UINT m_lastMouseMessage = 0;
};
