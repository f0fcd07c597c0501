// The most recently used files, kept in the profile and shown in the file menu.
#pragma once

#include "CommandTarget.h"
#include "Profile.h"

#include <string>
#include <vector>

class CRecentFileList {
public:
    CRecentFileList(const CProfile& profile, size_t capacity) : m_profile(profile), m_capacity(capacity) {}

    void Read();
    void Write() const;
    void Add(const std::wstring& path);
    void Remove(size_t index);
    size_t Size() const { return m_files.size(); }
    const std::wstring& operator[](size_t index) const { return m_files[index]; }

    // Replaces the menu's recent-file items, starting at the item the update is for.
    void UpdateMenu(CMenuCommandUI& ui) const;

private:
    const CProfile& m_profile;
    size_t m_capacity;
    std::vector<std::wstring> m_files;
};
