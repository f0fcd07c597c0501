// The open dialog: the system's dialog with the encoding panel.
#pragma once

#include "FileDialog.h"

class COpenFileDialog : public CFileDialog {
public:
    // inputIndex is the encoding shown first (0 automatic detection, 1 to 11 a code).
    COpenFileDialog(HWND owner, int inputIndex, const std::wstring& folder);

    int InputIndex() const { return m_inputIndex; }

protected:
    void OnInitPanel() override;
    void OnPanelCommand(int id, int code) override;

private:
    int m_inputIndex;
};
