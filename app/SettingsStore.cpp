// A settings store: values below software\<company>\<edition>\<application>\<section> of one
// registry root, or in an INI file when the company name is empty.
#include "SettingsStore.h"

#include "BinaryLetters.h"

#include <cstdlib>

namespace {

// Closes the keys opened on the way down, newest first.
class CKeyChain {
public:
    ~CKeyChain() {
        for (auto it = m_keys.rbegin(); it != m_keys.rend(); ++it)
            ::RegCloseKey(*it);
    }
    HKEY Last() const { return m_keys.empty() ? nullptr : m_keys.back(); }
    void Push(HKEY key) { m_keys.push_back(key); }

private:
    std::vector<HKEY> m_keys;
};

const int kIniStringBuffer = 4096;

} // namespace

CSettingsStore::CSettingsStore(HKEY root, std::string company, std::string edition, std::string application,
                               bool readOnly, const CSettingsStore* fallback)
    : m_root(root), m_company(std::move(company)), m_edition(std::move(edition)),
      m_application(std::move(application)), m_readOnly(readOnly), m_fallback(fallback) {}

CSettingsStore CSettingsStore::IniFile(const std::string& iniPath) {
    return CSettingsStore(nullptr, std::string(), iniPath, std::string(), false);
}

HKEY CSettingsStore::OpenApplication() const {
    REGSAM access = m_readOnly ? KEY_READ : (KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE);
    CKeyChain chain;
    HKEY software = nullptr;
    if (::RegOpenKeyExA(m_root, "software", 0, access, &software) != ERROR_SUCCESS)
        return nullptr;
    chain.Push(software);
    for (const std::string* part : {&m_company, &m_edition, &m_application}) {
        if (part->empty())
            continue;
        HKEY next = nullptr;
        if (::RegCreateKeyExA(chain.Last(), part->c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                              &next, nullptr) != ERROR_SUCCESS)
            return nullptr;
        chain.Push(next);
    }
    // Hand out a handle of its own, so that the chain can close every key it opened.
    HKEY application = nullptr;
    if (::RegOpenKeyExA(chain.Last(), nullptr, 0, access, &application) != ERROR_SUCCESS)
        return nullptr;
    return application;
}

HKEY CSettingsStore::OpenSection(const char* section) const {
    HKEY application = OpenApplication();
    if (!application)
        return nullptr;
    REGSAM access = m_readOnly ? KEY_READ : (KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE);
    HKEY key = nullptr;
    LONG result = ::RegCreateKeyExA(application, section, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                    &key, nullptr);
    ::RegCloseKey(application);
    return result == ERROR_SUCCESS ? key : nullptr;
}

int CSettingsStore::GetInt(const char* section, const char* name, int defaultValue) const {
    if (IsIni())
        return int(::GetPrivateProfileIntA(section, name, defaultValue, m_edition.c_str()));
    DWORD type = 0;
    auto raw = QueryRaw(section, name, type);
    if (raw && type == REG_DWORD && raw->size() == 4)
        return int(uint32_t((*raw)[0]) | uint32_t((*raw)[1]) << 8 | uint32_t((*raw)[2]) << 16 |
                   uint32_t((*raw)[3]) << 24);
    return m_fallback ? m_fallback->GetInt(section, name, defaultValue) : defaultValue;
}

std::string CSettingsStore::GetString(const char* section, const char* name, const char* defaultValue) const {
    const char* fallbackText = defaultValue ? defaultValue : "";
    if (IsIni()) {
        std::vector<char> buffer(kIniStringBuffer, '\0');
        ::GetPrivateProfileStringA(section, name, fallbackText, buffer.data(), kIniStringBuffer, m_edition.c_str());
        return buffer.data();
    }
    DWORD type = 0;
    auto raw = QueryRaw(section, name, type);
    if (raw && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::string text(raw->begin(), raw->end());
        text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
        if (!text.empty() || !m_fallback)
            return text;
    }
    return m_fallback ? m_fallback->GetString(section, name, defaultValue) : fallbackText;
}

std::optional<std::vector<uint8_t>> CSettingsStore::GetBinary(const char* section, const char* name) const {
    if (IsIni()) {
        std::string letters = GetString(section, name);
        if (letters.empty())
            return std::nullopt;
        return DecodeBinaryLetters(letters);
    }
    DWORD type = 0;
    auto raw = QueryRaw(section, name, type);
    if (raw && type == REG_BINARY)
        return raw;
    return m_fallback ? m_fallback->GetBinary(section, name) : std::nullopt;
}

bool CSettingsStore::WriteInt(const char* section, const char* name, int value) const {
    if (m_readOnly)
        return false;
    if (IsIni())
        return ::WritePrivateProfileStringA(section, name, std::to_string(value).c_str(), m_edition.c_str()) != 0;
    HKEY key = OpenSection(section);
    if (!key)
        return false;
    DWORD dword = DWORD(value);
    LONG result = ::RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CSettingsStore::WriteString(const char* section, const char* name, const char* text) const {
    if (m_readOnly)
        return false;
    if (IsIni())
        return ::WritePrivateProfileStringA(section, name, text, m_edition.c_str()) != 0;
    if (!name) {
        HKEY application = OpenApplication();
        if (!application)
            return false;
        LONG result = ::RegDeleteKeyA(application, section);
        ::RegCloseKey(application);
        return result == ERROR_SUCCESS;
    }
    HKEY key = OpenSection(section);
    if (!key)
        return false;
    LONG result = text ? ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                          DWORD(strlen(text) + 1))
                       : ::RegDeleteValueA(key, name);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CSettingsStore::WriteBinary(const char* section, const char* name, const void* bytes, size_t count) const {
    if (m_readOnly)
        return false;
    if (IsIni()) {
        std::string letters = EncodeBinaryLetters(static_cast<const uint8_t*>(bytes), count);
        return ::WritePrivateProfileStringA(section, name, letters.c_str(), m_edition.c_str()) != 0;
    }
    HKEY key = OpenSection(section);
    if (!key)
        return false;
    LONG result = ::RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(bytes), DWORD(count));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

bool CSettingsStore::Exists(const char* section, const char* name) const {
    if (IsIni()) {
        // A default no real value can have tells a missing value apart.
        const char kMissing[] = "\x01\x02missing";
        char buffer[260] = {};
        ::GetPrivateProfileStringA(section, name, kMissing, buffer, sizeof buffer, m_edition.c_str());
        return strcmp(buffer, kMissing) != 0;
    }
    HKEY key = OpenSection(section);
    if (!key)
        return false;
    BYTE buffer[260];
    DWORD size = sizeof buffer;
    LONG result = ::RegQueryValueExA(key, name, nullptr, nullptr, buffer, &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::optional<std::vector<uint8_t>> CSettingsStore::QueryRaw(const char* section, const char* name,
                                                             DWORD& type) const {
    HKEY key = OpenSection(section);
    if (!key)
        return std::nullopt;
    std::optional<std::vector<uint8_t>> value;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<uint8_t> bytes(size);
        if (::RegQueryValueExA(key, name, nullptr, &type, bytes.data(), &size) == ERROR_SUCCESS) {
            bytes.resize(size);
            value = std::move(bytes);
        }
    }
    ::RegCloseKey(key);
    return value;
}

int CSettingsStore::GetInt(SettingKey key) const {
    const SettingKeyInfo& info = KeyInfo(key);
    return GetInt(info.section, info.name, info.intDefault);
}

std::string CSettingsStore::GetString(SettingKey key) const {
    const SettingKeyInfo& info = KeyInfo(key);
    return GetString(info.section, info.name, info.stringDefault);
}

bool CSettingsStore::WriteInt(SettingKey key, int value) const {
    const SettingKeyInfo& info = KeyInfo(key);
    return WriteInt(info.section, info.name, value);
}

bool CSettingsStore::WriteString(SettingKey key, const std::string& text) const {
    const SettingKeyInfo& info = KeyInfo(key);
    return WriteString(info.section, info.name, text.c_str());
}
