// What both engine DLLs share on Windows.
#include "EngineModule.h"

#include <cstring>

#include <windows.h>

#include <memory>
#include <string>

namespace {

std::filesystem::path ModuleFolder() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ModuleFolder), &module);
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(module, name.data(), DWORD(name.size()));
        if (n == 0)
            return std::filesystem::path();
        if (n < name.size()) {
            name.resize(n);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::path(name).parent_path();
}

} // namespace

transfer::CTransferEngine& ModuleEngine(TransDirection direction) {
    // One engine per DLL; each DLL asks for its own direction only.
    static transfer::CTransferEngine engine(direction, ModuleFolder() / "SYSTEMDIC");
    return engine;
}

std::filesystem::path PathFromAnsi(const char* text) {
    if (!text || !*text)
        return std::filesystem::path();
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 1)
        return std::filesystem::path();
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
    wide.resize(size_t(n) - 1);
    return std::filesystem::path(wide);
}

std::array<std::filesystem::path, 3> PathsFromAnsi(const char* a, const char* b, const char* c) {
    return {PathFromAnsi(a), PathFromAnsi(b), PathFromAnsi(c)};
}

int32_t CreatedResult(transfer::UserDicResult result) {
    return result == transfer::UserDicResult::Done || result == transfer::UserDicResult::Exists
               ? 0
               : int32_t(result);
}

int32_t OpenedResult(transfer::CTransferEngine& engine,
                     const std::array<std::filesystem::path, 3>& userDics) {
    int32_t named = 0;
    for (const std::filesystem::path& p : userDics)
        named += !p.empty();
    return engine.OpenUserDics(userDics) == named ? 0 : -1;
}

int32_t ConfiguredResult(transfer::CTransferEngine& engine, const TransConfig& config) {
    // The paths are read only once the record is known to hold them whole.
    const bool whole = std::memchr(config.m_szUserDic1, 0, kUserDicPathSize) &&
                       std::memchr(config.m_szUserDic2, 0, kUserDicPathSize) &&
                       std::memchr(config.m_szUserDic3, 0, kUserDicPathSize);
    if (!whole)
        return 0;
    return engine.Configure(config, PathsFromAnsi(config.m_szUserDic1, config.m_szUserDic2, config.m_szUserDic3))
               ? 1
               : 0;
}

int32_t NotBuiltInfo(char* dicName, int32_t* entryCount) {
    if (dicName)
        dicName[0] = '\0';
    if (entryCount)
        *entryCount = 0;
    return -1;
}
