// The open dialog: the system's dialog with the encoding panel.
#include "OpenFileDialog.h"

#include "FrameworkIds.h"
#include "ResourceText.h"
#include "resource.h"

namespace {

// In the order of the input index.
const wchar_t* const kEncodingItems[] = {
    L"自動識別",       L"日本語(シフトJIS)", L"簡体字(GB2312)",  L"繁体字(BIG5)",
    L"簡体字(Hanvell) ", L"繁体字(Hanvell) ", L"日本語(Unicode)", L"簡体字(Unicode)",
    L"繁体字(Unicode)", L"日本語(UTF-8)",   L"簡体字(UTF-8)",   L"繁体字(UTF-8)",
};
const int kEncodingCount = int(sizeof kEncodingItems / sizeof kEncodingItems[0]);

} // namespace

COpenFileDialog::COpenFileDialog(HWND owner, int inputIndex, const std::wstring& folder)
    : CFileDialog(true, owner, IDD_OPEN_PANEL),
      m_inputIndex(inputIndex >= 0 && inputIndex < kEncodingCount ? inputIndex : 0) {
    SetTitle(LoadResourceString(IDS_OPENFILE));
    SetFlags(OFN_FILEMUSTEXIST | OFN_HIDEREADONLY);
    AddFilter(L"入力ﾌｧｲﾙ(*.WXB;*.TXT)", L"*.WXB;*.TXT");
    AddFilter(L"ﾃｷｽﾄﾌｧｲﾙ(*.TXT)", L"*.TXT");
    AddFilter(L"対訳ﾌｧｲﾙ(*.WXB)", L"*.WXB");
    AddFilter(LoadResourceString(IDS_ALLFILTER), L"*.*");
    SetInitialFolder(folder);
}

void COpenFileDialog::OnInitPanel() {
    HWND combo = PanelItem(IDC_OPEN_ENCODING);
    for (const wchar_t* item : kEncodingItems)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    ::SendMessageW(combo, CB_SETCURSEL, WPARAM(m_inputIndex), 0);
}

void COpenFileDialog::OnPanelCommand(int id, int code) {
    if (id != IDC_OPEN_ENCODING || code != CBN_SELCHANGE)
        return;
    LRESULT selected = ::SendMessageW(PanelItem(IDC_OPEN_ENCODING), CB_GETCURSEL, 0, 0);
    if (selected >= 0 && selected < kEncodingCount)
        m_inputIndex = int(selected);
}
