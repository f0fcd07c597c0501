// The message boxes by which the editor tells what an engine exchange reports.
#pragma once

#include "EngineExchange.h"

#include <windows.h>

class CEngineAlertBox : public CEngineAlerts {
public:
    explicit CEngineAlertBox(HWND owner = nullptr) : m_hOwner(owner) {}
    void SetOwner(HWND owner) { m_hOwner = owner; }

    void OnOutOfMemory(const char* message) override;

private:
    HWND m_hOwner;
};
