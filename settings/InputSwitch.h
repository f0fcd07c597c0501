// The input-system switches for a whole dialog, a single field and a pane of the editor view.
#pragma once

#include "InputSettings.h"

// Activates the layout for the thread; an input method that was open is open again afterwards.
void ExchangeInputLayout(IInputSystem& system, InputWindow window, KeyboardLayout layout);

// Opens the window's closed input method when the settings ask for it at switch points.
void OpenInputAtSwitch(IInputSystem& system, const InputSettings& settings, InputWindow window);

// Uses SelectIMEJPN (japanese) or SelectIMECHNGB, whatever the active script.
void SwitchDialogInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                       bool japanese);

// For a field whose layout was resolved when its dialog opened. Exchanges only when the
// input-method file names differ, so it never exchanges between two text-service layouts.
void SwitchFieldInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                      KeyboardLayout layout);

// For a language index of the editor view; true when the layout was exchanged. Opening is the
// view's business after it has set the composition font.
bool SwitchPaneInput(IInputSystem& system, const InputSettings& settings, InputWindow window,
                     int languageIndex);
