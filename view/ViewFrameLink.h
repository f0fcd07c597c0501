// What the view asks of the frame around it: the status panes and the direction combo box.
// The main frame implements it; the view finds it by casting its frame.
#pragma once

#include <string>

// Panes of the main frame's status bar.
enum StatusPane {
    kStatusPaneMessage = 0,   // menu and tool tips
    kStatusPaneRun = 1,       // translation run status
    kStatusPaneSentence = 2,  // "%5d /%5d": current sentence and count
    kStatusPaneDirection = 3, // "日中翻訳" or "中日翻訳"
    kStatusPaneMark = 4,      // margin label of the current sentence
};

class CViewFrameLink {
public:
    virtual void SetStatusPaneText(int pane, const std::wstring& text) = 0;
    virtual std::wstring StatusPaneText(int pane) const = 0;
    // 0 Japanese to Chinese, 1 Chinese to Japanese.
    virtual void SetDirectionComboIndex(int index) = 0;

protected:
    ~CViewFrameLink() = default;
};
