// The Save As dialog: the system's dialog with the save-code panel.
#include "SaveAsDialog.h"

#include "ResourceText.h"
#include "WideText.h"
#include "resource.h"


namespace {

int TypeOfFilter(DWORD filterIndex) {
    return filterIndex >= kSaveBilingual && filterIndex <= kSaveBilingualUnicode ? int(filterIndex) : kSaveBilingual;
}

} // namespace

CSaveAsDialog::CSaveAsDialog(HWND owner, const std::wstring& title, const std::wstring& name,
                             const std::wstring& folder, int fileType, int chineseScript, const SaveCode& code)
    : CFileDialog(false, owner, IDD_SAVE_PANEL), m_chineseScript(chineseScript), m_code(code) {
    SetTitle(title);
    SetFileName(name);
    SetInitialFolder(folder);
    SetFlags(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
    AddFilter(L"対訳ﾌｧｲﾙ(*.WXB)", L"*.WXB");
    AddFilter(L"日本語ﾌｧｲﾙ(*.TXT)", L"*.TXT");
    AddFilter(L"中国語ﾌｧｲﾙ(*.TXT)", L"*.TXT");
    AddFilter(L"対訳ﾃｷｽﾄﾌｧｲﾙ(Unicode)(*.TXT)", L"*.TXT");
    SetFilterIndex(DWORD(TypeOfFilter(DWORD(fileType))));
}

void CSaveAsDialog::FillCodeList(int fileType) {
    HWND combo = PanelItem(IDC_SAVE_CODE);
    ::SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : SaveCodeItems(fileType, m_chineseScript))
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideOf(item, 932).c_str()));
    ::SendMessageW(combo, CB_SETCURSEL, WPARAM(InitialSaveCodeItem(fileType, m_code)), 0);
    ::EnableWindow(combo, fileType != kSaveBilingual);
}

void CSaveAsDialog::OnInitPanel() { FillCodeList(TypeOfFilter(FilterIndex())); }

void CSaveAsDialog::OnTypeChange(DWORD filterIndex) {
    int fileType = TypeOfFilter(filterIndex);
    m_typeChanged = true;
    std::wstring name = TypedName();
    std::wstring renamed = WithExtensionOfNewType(name, fileType);
    if (renamed != name)
        SetTypedName(renamed);
    FillCodeList(fileType);
}

bool CSaveAsDialog::OnFileOk(const std::wstring& path) {
    int fileType = TypeOfFilter(FilterIndex());
    std::wstring chosen = WithTypeExtension(path, fileType);
    if (::GetFileAttributesW(chosen.c_str()) != INVALID_FILE_ATTRIBUTES) {
        // The question names the file as it will be written, extension included.
        std::wstring question = LoadResourceString(IDS_OVERWRITE_QUESTION);
        size_t placeholder = question.find(L"%s");
        if (placeholder != std::wstring::npos)
            question.replace(placeholder, 2, chosen);
        std::wstring caption = LoadResourceString(IDS_SAVE_AS_CAPTION);
        if (::MessageBoxW(Dialog(), question.c_str(), caption.c_str(), MB_ICONWARNING | MB_YESNO) != IDYES)
            return false;
    }
    LRESULT item = ::SendMessageW(PanelItem(IDC_SAVE_CODE), CB_GETCURSEL, 0, 0);
    m_code = SaveCodeOfItem(fileType, int(item), m_code);
    m_chosenPath = chosen;
    return true;
}
