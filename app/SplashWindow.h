// The picture shown over the main window for a few seconds after a plain start.
#pragma once

#include "Window.h"

class CSplashWnd : public CWindow {
public:
    ~CSplashWnd() override;
    // A borderless pop-up owned by the frame, the size of the bitmap and centred on the work area;
    // false (and nothing shown) when the bitmap cannot be loaded.
    bool Show(HWND owner, UINT bitmapId, UINT milliseconds);
    // Shows the picture over its owner once the owner has been shown.
    void OwnerShown();
    // Takes the picture away and repaints the window it covered.
    void Dismiss();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HBITMAP m_bitmap = nullptr;
    int m_restacks = 0;
};
