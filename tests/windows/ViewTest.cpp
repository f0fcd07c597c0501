// The editor view on a real window: status panes, the scroll bar, scrolling by line, page, thumb
// and wheel, re-wrapping on resize, fonts and colours from the settings, and what is painted.
#include "Application.h"
#include "DocTemplate.h"
#include "ViewTestSupport.h"
#include "WXBDoc.h"
#include "WXBView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const wchar_t kRegistryKey[] = L"TwinViewTest";
// Shift-JIS texts.
const std::string kShortJapanese = "吾輩は猫である。";
const std::string kLongJapanese = "どこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした所でニャーニャー泣いていた事だけは記憶している。";
const std::string kRed = "赤";
const std::string kUnknownColour = "虹色";
const std::wstring kJapaneseToChinese = L"日中翻訳";
const std::wstring kChineseToJapanese = L"中日翻訳";

class CViewTestApp : public CApplication {
public:
    CViewTestApp() {
        SetRegistryKey(kRegistryKey);
        SetProfileName(L"Profile");
    }
};

class ViewTest : public testing::Test {
protected:
    void TearDown() override {
        if (app.MainFrame())
            ::DestroyWindow(app.MainFrame()->GetSafeHwnd());
        Pump();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kRegistryKey).c_str());
    }

    static void Pump() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }

    // A frame of the size with the view over a document of count sentences with this Japanese text.
    void Open(int count, const std::string& japanese, int width = 800, int height = 600) {
        app.AddDocTemplate(std::make_unique<CSingleDocTemplate>(
            1, [this] { return std::make_unique<CWXBDoc>(host); }, [] { return new CViewTestFrame; },
            [this] { return new CWXBView(std::make_unique<CForwardingEnvironment>(environment)); }));
        ASSERT_NE(app.OpenDocumentFile(L""), nullptr);
        frame = static_cast<CViewTestFrame*>(app.MainFrame());
        view = static_cast<CWXBView*>(frame->ActiveView());
        document = static_cast<CWXBDoc*>(view->GetDocument());
        ::SetWindowPos(frame->GetSafeHwnd(), HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
        std::vector<SentenceTexts> sentences(static_cast<size_t>(count));
        for (SentenceTexts& s : sentences)
            s.japanese = japanese;
        ASSERT_TRUE(document->Data().ReplaceAll(std::move(sentences)));
        document->UpdateAllViews(nullptr);
        Paint();
    }

    void Paint() {
        Pump();
        ::UpdateWindow(view->GetSafeHwnd());
        Pump();
    }

    void Scroll(int code, int position = 0) {
        ::SendMessageW(view->GetSafeHwnd(), WM_VSCROLL, MAKEWPARAM(code, position),
                       reinterpret_cast<LPARAM>(view->ScrollBarWindow()));
        Paint();
    }

    void Wheel(int delta) {
        ::SendMessageW(view->GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(10, 10));
        Paint();
    }

    int LineUnit() { return view->Fonts().LineHeight(0); }
    // How far the rows have moved up from the document's start.
    int ScrolledBy() {
        int offset = -view->Rows().TopY();
        for (int s = 0; s < Top(); ++s)
            offset += view->Rows().RowHeight(s);
        return offset;
    }
    int Top() { return view->Rows().TopSentence(); }
    int ClientHeight() {
        RECT r;
        ::GetClientRect(view->GetSafeHwnd(), &r);
        return r.bottom;
    }

    CViewTestApp app;
    CTestViewEnvironment environment;
    CTestTextHost host{environment};
    CViewTestFrame* frame = nullptr;
    CWXBView* view = nullptr;
    CWXBDoc* document = nullptr;
};

TEST_F(ViewTest, StatusPanesShowTheCurrentSentenceTheCountAndTheDirection) {
    Open(100, kShortJapanese);
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneSentence), L"    1 /  100");
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneDirection), kJapaneseToChinese);
    EXPECT_EQ(frame->directionIndex, 0);
    document->Data().SetMark(41, "A1");
    view->GoToSentence(41, 1);
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneSentence), L"   42 /  100");
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneMark), L"A1");
}

TEST_F(ViewTest, PanesFollowTheDirectionALoadFound) {
    Open(3, kShortJapanese);
    environment.sourceLanguage = 1;
    document->UpdateAllViews(nullptr);
    Paint();
    EXPECT_EQ(view->SourceLanguage(), 1);
    EXPECT_EQ(view->ShowingOf(0).codePage, 936u);
    EXPECT_EQ(view->ShowingOf(1).codePage, 932u);
    EXPECT_EQ(view->PaneText(0, 1), kShortJapanese);
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneDirection), kChineseToJapanese);
    EXPECT_EQ(frame->directionIndex, 1);
}

TEST_F(ViewTest, DirectionSwitchExchangesThePanesAndShowsTheDirection) {
    Open(3, kShortJapanese);
    Paint();
    view->SetSourceLanguage(1);
    EXPECT_EQ(view->ShowingOf(0).codePage, 936u);
    EXPECT_EQ(view->ShowingOf(1).codePage, 932u);
    EXPECT_EQ(view->PaneText(0, 1), kShortJapanese);
    EXPECT_EQ(frame->StatusPaneText(kStatusPaneDirection), kChineseToJapanese);
    EXPECT_EQ(frame->directionIndex, 1);
}

TEST_F(ViewTest, ScrollBarIsDisabledWhenEverythingFits) {
    Open(1, kShortJapanese);
    EXPECT_FALSE(::IsWindowEnabled(view->ScrollBarWindow()));
    EXPECT_FALSE(view->Rows().LineDown(0));
}

TEST_F(ViewTest, ScrollBarRangeOfTheLongestDocumentStaysUnderThirtyThousand) {
    Open(99999, kShortJapanese);
    EXPECT_TRUE(::IsWindowEnabled(view->ScrollBarWindow()));
    int minimum = -1, maximum = -1;
    ::GetScrollRange(view->ScrollBarWindow(), SB_CTL, &minimum, &maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_GT(maximum, 15000);
    EXPECT_LT(maximum, 30000);
    // The thumb at the end shows the last sentence ending at the window bottom.
    Scroll(SB_THUMBPOSITION, maximum);
    const PlacedRow* last = view->Rows().VisibleRow(99998);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->bottom, ClientHeight());
    EXPECT_EQ(::GetScrollPos(view->ScrollBarWindow(), SB_CTL), maximum);
}

TEST_F(ViewTest, LineScrollingMovesTheTopRowByOneLine) {
    Open(100, kShortJapanese);
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(view->Rows().TopY(), -LineUnit());
    const int rowHeight = view->Rows().RowHeight(0);
    while (Top() == 0)
        Scroll(SB_LINEDOWN);
    EXPECT_EQ(Top(), 1);
    EXPECT_EQ(view->Rows().TopY(), ((rowHeight + LineUnit() - 1) / LineUnit()) * -LineUnit() + rowHeight);
    EXPECT_EQ(::GetScrollPos(view->ScrollBarWindow(), SB_CTL), 2);
    while (Top() != 0 || view->Rows().TopY() != 0)
        Scroll(SB_LINEUP);
    EXPECT_EQ(::GetScrollPos(view->ScrollBarWindow(), SB_CTL), 0);
    Scroll(SB_LINEUP);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(view->Rows().TopY(), 0);
}

TEST_F(ViewTest, PageDownMakesTheLastDrawnRowTheTopAndPageUpGoesBack) {
    Open(100, kLongJapanese);
    int lastDrawn = view->Rows().AfterLastDrawn() - 1;
    ASSERT_GT(lastDrawn, 1);
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(Top(), lastDrawn);
    EXPECT_EQ(view->Rows().TopY(), 0);
    Scroll(SB_PAGEUP);
    EXPECT_LT(Top(), lastDrawn);
    while (Top() != 0 || view->Rows().TopY() != 0)
        Scroll(SB_PAGEUP);
    EXPECT_EQ(Top(), 0);
}

TEST_F(ViewTest, ThumbReleasedMovesTheTopToItsSentence) {
    Open(100, kShortJapanese);
    Scroll(SB_THUMBTRACK, 50);
    EXPECT_EQ(Top(), 0);
    Scroll(SB_THUMBPOSITION, 50);
    EXPECT_EQ(Top(), 49);
    EXPECT_EQ(view->Rows().TopY(), 0);
    EXPECT_EQ(::GetScrollPos(view->ScrollBarWindow(), SB_CTL), 50);
    Scroll(SB_THUMBPOSITION, 0);
    EXPECT_EQ(Top(), 0);
}

TEST_F(ViewTest, WheelScrollsOneLinePerMessage) {
    Open(100, kShortJapanese);
    Wheel(-WHEEL_DELTA);
    Wheel(-WHEEL_DELTA);
    EXPECT_EQ(ScrolledBy(), 2 * LineUnit());
    Wheel(WHEEL_DELTA);
    Wheel(WHEEL_DELTA);
    EXPECT_EQ(Top(), 0);
    EXPECT_EQ(view->Rows().TopY(), 0);
}

TEST_F(ViewTest, ResizingRewrapsAndKeepsTheCurrentSentenceInSight) {
    Open(100, kLongJapanese, 1000, 600);
    view->GoToSentence(6, 0);
    view->EnsureVisible(6);
    Paint();
    const int wideHeight = view->Rows().TextHeight(6, 0);
    ASSERT_NE(view->Rows().VisibleRow(6), nullptr);

    ::SetWindowPos(frame->GetSafeHwnd(), nullptr, 0, 0, 500, 600, SWP_NOMOVE | SWP_NOZORDER);
    Paint();
    EXPECT_GT(view->Rows().TextHeight(6, 0), wideHeight);
    const PlacedRow* row = view->Rows().VisibleRow(6);
    ASSERT_NE(row, nullptr);
    EXPECT_LE(row->bottom, ClientHeight());
}

TEST_F(ViewTest, FontsComeFromTheSettingsWithTwelvePointsForHeightZero) {
    environment.fonts[kFontSectionJapanese].colourName = kRed;
    environment.fonts[kFontSectionSimplified].colourName = kUnknownColour;
    environment.fonts[kFontSectionTraditional].height = -30;
    Open(3, kShortJapanese);
    HDC screen = ::GetDC(nullptr);
    const int twelvePoints = -(::MulDiv(1200, ::GetDeviceCaps(screen, LOGPIXELSY), 72) / 100);
    ::ReleaseDC(nullptr, screen);
    const CViewFonts& fonts = view->Fonts();
    EXPECT_EQ(fonts.LogFont(0).lfHeight, twelvePoints);
    EXPECT_EQ(fonts.LogFont(0).lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(fonts.LogFont(0).lfFaceName, L"ＭＳ 明朝");
    EXPECT_EQ(fonts.LogFont(1).lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(fonts.LogFont(1).lfFaceName, L"RZ-GB P Mincho");
    EXPECT_EQ(fonts.LogFont(2).lfHeight, -30);
    EXPECT_EQ(fonts.LogFont(2).lfCharSet, CHINESEBIG5_CHARSET);
    EXPECT_EQ(fonts.TextColour(0), RGB(255, 0, 0));
    EXPECT_EQ(fonts.TextColour(1), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_GT(fonts.LineHeight(2), fonts.LineHeight(0));
}

TEST_F(ViewTest, TraditionalScriptPutsTheBig5FontInSlotOne) {
    environment.script = 1;
    Open(3, kShortJapanese);
    EXPECT_EQ(view->Fonts().LogFont(1).lfCharSet, CHINESEBIG5_CHARSET);
    EXPECT_EQ(view->Fonts().LogFont(2).lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(view->ShowingOf(1).codePage, 950u);
}

TEST_F(ViewTest, RenewedFontsAreWrittenAndLaidOut) {
    Open(100, kLongJapanese);
    const int oldHeight = view->Rows().TextHeight(0, 0);
    LOGFONTW fonts[3] = {view->Fonts().LogFont(0), view->Fonts().LogFont(1), view->Fonts().LogFont(2)};
    fonts[0].lfHeight = 2 * fonts[0].lfHeight;
    const std::string colours[3] = {kRed, "", ""};
    view->RenewFonts(fonts, colours);
    Paint();
    EXPECT_GT(view->Rows().TextHeight(0, 0), oldHeight);
    ASSERT_EQ(environment.written.size(), 3u);
    EXPECT_EQ(environment.written[kFontSectionJapanese].height, fonts[0].lfHeight);
    EXPECT_EQ(environment.written[kFontSectionJapanese].colourName, kRed);
    EXPECT_EQ(view->Fonts().TextColour(0), RGB(255, 0, 0));
}

// Pixels of the view's window of a colour within a rectangle.
int CountPixels(HWND hwnd, const RECT& rect, COLORREF colour) {
    HDC dc = ::GetDC(hwnd);
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            count += ::GetPixel(dc, x, y) == colour;
    ::ReleaseDC(hwnd, dc);
    return count;
}

TEST_F(ViewTest, PaintsTextInItsColourTheSelectionAndTheLockIcon) {
    environment.fonts[kFontSectionJapanese].colourName = kRed;
    Open(10, kShortJapanese);
    view->LockBits().Set(1, true);
    view->GoToSentence(0, 0);
    view->Selection() = {0, 0, 0, 4};
    ::InvalidateRect(view->GetSafeHwnd(), nullptr, TRUE);
    Paint();

    const PaneGeometry& g = view->Geometry();
    const PlacedRow* first = view->Rows().VisibleRow(0);
    const PlacedRow* second = view->Rows().VisibleRow(1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    const int line = view->Fonts().LineHeight(0);
    // The selected two characters in highlight colours, the rest of the line in red.
    RECT selected = {g.left[0], first->top, g.left[0] + 20, first->top + line};
    RECT rest = {g.left[0] + 40, first->top, g.left[0] + 120, first->top + line};
    EXPECT_GT(CountPixels(view->GetSafeHwnd(), selected, ::GetSysColor(COLOR_HIGHLIGHT)), 20);
    EXPECT_EQ(CountPixels(view->GetSafeHwnd(), rest, ::GetSysColor(COLOR_HIGHLIGHT)), 0);
    EXPECT_GT(CountPixels(view->GetSafeHwnd(), rest, RGB(255, 0, 0)), 20);
    // The padlock beside the second number, none beside the first.
    const int g5 = 5 * g.charWidth;
    const COLORREF gold = RGB(232, 184, 24);
    EXPECT_GT(CountPixels(view->GetSafeHwnd(), {g5, second->top, g5 + 8, second->top + 15}, gold), 10);
    EXPECT_EQ(CountPixels(view->GetSafeHwnd(), {g5, first->top, g5 + 8, first->top + 15}, gold), 0);
}

TEST_F(ViewTest, ReadOnlyMarkDrawsNumbersInHighlightColours) {
    environment.readOnly = true;
    Open(3, kShortJapanese);
    const PlacedRow* first = view->Rows().VisibleRow(0);
    ASSERT_NE(first, nullptr);
    RECT number = {0, first->top, 5 * view->Geometry().charWidth, first->top + 10};
    EXPECT_GT(CountPixels(view->GetSafeHwnd(), number, ::GetSysColor(COLOR_HIGHLIGHT)), 10);
}

TEST_F(ViewTest, ThreePaneDisplayLaysOutTheThirdPane) {
    environment.threePanes = true;
    Open(5, kShortJapanese);
    EXPECT_EQ(view->Geometry().paneCount, 3);
    EXPECT_GT(view->Geometry().left[2], view->Geometry().left[1]);
    view->SetThreePaneDisplay(false);
    EXPECT_EQ(view->Geometry().paneCount, 2);
    EXPECT_EQ(view->Rows().TextHeight(0, 2), 0);
}

} // namespace
