// The in-house dictionary export and import items of the tools menu.
#include "InhouseMenu.h"

#include "resource.h"

bool AppendDictionaryTransferItems(HMENU tools, const std::wstring& exportText, const std::wstring& importText) {
    if (!tools || ::GetMenuState(tools, ID_DICTIONARY_EXPORT, MF_BYCOMMAND) != UINT(-1))
        return false;
    // No handler exists for these two: the menu shows them disabled.
    ::AppendMenuW(tools, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(tools, MF_STRING, ID_DICTIONARY_EXPORT, exportText.c_str());
    ::AppendMenuW(tools, MF_STRING, ID_DICTIONARY_IMPORT, importText.c_str());
    return true;
}
