// The main frame's bars: toolbar buttons and images, the direction combo box, the status panes,
// and the in-house items of the tools menu.
#include "MainFrame.h"

#include "InhouseMenu.h"
#include "ResourceText.h"
#include "WXBApp.h"
#include "resource.h"

#include <iterator>
#include <vector>

namespace {

const int kImageSize = 20;
const COLORREF kImageMask = RGB(255, 0, 255);
const int kSimplifiedImage = 13;
const int kTraditionalImage = 19;
const int kComboWidth = 80;
const int kComboDropHeight = 120;

// Every button the toolbar offers, with its image in Toolbar.bmp.
const ToolButton kOfferedButtons[] = {
    {ID_FILE_NEW, 0},
    {ID_FILE_OPEN, 1},
    {ID_FILE_SAVE, 2},
    {ID_EDIT_CUT, 3},
    {ID_EDIT_COPY, 4},
    {ID_EDIT_PASTE, 5},
    {ID_FILE_PRINT, 6},
    {ID_FILE_PRINT_PREVIEW, 7},
    {ID_EDIT_UNDO, 8},
    {ID_EDIT_FIND, 9},
    {ID_EDIT_REPLACE, 20},
    {ID_TRANSLATE_SELECTED, 10},
    {ID_TRANSLATE_ALL, 11},
    {ID_TRANSLATE_STOP, 12},
    {ID_SCRIPT_CONVERT, kSimplifiedImage},
    {ID_KANJI_CONVERT, 14},
    {ID_TRANSLATE_CLIPBOARD, 15},
    {ID_NON_TRANSLATION_SPAN, 24},
    {ID_DICTIONARY_ASSIGN, 21},
    {ID_DICTIONARY_EDIT, 16},
    {ID_WORD_CHOICE, 22},
    {ID_TOOLS_SETTINGS, 17},
    {ID_HELP_FINDER, 18},
    {ID_APP_ABOUT, 23},
    {ID_DIRECTION_COMBO, -1},
};

const ToolButton kSeparator = {0, -1};

// The toolbar as it first appears.
const ToolButton kShownButtons[] = {
    {ID_FILE_NEW, 0},           {ID_FILE_OPEN, 1},
    {ID_FILE_SAVE, 2},          kSeparator,
    {ID_EDIT_CUT, 3},           {ID_EDIT_COPY, 4},
    {ID_EDIT_PASTE, 5},         kSeparator,
    {ID_FILE_PRINT, 6},         kSeparator,
    {ID_DIRECTION_COMBO, -1},   kSeparator,
    {ID_TRANSLATE_SELECTED, 10}, {ID_TRANSLATE_ALL, 11},
    {ID_TRANSLATE_STOP, 12},    kSeparator,
    {ID_SCRIPT_CONVERT, kSimplifiedImage}, {ID_KANJI_CONVERT, 14},
    kSeparator,                 {ID_EDIT_FIND, 9},
    kSeparator,                 {ID_HELP_FINDER, 18},
};

// Status panes: indicator and the text whose width the pane gets (empty: the framework's own).
struct PaneSpec {
    UINT indicator;
    const wchar_t* widthText;
};

const int kToolsMenuIndex = 5;

} // namespace

bool CMainFrame::CreateToolBar() {
    if (!m_wndToolBar.Create(this, IDW_TOOLBAR, L"標準"))
        return false;
    m_wndToolBar.LoadImages(IDR_MAINFRAME, kImageSize, kImageMask);
    std::vector<ToolButton> shown(std::begin(kShownButtons), std::end(kShownButtons));
    std::vector<ToolButton> offered(std::begin(kOfferedButtons), std::end(kOfferedButtons));
    if (!m_wndToolBar.SetButtons(shown, offered))
        return false;
    m_wndToolBar.EnableDocking(kDockAnySide);
    return true;
}

bool CMainFrame::CreateDirectionCombo() {
    m_directionCombo = ::CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                                         0, 0, kComboWidth, kComboDropHeight, m_wndToolBar.GetSafeHwnd(),
                                         reinterpret_cast<HMENU>(UINT_PTR(ID_DIRECTION_COMBO)),
                                         ::GetModuleHandleW(nullptr), nullptr);
    if (!m_directionCombo)
        return false;
    m_comboFont.reset(::CreateFontW(m_wndToolBar.ItemHeight() - 12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック"));
    ::SendMessageW(m_directionCombo, WM_SETFONT, reinterpret_cast<WPARAM>(m_comboFont.get()), FALSE);
    ::SendMessageW(m_directionCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"日→中"));
    ::SendMessageW(m_directionCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"中→日"));
    ::SendMessageW(m_directionCombo, CB_SETCURSEL, WPARAM(TheApp().Direction()), 0);
    m_wndToolBar.SetControl(ID_DIRECTION_COMBO, m_directionCombo, kComboWidth);
    return true;
}

bool CMainFrame::CreateStatusBar() {
    static const UINT indicators[] = {0, 0, 0, ID_INDICATOR_DIRECTION, ID_INDICATOR_MARK, ID_INDICATOR_CAPS,
                                      ID_INDICATOR_NUM};
    if (!m_wndStatusBar.Create(this, IDW_STATUS_BAR) ||
        !m_wndStatusBar.SetIndicators(indicators, int(std::size(indicators))))
        return false;
    m_wndStatusBar.SetPaneNoBorders(kStatusPaneRun);
    AddControlBar(&m_wndStatusBar);
    return true;
}

void CMainFrame::SetStatusPaneWidths() {
    wchar_t running[64] = {};
    _snwprintf(running, 63, LoadResourceString(IDS_TRANSLATING_SENTENCE).c_str(), 99999);
    const PaneSpec panes[] = {
        {kStatusPaneRun, running},
        {kStatusPaneSentence, L"99999 /99999"},
        {kStatusPaneDirection, L"中日翻訳"},
        {kStatusPaneMark, L"一致率　　%"},
    };
    for (const PaneSpec& pane : panes)
        m_wndStatusBar.SetPaneWidth(int(pane.indicator), m_wndStatusBar.MeasureText(pane.widthText));
}

void CMainFrame::AddInhouseItems() {
    if (TheApp().UserStore().GetInt(SettingKey::Inhouse) != 1)
        return;
    AppendDictionaryTransferItems(::GetSubMenu(::GetMenu(m_hWnd), kToolsMenuIndex),
                                  LoadResourceString(IDS_DICTIONARY_EXPORT), LoadResourceString(IDS_DICTIONARY_IMPORT));
}

void CMainFrame::ShowChineseScript(int script) {
    m_shownScript = script;
    m_wndToolBar.SetButtonImage(ID_SCRIPT_CONVERT, script == 1 ? kTraditionalImage : kSimplifiedImage);
    TheApp().UserStore().WriteInt(SettingKey::GbBig5, script);
}
