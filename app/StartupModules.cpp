// Start-up and exit steps that belong to other modules of the editor. Each stands here until its
// module exists, doing nothing that module would do.
#include "StartupModules.h"

#include "CharacterTablesResource.h"

void RegisterEditControlClass() {}

bool LoadProgramCharacterTables() { return LoadCharacterTables(::GetModuleHandleW(nullptr)); }

void StartTranslationService(HWND, HINSTANCE) {}

void StopTranslationService() {}
