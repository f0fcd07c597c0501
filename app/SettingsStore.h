// A settings store: values below software\<company>\<edition>\<application>\<section> of one
// registry root, or in an INI file when the company name is empty. Every access opens and closes
// its own keys; no handle is kept.
#pragma once

#include "SettingsKeys.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CSettingsStore {
public:
    // fallback answers reads whose value is missing here (the machine store behind the user store).
    CSettingsStore(HKEY root, std::string company, std::string edition, std::string application, bool readOnly,
                   const CSettingsStore* fallback = nullptr);

    // INI form: the values live in the file at iniPath.
    static CSettingsStore IniFile(const std::string& iniPath);

    int GetInt(const char* section, const char* name, int defaultValue) const;
    // An empty string counts as missing when there is a fallback. A null default means "".
    std::string GetString(const char* section, const char* name, const char* defaultValue = nullptr) const;
    std::optional<std::vector<uint8_t>> GetBinary(const char* section, const char* name) const;
    bool WriteInt(const char* section, const char* name, int value) const;
    // A null name deletes the whole section; a null text deletes the value.
    bool WriteString(const char* section, const char* name, const char* text) const;
    bool WriteBinary(const char* section, const char* name, const void* bytes, size_t count) const;
    // True when the value can be read into a 260-byte buffer.
    bool Exists(const char* section, const char* name) const;

    // The same through the key table, with the table's default.
    int GetInt(SettingKey key) const;
    std::string GetString(SettingKey key) const;
    bool WriteInt(SettingKey key, int value) const;
    bool WriteString(SettingKey key, const std::string& text) const;

private:
    bool IsIni() const { return m_company.empty(); }
    // Opens the section key (creating the keys on the way); null on failure.
    HKEY OpenSection(const char* section) const;
    HKEY OpenApplication() const;
    std::optional<std::vector<uint8_t>> QueryRaw(const char* section, const char* name, DWORD& type) const;

    HKEY m_root;
    std::string m_company;
    std::string m_edition;  // the INI file's path in INI form
    std::string m_application;
    bool m_readOnly;
    const CSettingsStore* m_fallback;
};
