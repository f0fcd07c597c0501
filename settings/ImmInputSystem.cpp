// The input system of Windows: keyboard layouts, IMM32, the user's Preload list and IMETITLE.
#include "ImmInputSystem.h"

#include "IMETITLE.h"

#include <imm.h>

namespace {

HKL Handle(KeyboardLayout layout) {
    return reinterpret_cast<HKL>(layout);
}
HWND Window(InputWindow window) {
    return static_cast<HWND>(window);
}

// A window's input context, released when it goes out of scope.
class CInputContext {
public:
    explicit CInputContext(HWND window) : m_window(window), m_context(::ImmGetContext(window)) {}
    CInputContext(const CInputContext&) = delete;
    CInputContext& operator=(const CInputContext&) = delete;
    ~CInputContext() {
        if (m_context)
            ::ImmReleaseContext(m_window, m_context);
    }
    operator HIMC() const { return m_context; }

private:
    HWND m_window;
    HIMC m_context;
};

// A library loaded for a while.
class CLoadedLibrary {
public:
    explicit CLoadedLibrary(const std::wstring& path) : m_module(::LoadLibraryW(path.c_str())) {}
    CLoadedLibrary(const CLoadedLibrary&) = delete;
    CLoadedLibrary& operator=(const CLoadedLibrary&) = delete;
    ~CLoadedLibrary() {
        if (m_module)
            ::FreeLibrary(m_module);
    }
    FARPROC Function(const char* name) const {
        return m_module ? ::GetProcAddress(m_module, name) : nullptr;
    }

private:
    HMODULE m_module;
};

// Not the current directory: a stray IMETITLE.dll there must not be loaded.
std::wstring BesideProgram(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = L"";
    DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return L"";
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + fileName;
}

} // namespace

CImmInputSystem::CImmInputSystem(HKEY preloadRoot, std::wstring preloadPath)
    : m_preloadRoot(preloadRoot), m_preloadPath(std::move(preloadPath)) {}

std::vector<KeyboardLayout> CImmInputSystem::InstalledLayouts() {
    int count = ::GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> handles(size_t(count > 0 ? count : 0));
    if (!handles.empty())
        handles.resize(size_t(::GetKeyboardLayoutList(int(handles.size()), handles.data())));
    std::vector<KeyboardLayout> layouts;
    for (HKL handle : handles)
        layouts.push_back(reinterpret_cast<KeyboardLayout>(handle));
    return layouts;
}

KeyboardLayout CImmInputSystem::CurrentLayout() {
    return reinterpret_cast<KeyboardLayout>(::GetKeyboardLayout(0));
}

std::string CImmInputSystem::ImeFileName(KeyboardLayout layout) {
    // Wine answers 0 without touching the buffer.
    char name[260] = "";
    UINT length = ::ImmGetIMEFileNameA(Handle(layout), name, sizeof name);
    return length == 0 ? std::string() : std::string(name, strnlen(name, sizeof name));
}

std::wstring CImmInputSystem::ImeDescription(KeyboardLayout layout) {
    wchar_t description[50] = L"";
    UINT length = ::ImmGetDescriptionW(Handle(layout), description, 50);
    return length == 0 ? std::wstring() : std::wstring(description, wcsnlen(description, 49));
}

bool CImmInputSystem::ActivateLayout(KeyboardLayout layout) {
    return ::ActivateKeyboardLayout(Handle(layout), 0) != nullptr;
}

std::optional<bool> CImmInputSystem::OpenStatus(InputWindow window) {
    CInputContext context(Window(window));
    if (!context)
        return std::nullopt;
    return ::ImmGetOpenStatus(context) != FALSE;
}

void CImmInputSystem::SetOpenStatus(InputWindow window, bool open) {
    CInputContext context(Window(window));
    if (context)
        ::ImmSetOpenStatus(context, open ? TRUE : FALSE);
}

std::string CImmInputSystem::PreloadValue(int number) {
    wchar_t value[64] = L"";
    DWORD size = sizeof value;
    std::wstring name = std::to_wstring(number);
    if (::RegGetValueW(m_preloadRoot, m_preloadPath.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                       value, &size) != ERROR_SUCCESS)
        return "";
    // Layout identifiers are hexadecimal digits; anything else cannot match one.
    std::string text;
    for (const wchar_t* c = value; *c; ++c)
        text += *c < 0x80 ? char(*c) : '?';
    return text;
}

int CImmInputSystem::GetTsfName(uint16_t language, std::wstring& name) {
    name.clear();
    CLoadedLibrary library(BesideProgram(L"IMETITLE.dll"));
    // Through void (*)(), the one function type any other may be cast from without a warning.
    auto getTsfName = reinterpret_cast<GetTsfNameFn>(
        reinterpret_cast<void (*)()>(library.Function("GetTsfName")));
    if (!getTsfName)
        return 0;
    wchar_t buffer[kTsfNameCapacity] = L"";
    int32_t count = getTsfName(language, buffer, kTsfNameCapacity);
    if (count <= 0)
        return 0;
    name.assign(buffer, wcsnlen(buffer, kTsfNameCapacity));
    return count;
}
