// The engines as the tests use them.
#include "EngineFixture.h"

#if defined(_WIN32)
#include <windows.h>
#endif

#include <map>
#include <memory>

std::filesystem::path TestSystemDicFolder() {
#if defined(_WIN32)
    wchar_t name[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, name, MAX_PATH);
    return std::filesystem::path(std::wstring(name, n)).parent_path() / "SYSTEMDIC";
#else
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "SYSTEMDIC";
#endif
}

transfer::CTransferEngine& TestEngine(TransDirection direction) {
    static std::map<int, std::unique_ptr<transfer::CTransferEngine>> engines;
    auto& engine = engines[direction];
    if (!engine) {
        engine = std::make_unique<transfer::CTransferEngine>(direction, TestSystemDicFolder());
        engine->EnsureLoaded();
    }
    return *engine;
}

Translation TranslateUtf8(transfer::CTransferEngine& engine, const std::string& utf8,
                          int32_t sourceCodePage, int32_t targetCodePage, int32_t mode) {
    const transfer::CCharacterTables& tables = engine.Tables();
    const int32_t readBack = targetCodePage == transfer::kHanvellSimplified ? 932 : targetCodePage;
    transfer::TargetText target;
    engine.Translate(TransMode{mode, sourceCodePage, targetCodePage, 1},
                     ToCodePage(tables, sourceCodePage == 0 ? 936 : sourceCodePage, utf8), target);
    return {FromCodePage(tables, readBack, target.bytes), target.records};
}

std::filesystem::path ScratchFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("twin-engines-" + name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}
