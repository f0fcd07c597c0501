// The editor's application object.
#include "WXBApp.h"

#include "DocTemplate.h"
#include "MainFrame.h"
#include "WXBDoc.h"
#include "WXBView.h"
#include "resource.h"

CWXBApp theApp;

bool CWXBApp::InitInstance() {
    SetRegistryKey(L"TORVANE");
    SetProfileName(L"LINGUA_SUITE\\Duopane");
    LoadStdProfileSettings(4);

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CWXBDoc>(); }, [] { return new CMainFrame; },
        [] { return new CWXBView; }));

    if (!ProcessShellCommand(ParseShellCommandLine(CommandLine().c_str())))
        return false;
    HWND frame = MainFrame()->GetSafeHwnd();
    ::ShowWindow(frame, ShowCommand());
    ::UpdateWindow(frame);
    return true;
}
