// The owner-drawn input-method list on a real combo box: item height, content, and what it draws.
#include "InputMethodCombo.h"

#include <gtest/gtest.h>

namespace {

CInputMethodCombo* g_drawn = nullptr;
int g_drawCalls = 0;
UINT g_lastDrawnItem = 0;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM && g_drawn) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        ++g_drawCalls;
        g_lastDrawnItem = item.itemID;
        g_drawn->DrawItem(item);
        return TRUE;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// An off-screen picture of one drawn item.
class CItemPicture {
public:
    CItemPicture(int width, int height) : m_dc(::CreateCompatibleDC(nullptr)) {
        HDC screen = ::GetDC(nullptr);
        m_bitmap = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        m_old = ::SelectObject(m_dc, m_bitmap);
        m_area = {0, 0, width, height};
    }
    ~CItemPicture() {
        ::SelectObject(m_dc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_dc);
    }
    void Draw(const CInputMethodCombo& combo, UINT item, UINT state) {
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_COMBOBOX;
        draw.itemID = item;
        draw.itemState = state;
        draw.hwndItem = combo.GetSafeHwnd();
        draw.hDC = m_dc;
        draw.rcItem = m_area;
        combo.DrawItem(draw);
    }
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    // Pixels of the picture that differ from the colour.
    int CountOtherThan(COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < m_area.bottom; ++y)
            for (int x = 0; x < m_area.right; ++x)
                count += At(x, y) != colour;
        return count;
    }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
    RECT m_area;
};

class InputMethodComboTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = ParentProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TwinTestComboParent";
        ::RegisterClassW(&windowClass);
        parent =
            ::CreateWindowExW(0, L"TwinTestComboParent", L"page", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        comboWindow = ::CreateWindowExW(
            0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, 10,
            10, 250, 200, parent, HMENU(139), nullptr, nullptr);
        ASSERT_NE(comboWindow, nullptr);
        ASSERT_TRUE(combo.Attach(comboWindow, ImeListLanguage::ChineseGb));
        list.entries = {{"\xCE\xA2\xC8\xED\xC6\xB4\xD2\xF4", "PINTLGNT.IME"}, // 微软拼音
                        {"TSF:QuanPin", "TSF:QuanPin", true}};
        list.selected = 1;
        combo.Fill(list);
        g_drawn = &combo;
        g_drawCalls = 0;
    }
    void TearDown() override {
        g_drawn = nullptr;
        ::DestroyWindow(parent);
    }

    HWND parent = nullptr;
    HWND comboWindow = nullptr;
    CInputMethodCombo combo;
    InputMethodList list;
};

TEST_F(InputMethodComboTest, ItemsTakeTheFontsHeightPlusTwo) {
    HDC dc = ::GetDC(nullptr);
    int ninePoints = -::MulDiv(9, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
    HFONT font =
        ::CreateFontW(ninePoints, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"");
    HGDIOBJ old = ::SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(nullptr, dc);

    EXPECT_EQ(combo.ItemHeight(), metrics.tmHeight + 2);
    EXPECT_EQ(::SendMessageW(comboWindow, CB_GETITEMHEIGHT, 0, 0), metrics.tmHeight + 2);
}

TEST_F(InputMethodComboTest, FillShowsEveryEntryAndTheSelection) {
    EXPECT_EQ(::SendMessageW(comboWindow, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(combo.Selection(), 1);
    list.selected = -1;
    combo.Fill(list);
    EXPECT_EQ(combo.Selection(), -1);
}

TEST_F(InputMethodComboTest, ASelectedItemIsDrawnOnTheHighlightWithItsText) {
    CItemPicture picture(200, combo.ItemHeight());
    picture.Draw(combo, 0, ODS_SELECTED);
    COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(picture.At(0, 0), highlight);
    EXPECT_GT(picture.CountOtherThan(highlight), 20); // the characters
}

TEST_F(InputMethodComboTest, AnUnselectedItemIsDrawnOnTheWindowColour) {
    CItemPicture picture(200, combo.ItemHeight());
    picture.Draw(combo, 1, 0);
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    EXPECT_EQ(picture.At(0, 0), window);
    EXPECT_GT(picture.CountOtherThan(window), 20);
}

TEST_F(InputMethodComboTest, NoItemDrawsOnlyTheBackgroundAndFocusAddsTheRectangle) {
    CItemPicture picture(200, combo.ItemHeight());
    COLORREF window = ::GetSysColor(COLOR_WINDOW);
    picture.Draw(combo, UINT(-1), 0);
    EXPECT_EQ(picture.CountOtherThan(window), 0);
    picture.Draw(combo, UINT(-1), ODS_FOCUS);
    EXPECT_GT(picture.CountOtherThan(window), 0);
}

TEST_F(InputMethodComboTest, TheClosedComboDrawsItsSelectionThroughTheParent) {
    ::RedrawWindow(comboWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GT(g_drawCalls, 0);
    EXPECT_EQ(g_lastDrawnItem, 1u);
}

} // namespace
