// The open and Save As dialogs of the running editor, driven as a user drives them: the encoding
// and save-code panels, the file types, the overwrite question, and what ends up on disk.
#include "RunningEditor.h"
#include "TopWindows.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const UINT kOpenCommand = 0xE101;
const UINT kSaveCommand = 0xE103;
const int kFileTypeCombo = 0x470;
const int kFileNameCombo = 0x47C;
const int kFileNameEdit = 0x480;
const int kEncodingCombo = 1173;
const int kSaveCodeCombo = 1181;

const wchar_t kOpenTitle[] = L"開く";
const wchar_t kSaveTitle[] = L"名前を付けて保存";

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    std::wstring path = folder;
    if (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadBytes(const std::wstring& path) {
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

// A file dialog of the editor: a top-level window with that title that holds a file-type list
// (a message box with the same caption has none).
HWND WaitForFileDialog(const std::wstring& title, DWORD processId) {
    for (int i = 0; i < 400; ++i) {
        HWND found = FindTopWindow(title, processId);
        if (found && FindDescendant(found, kFileTypeCombo) && WindowTitle(found) == title)
            return found;
        ::Sleep(25);
    }
    return nullptr;
}

// A message box: a window with exactly that title and no file-type list.
HWND WaitForMessageBox(const std::wstring& title, DWORD processId) {
    for (int i = 0; i < 400; ++i) {
        HWND found = FindTopWindow(title, processId);
        if (found && !FindDescendant(found, kFileTypeCombo) && WindowTitle(found) == title)
            return found;
        ::Sleep(25);
    }
    return nullptr;
}

void SetFileName(HWND dialog, const std::wstring& name) {
    HWND field = FindDescendant(dialog, kFileNameCombo);
    if (!field)
        field = FindDescendant(dialog, kFileNameEdit);
    ASSERT_NE(field, nullptr);
    ::SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

std::wstring FileName(HWND dialog) {
    HWND field = FindDescendant(dialog, kFileNameCombo);
    if (!field)
        field = FindDescendant(dialog, kFileNameEdit);
    wchar_t text[MAX_PATH] = {};
    ::SendMessageW(field, WM_GETTEXT, MAX_PATH, reinterpret_cast<LPARAM>(text));
    return text;
}

// Selects an item of a combo box and tells its dialog, as a click on the list does.
void ChooseComboItem(HWND combo, int item) {
    ::SendMessageW(combo, CB_SETCURSEL, WPARAM(item), 0);
    for (WORD code : {WORD(CBN_SELCHANGE), WORD(CBN_SELENDOK)})
        ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(combo), code),
                       reinterpret_cast<LPARAM>(combo));
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    LRESULT count = ::SendMessageW(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        ::SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

void WaitUntilClosed(HWND window) {
    for (int i = 0; i < 200 && ::IsWindow(window); ++i)
        ::Sleep(25);
}

void PressOk(HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

std::string Narrow(const std::wstring& text) {
    int length = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(length > 0 ? length - 1 : 0), '\0');
    if (length > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], length, nullptr, nullptr);
    return out;
}

class FileDialogTest : public testing::Test {
protected:
    void SetUp() override {
        m_store.WriteInt(SettingKey::DirectJtoC, 0);
        m_store.WriteInt(SettingKey::InputChineseCode, 0);
        m_store.WriteInt(SettingKey::Unicode, 0);
        m_store.WriteInt(SettingKey::OutputChineseCode, 0);
        m_store.WriteInt(SettingKey::GbBig5, 0);
        m_store.WriteString(SettingKey::DocFolder, "");
    }
    void TearDown() override {
        for (const std::wstring& path : m_files)
            ::DeleteFileW(path.c_str());
        SetUp();
    }
    std::wstring TempFile(const std::wstring& name) {
        std::wstring path = TempFolder() + L"\\" + name;
        m_files.push_back(path);
        ::DeleteFileW(path.c_str());
        return path;
    }
    static void Close(RunningEditor& editor, HWND frame) {
        ::PostMessageW(frame, WM_CLOSE, 0, 0);
        // A changed document asks whether to save; these tests do not change it.
        EXPECT_EQ(editor.WaitForExit(30000), 0u);
    }

    CSettingsStore m_store = EditorStore();
    std::vector<std::wstring> m_files;
};

// 我们今天去公园。 in UTF-8, without a signature: detection alone could take it for another code.
const char kChineseUtf8[] = "\xE6\x88\x91\xE4\xBB\xAC\xE4\xBB\x8A\xE5\xA4\xA9\xE5\x8E\xBB\xE5\x85\xAC\xE5\x9B\xAD\xE3\x80\x82";
// 吾輩は猫である。 in Shift-JIS.
const char kJapaneseSjis[] = "\x8C\xE1\x94\x79\x82\xCD\x94\x4C\x82\xC5\x82\xA0\x82\xE9\x81\x42";
const char kJapaneseUtf8[] =
    "\xE5\x90\xBE\xE8\xBC\xA9\xE3\x81\xAF\xE7\x8C\xAB\xE3\x81\xA7\xE3\x81\x82\xE3\x82\x8B\xE3\x80\x82";

TEST_F(FileDialogTest, EncodingChosenInTheOpenDialogReadsTheFileAndIsRemembered) {
    std::wstring path = TempFile(L"twintext-open-utf8.txt");
    WriteBytes(path, kChineseUtf8);
    RunningEditor editor(L"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);

    ::PostMessageW(frame, WM_COMMAND, kOpenCommand, 0);
    HWND dialog = WaitForFileDialog(kOpenTitle, editor.ProcessId());
    ASSERT_NE(dialog, nullptr);
    HWND encoding = FindDescendant(dialog, kEncodingCombo);
    ASSERT_NE(encoding, nullptr);
    std::vector<std::wstring> items = ComboItems(encoding);
    ASSERT_EQ(items.size(), 12u);
    EXPECT_EQ(items[0], L"自動識別");
    EXPECT_EQ(items[10], L"簡体字(UTF-8)");
    EXPECT_EQ(::SendMessageW(encoding, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(ComboItems(FindDescendant(dialog, kFileTypeCombo)).size(), 4u);

    ChooseComboItem(encoding, 10);
    SetFileName(dialog, path);
    PressOk(dialog);
    EXPECT_TRUE(WaitForTitle(frame, L"twintext-open-utf8.txt (UTF8･簡)")) << Narrow(WindowTitle(frame));
    EXPECT_EQ(m_store.GetInt(SettingKey::InputChineseCode), 10);
    EXPECT_EQ(m_store.GetInt(SettingKey::Unicode), 2);
    EXPECT_EQ(m_store.GetInt(SettingKey::DirectJtoC), 1);  // Chinese text: the direction follows
    EXPECT_EQ(m_store.GetString(SettingKey::DocFolder), Narrow(TempFolder()));

    // The next open dialog starts with the remembered encoding, in the remembered folder.
    ::PostMessageW(frame, WM_COMMAND, kOpenCommand, 0);
    dialog = WaitForFileDialog(kOpenTitle, editor.ProcessId());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::SendMessageW(FindDescendant(dialog, kEncodingCombo), CB_GETCURSEL, 0, 0), 10);
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    WaitUntilClosed(dialog);
    Close(editor, frame);
}

TEST_F(FileDialogTest, TextFileIsSavedInTheChosenTypeAndCode) {
    std::wstring source = TempFile(L"twintext-save-src.txt");
    std::wstring target = TempFile(L"twintext-save-out.TXT");
    WriteBytes(source, kJapaneseSjis);
    RunningEditor editor(L"\"" + source + L"\"");
    HWND frame = WaitForTopWindow(L"twintext-save-src.txt", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);

    // After a text file was read, Save asks for the name and type all the same.
    ::PostMessageW(frame, WM_COMMAND, kSaveCommand, 0);
    HWND dialog = WaitForFileDialog(kSaveTitle, editor.ProcessId());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(FileName(dialog), L"twintext-save-src");
    HWND code = FindDescendant(dialog, kSaveCodeCombo);
    ASSERT_NE(code, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(code));  // the bilingual file has no save code

    ChooseComboItem(FindDescendant(dialog, kFileTypeCombo), 1);  // Japanese text
    for (int i = 0; i < 100 && !::IsWindowEnabled(code); ++i)
        ::Sleep(20);
    std::vector<std::wstring> items = ComboItems(code);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], L"日本語(シフトJIS)");
    ::SendMessageW(code, CB_SETCURSEL, 2, 0);  // UTF-8
    SetFileName(dialog, TempFolder() + L"\\twintext-save-out");
    PressOk(dialog);

    EXPECT_TRUE(WaitForTitle(frame, L"twintext-save-out.TXT (UTF8･日)")) << Narrow(WindowTitle(frame));
    EXPECT_EQ(ReadBytes(target), std::string("\xEF\xBB\xBF") + kJapaneseUtf8);
    Close(editor, frame);
}

TEST_F(FileDialogTest, ExistingFileIsOverwrittenOnlyAfterYes) {
    std::wstring source = TempFile(L"twintext-over-src.txt");
    std::wstring target = TempFile(L"twintext-over-out.TXT");
    WriteBytes(source, kJapaneseSjis);
    WriteBytes(target, "keep me");
    RunningEditor editor(L"\"" + source + L"\"");
    HWND frame = WaitForTopWindow(L"twintext-over-src.txt", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);

    ::PostMessageW(frame, WM_COMMAND, kSaveCommand, 0);
    HWND dialog = WaitForFileDialog(kSaveTitle, editor.ProcessId());
    ASSERT_NE(dialog, nullptr);
    ChooseComboItem(FindDescendant(dialog, kFileTypeCombo), 1);
    SetFileName(dialog, TempFolder() + L"\\twintext-over-out");
    PressOk(dialog);

    // No keeps the dialog and the file.
    HWND question = WaitForMessageBox(kSaveTitle, editor.ProcessId());
    ASSERT_NE(question, nullptr);
    ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    WaitUntilClosed(question);
    EXPECT_TRUE(::IsWindow(dialog));
    EXPECT_EQ(ReadBytes(target), "keep me");

    PressOk(dialog);
    question = WaitForMessageBox(kSaveTitle, editor.ProcessId());
    ASSERT_NE(question, nullptr);
    ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDYES, BN_CLICKED), 0);
    EXPECT_TRUE(WaitForTitle(frame, L"twintext-over-out.TXT (シフト・JIS)")) << Narrow(WindowTitle(frame));
    EXPECT_EQ(ReadBytes(target), kJapaneseSjis);
    Close(editor, frame);
}

TEST_F(FileDialogTest, FileThatCannotBeReadLeavesTheDocumentAsItWas) {
    std::wstring path = TempFile(L"twintext-vanishing.txt");
    WriteBytes(path, kJapaneseSjis);
    RunningEditor editor(L"\"" + path + L"\"");
    HWND frame = WaitForTopWindow(L"twintext-vanishing.txt", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    ::DeleteFileW(path.c_str());

    ::PostMessageW(frame, WM_COMMAND, 32855, 0);  // reopen as GB2312: the file is gone
    HWND message = WaitForMessageBox(L"Twintext", editor.ProcessId());
    ASSERT_NE(message, nullptr);
    ::PostMessageW(message, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntilClosed(message);
    EXPECT_EQ(WindowTitle(frame), L"twintext-vanishing.txt (シフト・JIS) - Twintext");
    Close(editor, frame);
}

// Waits until the status bar's sentence pane shows the text.
bool WaitForSentencePane(const RunningEditor& editor, HWND frame, const std::wstring& text) {
    for (int i = 0; i < 200; ++i) {
        if (StatusPaneText(editor, frame, 2) == text)
            return true;
        ::Sleep(25);
    }
    return false;
}

TEST_F(FileDialogTest, ReopeningInTheCodeInUseIsDisabled) {
    std::wstring path = TempFile(L"twintext-reopen.txt");
    WriteBytes(path, kJapaneseSjis);
    RunningEditor editor(L"\"" + path + L"\"");
    HWND frame = WaitForTopWindow(L"twintext-reopen.txt (シフト・JIS)", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(WaitForSentencePane(editor, frame, L"    1 /    1"));
    // The file changes on disk; reading it again would show two sentences.
    WriteBytes(path, std::string(kJapaneseSjis) + kJapaneseSjis);

    ::SendMessageW(frame, WM_COMMAND, 32888, 0);  // Shift-JIS, the code in use: nothing happens
    ::Sleep(300);                                 // past the idle update of the status bar
    EXPECT_EQ(StatusPaneText(editor, frame, 2), L"    1 /    1");
    ::PostMessageW(frame, WM_COMMAND, 32895, 0);  // Japanese UTF-16: another code, read again
    EXPECT_TRUE(WaitForTitle(frame, L"(UNICODE･日)")) << Narrow(WindowTitle(frame));
    ::PostMessageW(frame, WM_COMMAND, 32888, 0);  // back to Shift-JIS: two sentences now
    EXPECT_TRUE(WaitForSentencePane(editor, frame, L"    1 /    2"));
    Close(editor, frame);
}

TEST_F(FileDialogTest, ShortcutOpensItsTarget) {
    std::wstring path = TempFile(L"twintext-target.txt");
    WriteBytes(path, kJapaneseSjis);
    std::wstring shortcut = TempFile(L"twintext-shortcut.lnk");
    ASSERT_TRUE(SUCCEEDED(::CoInitialize(nullptr)) || true);
    IShellLinkW* link = nullptr;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                             reinterpret_cast<void**>(&link))));
    link->SetPath(path.c_str());
    IPersistFile* file = nullptr;
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
    ASSERT_TRUE(SUCCEEDED(file->Save(shortcut.c_str(), TRUE)));
    file->Release();
    link->Release();
    ::CoUninitialize();

    RunningEditor editor(L"\"" + shortcut + L"\"");
    HWND frame = WaitForTopWindow(L" - Twintext", 30000, editor.ProcessId());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(WindowTitle(frame), L"twintext-target.txt (シフト・JIS) - Twintext");
    Close(editor, frame);
}

} // namespace
