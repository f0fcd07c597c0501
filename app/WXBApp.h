// The editor's application object.
#pragma once

#include "Application.h"

class CWXBApp : public CApplication {
public:
    bool InitInstance() override;
};
