// The application's framework profile: values under HKEY_CURRENT_USER\Software\<key>\<profile>.
#include "Profile.h"

#include "RegistryKey.h"

#include <vector>

std::wstring CProfile::SectionPath(const wchar_t* section) const {
    return L"Software\\" + m_registryKey + L"\\" + m_profileName + L"\\" + section;
}

UINT CProfile::GetInt(const wchar_t* section, const wchar_t* entry, UINT defaultValue) const {
    CRegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, SectionPath(section), KEY_READ))
        return defaultValue;
    DWORD value = 0, type = 0, size = sizeof value;
    if (::RegQueryValueExW(key, entry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return defaultValue;
    return value;
}

std::wstring CProfile::GetString(const wchar_t* section, const wchar_t* entry, const wchar_t* defaultValue) const {
    CRegistryKey key;
    std::wstring value;
    if (!key.Open(HKEY_CURRENT_USER, SectionPath(section), KEY_READ) || !key.QueryString(entry, value))
        return defaultValue ? defaultValue : L"";
    return value;
}

bool CProfile::WriteInt(const wchar_t* section, const wchar_t* entry, UINT value) const {
    CRegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section)))
        return false;
    DWORD dword = value;
    return ::RegSetValueExW(key, entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword) ==
           ERROR_SUCCESS;
}

bool CProfile::WriteString(const wchar_t* section, const wchar_t* entry, const wchar_t* value) const {
    if (!entry) {
        std::wstring parent = L"Software\\" + m_registryKey + L"\\" + m_profileName;
        return ::RegDeleteTreeW(HKEY_CURRENT_USER, (parent + L"\\" + section).c_str()) == ERROR_SUCCESS;
    }
    CRegistryKey key;
    if (!key.Create(HKEY_CURRENT_USER, SectionPath(section)))
        return false;
    if (!value)
        return ::RegDeleteValueW(key, entry) == ERROR_SUCCESS;
    DWORD bytes = DWORD((wcslen(value) + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key, entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes) == ERROR_SUCCESS;
}
