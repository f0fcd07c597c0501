// A toolbar the user can customise (the toolbar control's own dialog), with controls such as a
// combo box placed on it, images from one bitmap, and its button order kept in the profile.
#pragma once

#include "ControlBars.h"

#include <commctrl.h>

#include <string>
#include <vector>

struct ToolButton {
    UINT id;    // 0 for a separator
    int image;  // image index; -1 for a separator, or for the place of a control when id is not 0
};

class CToolBarEx : public CToolBar {
public:
    ~CToolBarEx() override;

    bool Create(CFrameWindow* frame, UINT id, const std::wstring& title);
    // Images of size x size pixels side by side in the bitmap; the mask colour is transparent.
    bool LoadImages(UINT bitmapId, int size, COLORREF maskColour);
    // The buttons shown first (and again after a reset in the dialog), and those the dialog offers.
    bool SetButtons(const std::vector<ToolButton>& shown, const std::vector<ToolButton>& offered);
    // Places the control (a child of the toolbar) where the place with that id stands.
    void SetControl(UINT placeId, HWND control, int width);
    void SetButtonImage(UINT id, int image);
    int ButtonImage(UINT id) const;
    // Height of a button, which the controls on the bar are sized by.
    int ItemHeight() const;
    // Opens the customisation dialog; returns when the user closes it.
    void Customize();

    void SetSide(BarSide side) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    void SaveState(const CProfile& profile, const std::wstring& section) const override;
    void LoadState(const CProfile& profile, const std::wstring& section) override;

private:
    struct PlacedControl {
        UINT placeId;
        HWND control;
        int width;
    };
    TBBUTTON MakeButton(const ToolButton& button) const;
    void ShowButtons(const std::vector<ToolButton>& buttons);
    std::vector<ToolButton> CurrentButtons() const;
    const PlacedControl* ControlAt(UINT placeId) const;
    // Moves the controls onto their places after the buttons changed.
    void PlaceControls();
    void Relayout();

    CFrameWindow* m_frame = nullptr;
    HIMAGELIST m_images = nullptr;
    HIMAGELIST m_disabledImages = nullptr;
    std::vector<ToolButton> m_default;
    std::vector<ToolButton> m_offered;
    std::vector<PlacedControl> m_controls;
};
