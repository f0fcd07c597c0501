// The application's framework profile: values under HKEY_CURRENT_USER\Software\<key>\<profile>.
#pragma once

#include <windows.h>

#include <string>

class CProfile {
public:
    void SetRegistryKey(const std::wstring& key) { m_registryKey = key; }
    void SetProfileName(const std::wstring& name) { m_profileName = name; }
    const std::wstring& RegistryKey() const { return m_registryKey; }
    const std::wstring& ProfileName() const { return m_profileName; }

    UINT GetInt(const wchar_t* section, const wchar_t* entry, UINT defaultValue) const;
    std::wstring GetString(const wchar_t* section, const wchar_t* entry, const wchar_t* defaultValue = L"") const;
    bool WriteInt(const wchar_t* section, const wchar_t* entry, UINT value) const;
    // A null entry deletes the section; a null value deletes the entry.
    bool WriteString(const wchar_t* section, const wchar_t* entry, const wchar_t* value) const;

    // "Software\<key>\<profile>\<section>"
    std::wstring SectionPath(const wchar_t* section) const;

private:
    std::wstring m_registryKey;
    std::wstring m_profileName;
};
