// Loading of the CVDATA conversion tables from a module's resources.
#include "CharacterTablesResource.h"

#include "CharacterTables.h"

namespace {

// Resource memory lives as long as the module; there is nothing to free.
ByteSpan FindTable(HMODULE module, const CvdataLayout& layout) {
    wchar_t name[16] = {};
    for (int i = 0; layout.name[i] != '\0' && i < 15; ++i) {
        name[i] = static_cast<wchar_t>(layout.name[i]);
    }
    HRSRC found =
        FindResourceExW(module, L"CVDATA", name, MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT));
    if (found == nullptr) {
        found = FindResourceW(module, name, L"CVDATA");
    }
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return ByteSpan();
    }
    return ByteSpan{static_cast<const uint8_t*>(data), SizeofResource(module, found)};
}

} // namespace

bool LoadCharacterTables(HMODULE module) {
    static HMODULE s_loadedFrom = nullptr;
    if (module == s_loadedFrom && ProgramCharacterTables().IsLoaded()) {
        return true;
    }
    const bool loaded = ProgramCharacterTables().Attach(FindTable(module, kBig5ToHanvellLayout),
                                                        FindTable(module, kHanvellToBig5Layout),
                                                        FindTable(module, kGbToBig5Layout));
    if (loaded) {
        s_loadedFrom = module;
    }
    return loaded;
}
