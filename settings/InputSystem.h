// What input-system switching needs from the system: keyboard layouts, input methods and their
// open state, the preloaded layouts of the user and the names of text services.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A keyboard-layout handle as a number; the low 16 bits are its language.
using KeyboardLayout = std::uintptr_t;
constexpr KeyboardLayout kNoLayout = 0;

// A window handle, opaque here.
using InputWindow = void*;

inline uint16_t LayoutLanguage(KeyboardLayout layout) {
    return uint16_t(layout & 0xFFFF);
}

class IInputSystem {
public:
    virtual ~IInputSystem() = default;

    // The installed layouts in the system's order.
    virtual std::vector<KeyboardLayout> InstalledLayouts() = 0;
    // The calling thread's layout, or kNoLayout.
    virtual KeyboardLayout CurrentLayout() = 0;
    // "" for a layout without an input-method file (plain keyboards, text services).
    virtual std::string ImeFileName(KeyboardLayout layout) = 0;
    // At most 49 characters.
    virtual std::wstring ImeDescription(KeyboardLayout layout) = 0;
    // For the calling thread only; false when the system refuses.
    virtual bool ActivateLayout(KeyboardLayout layout) = 0;

    // Nothing when the window has no input context.
    virtual std::optional<bool> OpenStatus(InputWindow window) = 0;
    // Does nothing for a window without an input context.
    virtual void SetOpenStatus(InputWindow window, bool open) = 0;

    // The value named by the decimal number under HKEY_CURRENT_USER "Keyboard Layout\Preload";
    // "" when it is missing.
    virtual std::string PreloadValue(int number) = 0;
    // IMETITLE's count of text-service input methods for the language, with one display name;
    // 0 (and an empty name) when there are none or the library is missing.
    virtual int GetTsfName(uint16_t language, std::wstring& name) = 0;
};
