// The application object: start and exit hooks, the message loop with idle processing,
// the framework profile with its recent files, and the application's commands.
#include "Application.h"

#include "DocTemplate.h"
#include "Document.h"
#include "FrameWindow.h"
#include "FrameworkIds.h"
#include "ResourceText.h"

#include <commdlg.h>

#include <algorithm>

namespace {
CApplication* g_application = nullptr;
const UINT kSystemTimer = 0x0118;  // caret blinking; no user input
} // namespace

CApplication::CApplication() {
    g_application = this;
    OnCommand(ID_FILE_NEW, [this] { OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { OnFileOpen(); });
    OnCommandRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, [this](UINT id) { OnOpenRecentFile(id); });
    OnUpdateRange(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE4, [this](CCommandUI& ui) {
        CMenuCommandUI* item = dynamic_cast<CMenuCommandUI*>(&ui);
        if (!m_recentFiles)
            ui.Enable(false);
        else if (item && item->Id() == ID_FILE_MRU_FILE1)
            m_recentFiles->UpdateMenu(*item);
    });
    OnCommand(ID_APP_EXIT, [this] { OnAppExit(); });
}

CApplication::~CApplication() {
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::Current() { return g_application; }

int CApplication::Main(HINSTANCE instance, const wchar_t* commandLine, int showCommand) {
    m_instance = instance;
    m_commandLine = commandLine ? commandLine : L"";
    m_showCommand = showCommand;
    if (!InitInstance()) {
        if (m_mainFrame && m_mainFrame->GetSafeHwnd())
            ::DestroyWindow(m_mainFrame->GetSafeHwnd());
        // Whatever quit message the destruction posted is not for a loop that never ran.
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ExitInstance();
        return -1;
    }
    return Run();
}

int CApplication::ExitInstance() {
    if (m_recentFiles)
        m_recentFiles->Write();
    return m_exitCode;
}

bool CApplication::OnIdle(long count) {
    if (count <= 0) {
        if (m_mainFrame && m_mainFrame->GetSafeHwnd()) {
            ::SendMessageW(m_mainFrame->GetSafeHwnd(), WM_IDLEUPDATECMDUI, TRUE, 0);
            if (m_docTemplate && m_docTemplate->Document())
                m_docTemplate->Document()->OnIdle();
        }
    }
    return count < 1;
}

bool CApplication::PreTranslateMessage(MSG& msg) {
    if (m_mainFrame && m_mainFrame->GetSafeHwnd() && m_mainFrame->PreTranslateMessage(msg))
        return true;
    for (HWND dialog : m_modelessDialogs)
        if (::IsWindow(dialog) && ::IsDialogMessageW(dialog, &msg))
            return true;
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && m_mainFrame && m_mainFrame->GetSafeHwnd()) {
        HWND frame = m_mainFrame->GetSafeHwnd();
        HACCEL accelerators = m_mainFrame->Accelerators();
        // Only keys meant for the frame or its children use the frame's accelerators.
        if (accelerators && (msg.hwnd == frame || ::IsChild(frame, msg.hwnd)) &&
            ::TranslateAcceleratorW(frame, accelerators, &msg))
            return true;
    }
    return false;
}

int CApplication::Run() {
    bool idle = true;
    long idleCount = 0;
    MSG peek;
    for (;;) {
        while (idle && !::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++))
                idle = false;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(m_currentMessage)) {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageW(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

bool CApplication::PumpMessage() {
    if (!::GetMessageW(&m_currentMessage, nullptr, 0, 0)) {
        m_exitCode = int(m_currentMessage.wParam);
        return false;
    }
    if (!PreTranslateMessage(m_currentMessage)) {
        ::TranslateMessage(&m_currentMessage);
        ::DispatchMessageW(&m_currentMessage);
    }
    return true;
}

bool CApplication::IsIdleMessage(const MSG& msg) {
    if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
        // A mouse that did not move is no new input.
        if (msg.message == m_lastMouseMessage && msg.pt.x == m_lastMousePoint.x && msg.pt.y == m_lastMousePoint.y)
            return false;
        m_lastMousePoint = msg.pt;
        m_lastMouseMessage = msg.message;
        return true;
    }
    return msg.message != WM_PAINT && msg.message != kSystemTimer;
}

void CApplication::LoadStdProfileSettings(size_t recentFileCount) {
    m_recentFiles = std::make_unique<CRecentFileList>(m_profile, recentFileCount);
    m_recentFiles->Read();
}

void CApplication::AddToRecentFileList(const std::wstring& path) {
    if (m_recentFiles)
        m_recentFiles->Add(path);
}

void CApplication::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> docTemplate) {
    m_docTemplate = std::move(docTemplate);
}

CDocument* CApplication::OpenDocumentFile(const std::wstring& path) {
    return m_docTemplate ? m_docTemplate->OpenDocumentFile(path) : nullptr;
}

bool CApplication::ProcessShellCommand(const CCommandLineInfo& info) {
    // A file that cannot be opened has been reported; the program goes on with an empty document.
    if (info.shellCommand == CCommandLineInfo::FileOpen)
        OpenDocumentFile(info.fileName);
    else
        OnFileNew();
    return m_docTemplate && m_docTemplate->Document() != nullptr;
}

void CApplication::AddModelessDialog(HWND dialog) { m_modelessDialogs.push_back(dialog); }

void CApplication::RemoveModelessDialog(HWND dialog) {
    m_modelessDialogs.erase(std::remove(m_modelessDialogs.begin(), m_modelessDialogs.end(), dialog),
                            m_modelessDialogs.end());
}

void CApplication::OnFileNew() { OpenDocumentFile(std::wstring()); }

void CApplication::OnFileOpen() {
    wchar_t buffer[MAX_PATH] = {};
    std::wstring filter = LoadResourceString(IDS_ALLFILTER) + L'\0' + L"*.*" + L'\0';
    std::wstring title = LoadResourceString(IDS_OPENFILE);
    OPENFILENAMEW ofn = {sizeof ofn};
    ofn.hwndOwner = m_mainFrame ? m_mainFrame->GetSafeHwnd() : nullptr;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (::GetOpenFileNameW(&ofn))
        OpenDocumentFile(buffer);
}

void CApplication::OnOpenRecentFile(UINT id) {
    size_t index = id - ID_FILE_MRU_FILE1;
    if (!m_recentFiles || index >= m_recentFiles->Size())
        return;
    std::wstring path = (*m_recentFiles)[index];
    if (!OpenDocumentFile(path))
        m_recentFiles->Remove(index);
}

void CApplication::OnAppExit() {
    if (m_mainFrame && m_mainFrame->GetSafeHwnd())
        ::SendMessageW(m_mainFrame->GetSafeHwnd(), WM_CLOSE, 0, 0);
}
