// The editor view: one custom-drawn window showing the document's sentences as numbered rows of
// source, translation and third pane, with its own vertical scroll bar.
#pragma once

#include "GdiHandles.h"
#include "GdiMeasurer.h"
#include "LineBreaker.h"
#include "PaneGeometry.h"
#include "PaneShowing.h"
#include "RowLayout.h"
#include "View.h"
#include "ViewEnvironment.h"
#include "ViewFonts.h"
#include "ViewSelection.h"

#include <memory>
#include <string>
#include <string_view>

class CViewFrameLink;
class CWXBDocData;

class CWXBView : public CView, private CRowMeasure {
public:
    explicit CWXBView(std::unique_ptr<CViewEnvironment> environment);
    ~CWXBView() override;

    // Layout and painting.
    int SlotOf(int sentence) { return m_rows.SlotOf(sentence); }
    void LayoutSlot(int slot) { m_rows.LayoutSlot(slot); }
    // Paints the rows from the sentence down to the window bottom.
    void RedrawFrom(int sentence);
    // After wholesale changes: everything laid out and drawn again, the current sentence in sight.
    void RelayoutAll();
    void EnsureVisible(int sentence);
    // Draws the current sentence's number and the edit buffer in the current pane; returns the
    // buffer's new text height.
    int RedrawCurrent();
    // Fills the line-start table for the text in the font last selected for measuring.
    int CountLines(std::string_view text, int width, unsigned codePage, LineBreaking breaking);
    const LineStartTable& LineStarts() const { return m_lineStarts; }
    // Status pane 2 "%5d /%5d" and pane 4, the margin label.
    void UpdateSentenceStatus();
    // After the settings dialog's font page: new logical fonts and colour names of the three slots.
    void RenewFonts(const LOGFONTW fonts[kFontSlotCount], const std::string colourNames[kFontSlotCount]);

    // Display state the third-pane commands change.
    void SetThreePaneDisplay(bool on);
    bool ThreePaneDisplay() const { return m_threePanes; }
    void SetThirdPaneMode(ThirdPaneMode mode);
    ThirdPaneMode ThirdPane() const { return m_thirdPaneMode; }
    // The language of the source pane (0 Japanese, 1 Chinese); the translation pane has the other.
    int SourceLanguage() const { return m_sourceLanguage; }
    void SetSourceLanguage(int language);
    int ChineseScript() const { return m_fonts.ChineseScript(); }
    // Font slot, code page and line breaking of a pane.
    PaneShowing ShowingOf(int pane) const;
    const std::string& PaneText(int sentence, int pane) const;

    const PaneGeometry& Geometry() const { return m_geometry; }
    CRowLayout& Rows() { return m_rows; }
    const CViewFonts& Fonts() const { return m_fonts; }
    HWND ScrollBarWindow() const { return m_scrollBar; }
    bool HasPainted() const { return m_painted; }

    // Caret, selection, marks and locks, kept here and worked by the editing and translation code.
    int CurrentSentence() const { return m_currentSentence; }
    int CurrentPane() const { return m_currentPane; }
    int CaretOffset() const { return m_caretOffset; }
    // Moves the caret to the start of a sentence's pane and loads it into the edit buffer.
    void GoToSentence(int sentence, int pane);
    CharSelection& Selection() { return m_selection; }
    CSentenceBits& SentenceMarks() { return m_marks; }
    CSentenceBits& LockBits() { return m_locks; }
    const std::string& EditBuffer() const { return m_editBuffer; }
    void LoadEditBuffer();
    void CommitEditBuffer();
    void PlaceCaret();

    void OnUpdate(CView* sender, LPARAM hint) override;

protected:
    const wchar_t* WindowClassName() const override { return L"TwinWXBView"; }
    DWORD WindowStyle() const override { return WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN; }
    void OnDraw(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // Messages.
    int OnCreate();
    void OnSize(int width, int height);
    void OnVScroll(int code, int position);
    void OnMouseWheel(int delta);
    void OnSetFocus();
    void OnKillFocus();

    void ResetForNewDocument();
    void FirstPaint();
    void ShowDirection();
    void ApplyGeometry();
    void UpdateLineHeights();
    int EmptyTextHeight() const;
    void UpdateScrollBar();
    void RemakeCaret();
    void SetCompositionFont();
    CViewFrameLink* FrameLink() const;
    CWXBDocData* Data() const;

    // Row measuring for the layout.
    int SentenceCount() const override;
    int PaneLines(int sentence, int pane, int width) override;
    void SelectMeasuringFont(int pane);

    // Painting (ViewPaint.cpp).
    void PaintFrom(HDC dc, int sentence);
    void DrawColumns(HDC dc, int y);
    void DrawNumber(HDC dc, int sentence, int top);
    void DrawPaneText(HDC dc, int sentence, int pane, const std::string& text, int top);
    void FillRect(HDC dc, int left, int top, int right, int bottom, COLORREF colour);

    std::unique_ptr<CViewEnvironment> m_environment;
    CViewFonts m_fonts;
    CGdiMeasurer m_measurer;
    CRowLayout m_rows{*this};
    PaneGeometry m_geometry;
    LineStartTable m_lineStarts{};
    HWND m_scrollBar = nullptr;
    BitmapHandle m_lockBitmap;

    int m_sourceLanguage = 0;
    bool m_threePanes = false;
    ThirdPaneMode m_thirdPaneMode = ThirdPaneMode::None;
    bool m_sized = false;
    bool m_painted = false;

    int m_currentSentence = 0;
    int m_currentPane = 0;
    int m_caretOffset = 0;
    bool m_hasCaret = false;
    CharSelection m_selection;
    CSentenceBits m_marks;
    CSentenceBits m_locks;
    std::string m_editBuffer;
    bool m_editDirty = false;
};
