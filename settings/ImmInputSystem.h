// The input system of Windows: keyboard layouts, IMM32, the user's Preload list and IMETITLE.
#pragma once

#include "InputSystem.h"

#include <windows.h>

#include <string>

class CImmInputSystem final : public IInputSystem {
public:
    // The Preload list can be read from another key, so that tests need not touch the user's.
    explicit CImmInputSystem(HKEY preloadRoot = HKEY_CURRENT_USER,
                             std::wstring preloadPath = L"Keyboard Layout\\Preload");

    std::vector<KeyboardLayout> InstalledLayouts() override;
    KeyboardLayout CurrentLayout() override;
    std::string ImeFileName(KeyboardLayout layout) override;
    std::wstring ImeDescription(KeyboardLayout layout) override;
    bool ActivateLayout(KeyboardLayout layout) override;
    std::optional<bool> OpenStatus(InputWindow window) override;
    void SetOpenStatus(InputWindow window, bool open) override;
    std::string PreloadValue(int number) override;
    // IMETITLE.dll is looked for beside the program only, and bound for the one call.
    int GetTsfName(uint16_t language, std::wstring& name) override;

private:
    HKEY m_preloadRoot;
    std::wstring m_preloadPath;
};
