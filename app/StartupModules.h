// Start-up and exit steps that belong to other modules of the editor.
#pragma once

#include <windows.h>

class CWXBApp;

// The editor's own single-line text field for dialogs.
void RegisterEditControlClass();
// The character conversion tables; false when they cannot be loaded.
bool LoadCharacterTables();
// Checks the user dictionaries and configures both engines; false when an engine refuses.
bool ConfigureEngines(CWXBApp& app);
void CloseUserDictionaries(int direction);
// The service through which other programs hand text to this editor.
void StartTranslationService(HWND mainWindow, HINSTANCE instance);
void StopTranslationService();
