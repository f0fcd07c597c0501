// The keyboard text services of a language as the registry records them.
#include "TextServiceRegistry.h"

#include <cwchar>
#include <vector>

namespace {

// Text services of this category take keyboard input; speech and handwriting do not.
const wchar_t kKeyboardCategory[] = L"Category\\Category\\{34745C63-B2F0-4784-8B67-5E12C8701A31}";

// A registry key opened for reading, closed when it goes out of scope.
class CReadKey {
public:
    CReadKey(HKEY parent, const std::wstring& path) {
        if (!parent || ::RegOpenKeyExW(parent, path.c_str(), 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    CReadKey(const CReadKey&) = delete;
    CReadKey& operator=(const CReadKey&) = delete;
    ~CReadKey() {
        if (m_key)
            ::RegCloseKey(m_key);
    }
    operator HKEY() const { return m_key; }

    std::vector<std::wstring> SubkeyNames() const {
        std::vector<std::wstring> names;
        for (DWORD i = 0; m_key; ++i) {
            wchar_t name[256];
            DWORD length = 256;
            LONG result =
                ::RegEnumKeyExW(m_key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (result == ERROR_MORE_DATA)
                continue; // not a GUID
            if (result != ERROR_SUCCESS)
                break;
            names.emplace_back(name, length);
        }
        return names;
    }

    bool Dword(const wchar_t* name, DWORD& value) const {
        DWORD size = sizeof value;
        return m_key && ::RegGetValueW(m_key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value,
                                       &size) == ERROR_SUCCESS;
    }

    std::wstring String(const wchar_t* name) const {
        wchar_t text[260] = L"";
        DWORD size = sizeof text;
        if (!m_key || ::RegGetValueW(m_key, nullptr, name, RRF_RT_REG_SZ, nullptr, text, &size) !=
                          ERROR_SUCCESS)
            return L"";
        return text;
    }

    // A "@file,-id" reference resolved to the text in the user's language.
    std::wstring IndirectString(const wchar_t* name) const {
        wchar_t text[260] = L"";
        DWORD size = 0;
        if (!m_key ||
            ::RegLoadMUIStringW(m_key, name, text, sizeof text, &size, 0, nullptr) != ERROR_SUCCESS)
            return L"";
        return std::wstring(text, wcsnlen(text, 260));
    }

private:
    HKEY m_key = nullptr;
};

std::wstring LanguageKey(uint16_t language) {
    wchar_t key[16];
    std::swprintf(key, 16, L"0x%08x", unsigned(language));
    return key;
}

// The user's choice wins over the default the service registered; with neither it is enabled.
bool Enabled(const CReadKey& machineProfile, const CReadKey& userProfile) {
    DWORD enable = 1;
    if (userProfile.Dword(L"Enable", enable))
        return enable != 0;
    if (machineProfile.Dword(L"Enable", enable))
        return enable != 0;
    return true;
}

std::wstring DisplayName(const CReadKey& profile) {
    std::wstring name = profile.IndirectString(L"Display Description");
    return name.empty() ? profile.String(L"Description") : name;
}

} // namespace

TextServiceCount FindKeyboardTextServices(HKEY machineTips, HKEY userTips, uint16_t language) {
    TextServiceCount found;
    CReadKey tips(machineTips, L"");
    for (const std::wstring& clsid : tips.SubkeyNames()) {
        if (!CReadKey(machineTips, clsid + L"\\" + kKeyboardCategory))
            continue;
        std::wstring profiles = clsid + L"\\LanguageProfile\\" + LanguageKey(language);
        CReadKey machineProfiles(machineTips, profiles);
        for (const std::wstring& guid : machineProfiles.SubkeyNames()) {
            CReadKey machineProfile(machineProfiles, guid);
            CReadKey userProfile(userTips, profiles + L"\\" + guid);
            std::wstring name = DisplayName(machineProfile);
            if (name.empty() || !Enabled(machineProfile, userProfile))
                continue;
            if (found.count++ == 0)
                found.firstName = name;
        }
    }
    return found;
}

TextServiceCount FindRegisteredKeyboardTextServices(uint16_t language) {
    const wchar_t tipPath[] = L"SOFTWARE\\Microsoft\\CTF\\TIP";
    CReadKey machine(HKEY_LOCAL_MACHINE, tipPath);
    if (!machine)
        return {};
    CReadKey user(HKEY_CURRENT_USER, tipPath);
    return FindKeyboardTextServices(machine, user, language);
}
