// The editor's main frame window.
#pragma once

#include "FrameWindow.h"

class CMainFrame : public CFrameWindow {
public:
    // Places and shows the frame as stored; showCommand is the state the program was asked for.
    void RestorePlacement(int showCommand);

protected:
    std::wstring FrameTitle() const override;
    void OnDestroy() override;
};
