// An open registry key, closed when it goes out of scope.
#include "RegistryKey.h"

#include <vector>

bool CRegistryKey::Open(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    return ::RegOpenKeyExW(parent, path.c_str(), 0, access, &m_key) == ERROR_SUCCESS;
}

bool CRegistryKey::Create(HKEY parent, const std::wstring& path, REGSAM access) {
    Close();
    return ::RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &m_key,
                             nullptr) == ERROR_SUCCESS;
}

void CRegistryKey::Close() {
    if (m_key) {
        ::RegCloseKey(m_key);
        m_key = nullptr;
    }
}

bool CRegistryKey::QueryString(const wchar_t* name, std::wstring& value) const {
    DWORD type = 0, size = 0;
    if (::RegQueryValueExW(m_key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (::RegQueryValueExW(m_key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    value.assign(buffer.data());
    return true;
}
