// The About box: product name, version and the application icon.
#pragma once

#include "Dialog.h"

class CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(HWND parent);

protected:
    bool OnInitDialog() override;
};
