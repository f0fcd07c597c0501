// The input-system switches for a whole dialog, a single field and a pane of the editor view.
#include "InputSwitch.h"

#include "InputLayoutFinder.h"

void ExchangeInputLayout(IInputSystem& system, InputWindow window, KeyboardLayout layout) {
    // Closing before the exchange and reopening after it keeps the user's on/off choice, which
    // the new layout would otherwise not inherit.
    bool wasOpen = system.OpenStatus(window).value_or(false);
    if (wasOpen)
        system.SetOpenStatus(window, false);
    // A fixed text-service layout that is not loaded is refused; nothing to tell the user.
    system.ActivateLayout(layout);
    if (wasOpen)
        system.SetOpenStatus(window, true);
}

void OpenInputAtSwitch(IInputSystem& system, const InputSettings& settings, InputWindow window) {
    if (settings.OpensAtSwitch() && system.OpenStatus(window) == false)
        system.SetOpenStatus(window, true);
}

void SwitchDialogInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                       bool japanese) {
    KeyboardLayout layout =
        FindInputLayout(system, japanese ? settings.selectIMEJPN : settings.selectIMECHNGB);
    if (!settings.SwitchesAutomatically() || layout == kNoLayout)
        return;
    if (layout != system.CurrentLayout())
        ExchangeInputLayout(system, window, layout);
    OpenInputAtSwitch(system, settings, window);
}

void SwitchFieldInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                      KeyboardLayout layout) {
    if (!settings.SwitchesAutomatically() || layout == kNoLayout)
        return;
    if (system.ImeFileName(system.CurrentLayout()) != system.ImeFileName(layout))
        ExchangeInputLayout(system, window, layout);
    OpenInputAtSwitch(system, settings, window);
}

bool SwitchPaneInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                     int languageIndex) {
    if (!settings.SwitchesAutomatically())
        return false;
    KeyboardLayout layout = FindInputLayout(system, InputMethodOf(settings, languageIndex));
    KeyboardLayout current = system.CurrentLayout();
    if (layout == kNoLayout || current == kNoLayout || current == layout)
        return false;
    ExchangeInputLayout(system, window, layout);
    return true;
}
