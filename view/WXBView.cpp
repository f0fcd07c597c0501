// The editor view: one custom-drawn window showing the document's sentences as numbered rows of
// source, translation and third pane, with its own vertical scroll bar.
#include "WXBView.h"

#include "CodePages.h"
#include "FrameWindow.h"
#include "ViewFrameLink.h"
#include "WXBDoc.h"

#include <imm.h>

#include <algorithm>
#include <cwchar>

namespace {

const std::string kNoText;

} // namespace

CWXBView::CWXBView(std::unique_ptr<CViewEnvironment> environment) : m_environment(std::move(environment)) {}

CWXBView::~CWXBView() = default;

CWXBDocData* CWXBView::Data() const {
    auto* document = static_cast<CWXBDoc*>(GetDocument());
    return document ? &document->Data() : nullptr;
}

CViewFrameLink* CWXBView::FrameLink() const { return dynamic_cast<CViewFrameLink*>(Frame()); }

int CWXBView::SentenceCount() const {
    CWXBDocData* data = Data();
    return data ? data->SentenceCount() : 0;
}

const std::string& CWXBView::PaneText(int sentence, int pane) const {
    CWXBDocData* data = Data();
    if (!data)
        return kNoText;
    if (pane == 2)
        return data->ThirdPane(sentence);
    return data->Text(sentence, pane == 0 ? m_sourceLanguage : 1 - m_sourceLanguage);
}

PaneShowing CWXBView::ShowingOf(int pane) const {
    if (pane == 2)
        return ThirdPaneShowing(m_thirdPaneMode, m_sourceLanguage, m_fonts.ChineseScript());
    return LanguagePaneShowing(pane == 0 ? m_sourceLanguage : 1 - m_sourceLanguage, m_fonts.ChineseScript());
}

void CWXBView::SelectMeasuringFont(int pane) {
    int slot = ShowingOf(pane).fontSlot;
    m_measurer.Select(slot, m_fonts.Font(slot));
}

int CWXBView::CountLines(std::string_view text, int width, unsigned codePage, LineBreaking breaking) {
    return ::CountLines(text, width, m_measurer, codePage, breaking, m_lineStarts);
}

int CWXBView::PaneLines(int sentence, int pane, int width) {
    PaneShowing showing = ShowingOf(pane);
    SelectMeasuringFont(pane);
    return CountLines(PaneText(sentence, pane), width, showing.codePage, showing.breaking);
}

LRESULT CWXBView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate();
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) == m_scrollBar && m_scrollBar)
            OnVScroll(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus();
        return 0;
    }
    return CView::WindowProc(message, wParam, lParam);
}

int CWXBView::OnCreate() {
    ::SetClassLongPtrW(m_hWnd, GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(::LoadCursorW(nullptr, IDC_IBEAM)));
    m_sourceLanguage = m_environment->SourceLanguage() == 1 ? 1 : 0;
    m_fonts.Create(*m_environment, m_environment->ChineseScript() == 1 ? 1 : 0, m_measurer.Dc());
    m_lockBitmap.reset(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(245), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    m_scrollBar = ::CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0, 0, m_hWnd,
                                    nullptr, ::GetModuleHandleW(nullptr), nullptr);
    m_selection.Clear();
    m_threePanes = m_environment->ThreePaneDisplay();
    m_rows.SetPaneCount(m_threePanes ? 3 : 2);
    UpdateLineHeights();
    ApplyGeometry();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return 0;
}

void CWXBView::ApplyGeometry() {
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    const int thumb = ::GetSystemMetrics(SM_CXHTHUMB);
    m_geometry = ComputePaneGeometry(client.right, client.bottom, m_fonts.NumberCharWidth(), thumb, m_threePanes);
    if (m_scrollBar)
        ::MoveWindow(m_scrollBar, client.right - thumb, 0, thumb, client.bottom, TRUE);
    m_rows.SetPaneCount(m_threePanes ? 3 : 2);
    m_rows.SetPaneWidth(m_geometry.paneWidth);
    m_rows.SetClientHeight(client.bottom);
    m_rows.Restack();
}

int CWXBView::EmptyTextHeight() const {
    // One line of the smallest font in use.
    int empty = std::min(m_fonts.LineHeight(0), m_fonts.LineHeight(1));
    return m_threePanes ? std::min(empty, m_fonts.LineHeight(2)) : empty;
}

void CWXBView::UpdateLineHeights() {
    int paneHeights[3];
    for (int pane = 0; pane < 3; ++pane)
        paneHeights[pane] = m_fonts.LineHeight(ShowingOf(pane).fontSlot);
    m_rows.SetLineHeights(paneHeights, EmptyTextHeight());
    m_rows.MarkAllForLayout();
}

void CWXBView::OnSize(int, int) {
    // The geometry is always taken, even from the size message sent during creation.
    ApplyGeometry();
    if (!m_sized) {
        m_sized = true;
        return;
    }
    if (!m_painted)
        return;
    CommitEditBuffer();
    EnsureVisible(m_currentSentence);
    PlaceCaret();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWXBView::SetThreePaneDisplay(bool on) {
    if (on == m_threePanes)
        return;
    m_threePanes = on;
    if (!on && m_currentPane == 2)
        m_currentPane = 1;
    UpdateLineHeights();
    ApplyGeometry();
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWXBView::SetThirdPaneMode(ThirdPaneMode mode) {
    m_thirdPaneMode = mode;
    UpdateLineHeights();
    m_rows.Restack();
}

void CWXBView::SetSourceLanguage(int language) {
    language = language == 1 ? 1 : 0;
    if (language == m_sourceLanguage)
        return;
    m_sourceLanguage = language;
    UpdateLineHeights();
    m_rows.Restack();
    if (m_hWnd && m_painted) {
        ShowDirection();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    }
}

void CWXBView::OnUpdate(CView*, LPARAM hint) {
    if (hint == 0 || hint == kHintStoreCleared)
        ResetForNewDocument();
}

void CWXBView::ResetForNewDocument() {
    if (!m_hWnd)
        return;
    // A load may have switched the direction or the script; the panes, fonts and frame follow.
    int language = m_environment->SourceLanguage() == 1 ? 1 : 0;
    if (language != m_sourceLanguage) {
        m_sourceLanguage = language;
        if (m_painted)
            ShowDirection();
    }
    int script = m_environment->ChineseScript() == 1 ? 1 : 0;
    if (script != m_fonts.ChineseScript()) {
        for (int slot = 0; slot < kFontSlotCount; ++slot)
            m_measurer.Forget(slot);
        m_fonts.Create(*m_environment, script, m_measurer.Dc());
    }
    m_selection.Clear();
    m_marks.ClearAll();
    m_currentSentence = 0;
    m_currentPane = 0;
    m_caretOffset = 0;
    UpdateLineHeights();
    m_rows.Reset();
    m_rows.Restack();
    if (::GetFocus() == m_hWnd)
        RemakeCaret();
    m_editDirty = false;
    UpdateSentenceStatus();
    LoadEditBuffer();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CWXBView::OnDraw(HDC dc) {
    if (!m_painted) {
        m_painted = true;
        FirstPaint();
    }
    PaintFrom(dc, m_rows.TopSentence());
}

void CWXBView::FirstPaint() {
    SetCompositionFont();
    ShowDirection();
}

void CWXBView::ShowDirection() {
    if (CViewFrameLink* link = FrameLink()) {
        link->SetDirectionComboIndex(m_sourceLanguage);
        link->SetStatusPaneText(kStatusPaneDirection, m_sourceLanguage == 0 ? L"日中翻訳" : L"中日翻訳");
    }
}

void CWXBView::RedrawFrom(int sentence) {
    if (!m_hWnd)
        return;
    CClientDc dc(m_hWnd);
    PaintFrom(dc, sentence);
}

void CWXBView::RelayoutAll() {
    m_rows.MarkAllForLayout();
    m_rows.SetTop(m_rows.TopSentence(), 0);
    UpdateSentenceStatus();
    if (GetDocument())
        GetDocument()->SetModified();
    LoadEditBuffer();
    EnsureVisible(m_currentSentence);
    RedrawFrom(m_rows.TopSentence());
    PlaceCaret();
}

void CWXBView::EnsureVisible(int sentence) { m_rows.EnsureVisible(sentence); }

int CWXBView::RedrawCurrent() {
    PaneShowing showing = ShowingOf(m_currentPane);
    SelectMeasuringFont(m_currentPane);
    int lines = CountLines(m_editBuffer, m_geometry.paneWidth, showing.codePage, showing.breaking);
    int height = lines > 0 ? lines * m_fonts.LineHeight(showing.fontSlot) : EmptyTextHeight();
    const PlacedRow* row = m_rows.VisibleRow(m_currentSentence);
    if (row && m_hWnd) {
        CClientDc dc(m_hWnd);
        ::HideCaret(m_hWnd);
        DrawNumber(dc, m_currentSentence, row->top);
        DrawPaneText(dc, m_currentSentence, m_currentPane, m_editBuffer, row->top);
        ::ShowCaret(m_hWnd);
    }
    return height;
}

void CWXBView::UpdateSentenceStatus() {
    CViewFrameLink* link = FrameLink();
    CWXBDocData* data = Data();
    if (!link || !data)
        return;
    wchar_t text[32];
    std::swprintf(text, 32, L"%5d /%5d", m_currentSentence + 1, data->SentenceCount());
    link->SetStatusPaneText(kStatusPaneSentence, text);
    link->SetStatusPaneText(kStatusPaneMark, WideOfText(data->Mark(m_currentSentence), CP_ACP));
}

void CWXBView::GoToSentence(int sentence, int pane) {
    CommitEditBuffer();
    int count = SentenceCount();
    m_currentSentence = std::clamp(sentence, 0, count > 0 ? count - 1 : 0);
    m_currentPane = std::clamp(pane, 0, m_threePanes ? 2 : 1);
    m_caretOffset = 0;
    LoadEditBuffer();
    UpdateSentenceStatus();
    PlaceCaret();
}

void CWXBView::LoadEditBuffer() {
    m_editBuffer = PaneText(m_currentSentence, m_currentPane);
    m_editDirty = false;
}

void CWXBView::CommitEditBuffer() {
    CWXBDocData* data = Data();
    if (!m_editDirty || !data)
        return;
    if (m_currentPane == 2)
        data->SetThirdPane(m_currentSentence, m_editBuffer);
    else
        data->CommitEdit(m_currentSentence, m_currentPane == 0 ? m_sourceLanguage : 1 - m_sourceLanguage,
                         m_editBuffer);
    m_editDirty = false;
}

void CWXBView::PlaceCaret() {
    if (!m_hasCaret)
        return;
    const PlacedRow* row = m_rows.VisibleRow(m_currentSentence);
    if (!row) {
        ::SetCaretPos(-100, -100);
        return;
    }
    PaneShowing showing = ShowingOf(m_currentPane);
    SelectMeasuringFont(m_currentPane);
    int lines = CountLines(m_editBuffer, m_geometry.paneWidth, showing.codePage, showing.breaking);
    // The last line starting at or before the caret: a caret at a wrap point starts the next line.
    int line = 0;
    while (line + 1 < lines && m_lineStarts[size_t(line + 1)] <= m_caretOffset)
        ++line;
    int x = 0;
    for (int pos = lines > 0 ? m_lineStarts[size_t(line)] : 0; pos < m_caretOffset && pos < int(m_editBuffer.size());) {
        auto b = static_cast<unsigned char>(m_editBuffer[size_t(pos)]);
        int count = IsLeadByte(showing.codePage, b) && pos + 1 < int(m_editBuffer.size()) ? 2 : 1;
        if (b >= 0x20)
            x += m_measurer.CharWidth(showing.codePage, m_editBuffer.data() + pos, count);
        pos += count;
    }
    ::SetCaretPos(m_geometry.left[m_currentPane] + x - 1,
                  row->top + line * m_fonts.LineHeight(showing.fontSlot));
}

void CWXBView::RemakeCaret() {
    if (m_hasCaret)
        ::DestroyCaret();
    ::CreateCaret(m_hWnd, nullptr, 2, m_fonts.LineHeight(ShowingOf(m_currentPane).fontSlot));
    m_hasCaret = true;
    PlaceCaret();
    ::ShowCaret(m_hWnd);
}

void CWXBView::OnSetFocus() {
    RemakeCaret();
    SetCompositionFont();
}

void CWXBView::OnKillFocus() {
    CommitEditBuffer();
    if (m_hasCaret) {
        ::HideCaret(m_hWnd);
        ::DestroyCaret();
        m_hasCaret = false;
    }
}

void CWXBView::SetCompositionFont() {
    HIMC context = ::ImmGetContext(m_hWnd);
    if (!context)
        return;
    LOGFONTW font = m_fonts.LogFont(ShowingOf(m_currentPane).fontSlot);
    ::ImmSetCompositionFontW(context, &font);
    ::ImmReleaseContext(m_hWnd, context);
}

void CWXBView::RenewFonts(const LOGFONTW fonts[kFontSlotCount], const std::string colourNames[kFontSlotCount]) {
    for (int slot = 0; slot < kFontSlotCount; ++slot) {
        m_environment->WriteFontSettings(m_fonts.SectionOf(slot), SettingsOfLogFont(fonts[slot], colourNames[slot]));
        m_measurer.Forget(slot);
        m_fonts.Replace(slot, fonts[slot], colourNames[slot], m_measurer.Dc());
    }
    UpdateLineHeights();
    CommitEditBuffer();
    m_rows.Restack();
    EnsureVisible(m_currentSentence);
    if (m_hasCaret)
        RemakeCaret();
    SetCompositionFont();
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
    PlaceCaret();
}
