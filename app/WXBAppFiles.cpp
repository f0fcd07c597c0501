// The application's file commands: the open dialog, opening by path, the Save As choice and the
// codes a text save writes in.
#include "WXBApp.h"

#include "FrameWindow.h"
#include "ImmInputSystem.h"
#include "InputSwitch.h"
#include "OpenFileDialog.h"
#include "ResourceText.h"
#include "SaveAsDialog.h"
#include "TextCodes.h"
#include "WideText.h"
#include "resource.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

bool EndsWithNoCase(const std::wstring& text, const wchar_t* tail) {
    size_t length = wcslen(tail);
    return text.size() >= length && _wcsicmp(text.c_str() + text.size() - length, tail) == 0;
}

// The target of a shortcut file; the path itself when it is none or cannot be resolved.
std::wstring ResolveShortcut(const std::wstring& path) {
    if (!EndsWithNoCase(path, L".lnk"))
        return path;
    HRESULT comStarted = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring target = path;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                     reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t resolved[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(path.c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(resolved, MAX_PATH, nullptr, 0)) && resolved[0])
                target = resolved;
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(comStarted))
        ::CoUninitialize();
    return target;
}

// Without surrounding quotes, absolute, and a shortcut resolved to its target.
std::wstring NormaliseOpenPath(std::wstring path) {
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    if (path.empty())
        return path;
    wchar_t full[MAX_PATH] = {};
    DWORD length = ::GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
    if (length > 0 && length < MAX_PATH)
        path = full;
    return ResolveShortcut(path);
}

} // namespace

InputSettings CWXBApp::LoadInputSettings() const {
    InputSettings settings;
    settings.imeAutoChange = m_userStore.GetInt(SettingKey::ImeAutoChange);
    settings.imeAutoOpen = m_userStore.GetInt(SettingKey::ImeAutoOpen);
    settings.selectIMEJPN = m_userStore.GetString(SettingKey::SelectIMEJPN);
    settings.selectIMECHNGB = m_userStore.GetString(SettingKey::SelectIMECHNGB);
    settings.selectIMECHNBIG5 = m_userStore.GetString(SettingKey::SelectIMECHNBIG5);
    settings.gbBig5 = m_chineseScript;
    return settings;
}

void CWXBApp::RememberDocumentFolder(const std::wstring& folder) {
    if (folder.empty())
        return;
    m_docFolder = NarrowOf(folder);
    m_userStore.WriteString(SettingKey::DocFolder, m_docFolder);
}

void CWXBApp::OnFileOpen() {
    HWND owner = MainFrame() ? MainFrame()->GetSafeHwnd() : nullptr;
    CImmInputSystem inputSystem;
    SwitchDialogInput(inputSystem, LoadInputSettings(), owner, m_direction == kJapaneseToChinese);

    int storedIndex = m_userStore.GetInt(SettingKey::InputChineseCode);
    if (storedIndex < 0 || storedIndex >= kTextCodeCount)
        storedIndex = 0;
    int storedForm = m_userStore.GetInt(SettingKey::Unicode);
    COpenFileDialog dialog(owner, storedIndex, WideOf(m_userStore.GetString(SettingKey::DocFolder)));
    bool chosen = dialog.DoModal();
    RememberDocumentFolder(dialog.LastFolder());
    if (!chosen)
        return;

    m_inputIndex = dialog.InputIndex();
    m_unicodeForm = UnicodeFormOfIndex(m_inputIndex);
    if (m_inputIndex != storedIndex)
        m_userStore.WriteInt(SettingKey::InputChineseCode, m_inputIndex);
    if (m_unicodeForm != storedForm)
        m_userStore.WriteInt(SettingKey::Unicode, m_unicodeForm);
    m_forcedCodePending = true;
    OpenDocumentFile(dialog.Path());
    m_forcedCodePending = false;
}

CDocument* CWXBApp::OpenDocumentFile(const std::wstring& path) {
    if (!DocTemplate()) {
        ShowMessageBox(MainFrame() ? MainFrame()->GetSafeHwnd() : nullptr, IDS_FAILED_TO_OPEN,
                       MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // Only the open dialog and the reopen commands choose a code; every other way detects.
    if (!m_forcedCodePending) {
        m_inputIndex = 0;
        m_unicodeForm = 0;
    }
    return CApplication::OpenDocumentFile(NormaliseOpenPath(path));
}

bool CWXBApp::ChooseSaveFile(const std::wstring& suggestedName, bool replace, int fileType,
                             SaveFileChoice& choice) {
    HWND owner = MainFrame() ? MainFrame()->GetSafeHwnd() : nullptr;
    std::wstring title = LoadResourceString(replace ? IDS_SAVEFILE : IDS_SAVEFILECOPY);
    SaveCode code = {m_unicodeForm, m_chineseSaveCode};
    CSaveAsDialog dialog(owner, title, SuggestedSaveName(suggestedName),
                         WideOf(m_userStore.GetString(SettingKey::DocFolder)), fileType, m_chineseScript, code);
    CImmInputSystem inputSystem;
    SwitchDialogInput(inputSystem, LoadInputSettings(), owner, true);
    bool chosen = dialog.DoModal();
    choice.lastTypeShown = dialog.LastTypeShown();
    RememberDocumentFolder(dialog.LastFolder());
    if (!chosen)
        return false;
    choice.path = dialog.ChosenPath();
    choice.fileType = dialog.FileType();
    m_unicodeForm = dialog.Code().unicodeForm;
    if (dialog.Code().chineseSaveCode != m_chineseSaveCode) {
        m_chineseSaveCode = dialog.Code().chineseSaveCode;
        m_userStore.WriteInt(SettingKey::OutputChineseCode, m_chineseSaveCode);
    }
    return true;
}

TextWriteRequest CWXBApp::TextWriteSettings(int language) const {
    TextWriteRequest request;
    request.language = language;
    request.chineseScript = m_chineseScript;
    request.unicodeForm = m_unicodeForm;
    request.chineseSaveCode = m_chineseSaveCode;
    // Separators keep the code page of the source text they were cut from.
    request.separatorCodePage = m_direction == kJapaneseToChinese ? 932 : (m_chineseScript == 1 ? 950 : 936);
    return request;
}

std::string CWXBApp::TitleSuffixAfterTextSave(int fileType) const {
    return TitleSuffixAfterSave(fileType, SaveCode{m_unicodeForm, m_chineseSaveCode}, m_chineseScript);
}
