// A toolbar the user can customise (the toolbar control's own dialog), with controls such as a
// combo box placed on it, images from one bitmap, and its button order kept in the profile.
#include "ToolBarEx.h"

#include "FrameWindow.h"
#include "Profile.h"
#include "ResourceText.h"

#include <algorithm>
#include <cwchar>

namespace {
const int kSeparatorWidth = 8;

// The short name of a command: its prompt string's part after the line feed.
std::wstring CommandName(UINT id) {
    std::wstring text = LoadResourceString(id);
    size_t feed = text.find(L'\n');
    return feed == std::wstring::npos ? text : text.substr(feed + 1);
}
} // namespace

CToolBarEx::~CToolBarEx() {
    for (HIMAGELIST images : {m_images, m_disabledImages})
        if (images)
            ::ImageList_Destroy(images);
}

bool CToolBarEx::Create(CFrameWindow* frame, UINT id, const std::wstring& title) {
    m_frame = frame;
    if (!CToolBar::Create(frame, id))
        return false;
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | CCS_ADJUSTABLE);
    // Notifications go to the frame wherever the bar is docked.
    ::SendMessageW(m_hWnd, TB_SETPARENT, reinterpret_cast<WPARAM>(frame->GetSafeHwnd()), 0);
    ::SetWindowTextW(m_hWnd, title.c_str());
    return true;
}

namespace {

// The bitmap's pixels as 24-bit rows, top row first.
std::vector<BYTE> Pixels(HBITMAP bitmap, const BITMAP& info, BITMAPINFO& format) {
    format = BITMAPINFO{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), info.bmWidth, -info.bmHeight, 1, 24, BI_RGB};
    std::vector<BYTE> pixels(size_t((info.bmWidth * 3 + 3) & ~3) * size_t(info.bmHeight));
    HDC dc = ::GetDC(nullptr);
    int rows = ::GetDIBits(dc, bitmap, 0, UINT(info.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    if (rows != info.bmHeight)
        pixels.clear();
    return pixels;
}

// Disabled buttons show their image faded to grey rather than as a flat silhouette.
HBITMAP FadedCopy(HBITMAP bitmap, COLORREF mask) {
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof info, &info);
    BITMAPINFO format;
    std::vector<BYTE> pixels = Pixels(bitmap, info, format);
    if (pixels.empty())
        return nullptr;
    for (size_t i = 0; i + 2 < pixels.size(); i += 3) {
        BYTE b = pixels[i], g = pixels[i + 1], r = pixels[i + 2];
        if (RGB(r, g, b) == mask)
            continue;
        BYTE grey = BYTE(128 + (r * 30 + g * 59 + b * 11) / 100 / 2);  // 128 to 255, keeps the shapes
        pixels[i] = pixels[i + 1] = pixels[i + 2] = grey;
    }
    void* bits = nullptr;
    HBITMAP faded = ::CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (faded)
        std::copy(pixels.begin(), pixels.end(), static_cast<BYTE*>(bits));
    return faded;
}

HIMAGELIST MaskedImages(HBITMAP bitmap, int size, COLORREF mask) {
    BITMAP info = {};
    ::GetObjectW(bitmap, sizeof info, &info);
    HIMAGELIST images = ::ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, info.bmWidth / size, 0);
    if (images && ::ImageList_AddMasked(images, bitmap, mask) < 0) {
        ::ImageList_Destroy(images);
        return nullptr;
    }
    return images;
}

} // namespace

bool CToolBarEx::LoadImages(UINT bitmapId, int size, COLORREF maskColour) {
    HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return false;
    // Faded first: adding to an image list blackens the masked pixels of the bitmap.
    HBITMAP faded = FadedCopy(bitmap, maskColour);
    HIMAGELIST images = MaskedImages(bitmap, size, maskColour);
    HIMAGELIST disabled = faded ? MaskedImages(faded, size, maskColour) : nullptr;
    if (faded)
        ::DeleteObject(faded);
    ::DeleteObject(bitmap);
    if (!images)
        return false;
    ::SendMessageW(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
    ::SendMessageW(m_hWnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (disabled)
        ::SendMessageW(m_hWnd, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled));
    for (HIMAGELIST old : {m_images, m_disabledImages})
        if (old)
            ::ImageList_Destroy(old);
    m_images = images;
    m_disabledImages = disabled;
    return true;
}

TBBUTTON CToolBarEx::MakeButton(const ToolButton& button) const {
    TBBUTTON b = {};
    b.idCommand = int(button.id);
    b.fsState = TBSTATE_ENABLED;
    if (button.image < 0) {
        const PlacedControl* control = ControlAt(button.id);
        b.fsStyle = BTNS_SEP;
        b.iBitmap = control && IsHorizontal() ? control->width : kSeparatorWidth;  // a separator's width
    } else {
        b.fsStyle = BTNS_BUTTON;
        b.iBitmap = button.image;
    }
    if (!IsHorizontal())
        b.fsState |= TBSTATE_WRAP;  // one button a row
    return b;
}

void CToolBarEx::ShowButtons(const std::vector<ToolButton>& buttons) {
    for (int i = ButtonCount(); i-- > 0;)
        ::SendMessageW(m_hWnd, TB_DELETEBUTTON, WPARAM(i), 0);
    std::vector<TBBUTTON> items;
    for (const ToolButton& button : buttons)
        items.push_back(MakeButton(button));
    ::SendMessageW(m_hWnd, TB_ADDBUTTONSW, WPARAM(items.size()), reinterpret_cast<LPARAM>(items.data()));
    Relayout();
}

bool CToolBarEx::SetButtons(const std::vector<ToolButton>& shown, const std::vector<ToolButton>& offered) {
    m_default = shown;
    m_offered = offered;
    ShowButtons(shown);
    return ButtonCount() == int(shown.size());
}

std::vector<ToolButton> CToolBarEx::CurrentButtons() const {
    std::vector<ToolButton> buttons;
    int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON b = {};
        ::SendMessageW(m_hWnd, TB_GETBUTTON, WPARAM(i), reinterpret_cast<LPARAM>(&b));
        buttons.push_back(ToolButton{UINT(b.idCommand), (b.fsStyle & BTNS_SEP) ? -1 : b.iBitmap});
    }
    return buttons;
}

const CToolBarEx::PlacedControl* CToolBarEx::ControlAt(UINT placeId) const {
    for (const PlacedControl& placed : m_controls)
        if (placeId != 0 && placed.placeId == placeId)
            return &placed;
    return nullptr;
}

void CToolBarEx::SetControl(UINT placeId, HWND control, int width) {
    m_controls.push_back(PlacedControl{placeId, control, width});
    TBBUTTONINFOW info = {sizeof info};
    info.dwMask = TBIF_SIZE;
    info.cx = WORD(IsHorizontal() ? width : kSeparatorWidth);
    ::SendMessageW(m_hWnd, TB_SETBUTTONINFOW, placeId, reinterpret_cast<LPARAM>(&info));
    PlaceControls();
}

void CToolBarEx::PlaceControls() {
    for (const PlacedControl& placed : m_controls) {
        RECT rc = {};
        bool present = ::SendMessageW(m_hWnd, TB_GETRECT, placed.placeId, reinterpret_cast<LPARAM>(&rc)) != 0;
        // A control does not fit across a vertical bar; its place is then a plain separator.
        if (!present || !IsHorizontal()) {
            ::ShowWindow(placed.control, SW_HIDE);
            continue;
        }
        RECT own = {};
        ::GetWindowRect(placed.control, &own);
        int height = own.bottom - own.top;
        ::SetWindowPos(placed.control, nullptr, rc.left, rc.top + (rc.bottom - rc.top - height) / 2, placed.width,
                       height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void CToolBarEx::Relayout() {
    ::SendMessageW(m_hWnd, TB_AUTOSIZE, 0, 0);
    PlaceControls();
    if (m_frame)
        m_frame->RecalcLayout();
}

void CToolBarEx::SetButtonImage(UINT id, int image) {
    ::SendMessageW(m_hWnd, TB_CHANGEBITMAP, id, MAKELPARAM(image, 0));
}

int CToolBarEx::ButtonImage(UINT id) const { return int(::SendMessageW(m_hWnd, TB_GETBITMAP, id, 0)); }

int CToolBarEx::ItemHeight() const {
    DWORD size = DWORD(::SendMessageW(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
    return HIWORD(size);
}

void CToolBarEx::Customize() { ::SendMessageW(m_hWnd, TB_CUSTOMIZE, 0, 0); }

void CToolBarEx::SetSide(BarSide side) {
    bool wasHorizontal = IsHorizontal();
    CToolBar::SetSide(side);
    if (!m_hWnd || wasHorizontal == IsHorizontal())
        return;
    LONG style = ::GetWindowLongW(m_hWnd, GWL_STYLE);
    ::SetWindowLongW(m_hWnd, GWL_STYLE, IsHorizontal() ? (style & ~CCS_VERT) : (style | CCS_VERT));
    ShowButtons(CurrentButtons());
}

bool CToolBarEx::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.hwndFrom != m_hWnd)
        return false;
    switch (header.code) {
    case TBN_BEGINADJUST:
    case TBN_ENDADJUST:
    case TBN_BEGINDRAG:
    case TBN_ENDDRAG:
        result = 0;
        return true;
    case TBN_INITCUSTOMIZE:
        result = TBNRF_HIDEHELP;
        return true;
    case TBN_QUERYINSERT:
        result = TRUE;
        return true;
    case TBN_QUERYDELETE: {
        // The place of a control stays: the control would have nowhere to go.
        auto& notify = reinterpret_cast<NMTOOLBARW&>(header);
        result = ControlAt(UINT(notify.tbButton.idCommand)) ? FALSE : TRUE;
        return true;
    }
    case TBN_GETBUTTONINFOW: {
        auto& notify = reinterpret_cast<NMTOOLBARW&>(header);
        size_t index = size_t(notify.iItem);
        std::vector<ToolButton> buttons;
        for (const ToolButton& button : m_offered)
            if (button.image >= 0)
                buttons.push_back(button);
        if (notify.iItem < 0 || index >= buttons.size()) {
            result = FALSE;
            return true;
        }
        notify.tbButton = MakeButton(buttons[index]);
        if (notify.pszText && notify.cchText > 0) {
            std::wstring name = CommandName(buttons[index].id);
            lstrcpynW(notify.pszText, name.c_str(), notify.cchText);
        }
        result = TRUE;
        return true;
    }
    case TBN_RESET:
        ShowButtons(m_default);
        result = 0;
        return true;
    case TBN_HOTITEMCHANGE: {
        // The button under the mouse tells what it does, as a menu item does.
        auto& hot = reinterpret_cast<NMTBHOTITEM&>(header);
        if (m_frame)
            m_frame->ShowPrompt((hot.dwFlags & HICF_LEAVING) ? 0 : UINT(hot.idNew));
        result = 0;
        return true;
    }
    case TBN_TOOLBARCHANGE:
        Relayout();
        result = 0;
        return true;
    }
    return false;
}

void CToolBarEx::SaveState(const CProfile& profile, const std::wstring& section) const {
    // "id:image" per button; a separator is "0:-1".
    std::wstring text;
    for (const ToolButton& button : CurrentButtons()) {
        if (!text.empty())
            text += L',';
        text += std::to_wstring(button.id) + L':' + std::to_wstring(button.image);
    }
    profile.WriteString(section.c_str(), L"Buttons", text.c_str());
}

void CToolBarEx::LoadState(const CProfile& profile, const std::wstring& section) {
    std::wstring text = profile.GetString(section.c_str(), L"Buttons");
    if (text.empty())
        return;
    std::vector<ToolButton> buttons;
    const wchar_t* p = text.c_str();
    while (*p) {
        wchar_t* end = nullptr;
        unsigned long id = std::wcstoul(p, &end, 10);
        if (end == p || *end != L':')
            return;  // not a list this bar wrote: keep the buttons as they are
        p = end + 1;
        long image = std::wcstol(p, &end, 10);
        if (end == p)
            return;
        buttons.push_back(ToolButton{UINT(id), int(image)});
        p = *end == L',' ? end + 1 : end;
    }
    // Only buttons the bar offers, with their images as offered, and every control's place.
    std::vector<ToolButton> kept;
    for (const ToolButton& button : buttons) {
        if (button.id == 0) {
            kept.push_back(ToolButton{0, -1});
            continue;
        }
        for (const ToolButton& offered : m_offered)
            if (offered.id == button.id)
                kept.push_back(offered);
    }
    for (const PlacedControl& placed : m_controls) {
        bool found = false;
        for (const ToolButton& button : kept)
            found = found || button.id == placed.placeId;
        if (!found)
            kept.push_back(ToolButton{placed.placeId, -1});
    }
    ShowButtons(kept);
}
