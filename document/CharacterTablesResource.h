// Loading of the CVDATA conversion tables from a module's resources.
#pragma once

#include <windows.h>

// Finds "BIG5-HVH", "HVH-BIG5" and "GB-BIG5" (type "CVDATA", Japanese) in the module and hands
// them to ProgramCharacterTables(). Loading again from the same module does nothing.
bool LoadCharacterTables(HMODULE module);
