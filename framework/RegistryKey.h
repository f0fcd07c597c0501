// An open registry key, closed when it goes out of scope.
#pragma once

#include <windows.h>

#include <string>

class CRegistryKey {
public:
    CRegistryKey() = default;
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;
    ~CRegistryKey() { Close(); }

    bool Open(HKEY parent, const std::wstring& path, REGSAM access);
    bool Create(HKEY parent, const std::wstring& path, REGSAM access = KEY_READ | KEY_WRITE);
    void Close();
    bool QueryString(const wchar_t* name, std::wstring& value) const;

    operator HKEY() const { return m_key; }

private:
    HKEY m_key = nullptr;
};
