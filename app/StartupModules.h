// Start-up and exit steps that belong to other modules of the editor.
#pragma once

#include <windows.h>

// The editor's own single-line text field for dialogs.
void RegisterEditControlClass();
// The character conversion tables; false when they cannot be loaded.
bool LoadProgramCharacterTables();
// The service through which other programs hand text to this editor.
void StartTranslationService(HWND mainWindow, HINSTANCE instance);
void StopTranslationService();
