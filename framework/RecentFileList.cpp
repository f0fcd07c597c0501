// The most recently used files, kept in the profile and shown in the file menu.
#include "RecentFileList.h"

#include "FrameworkIds.h"
#include "ResourceText.h"

namespace {
const wchar_t kSection[] = L"Recent File List";

std::wstring EntryName(size_t index) { return L"File" + std::to_wstring(index + 1); }

bool SamePath(const std::wstring& a, const std::wstring& b) { return ::lstrcmpiW(a.c_str(), b.c_str()) == 0; }
} // namespace

void CRecentFileList::Read() {
    m_files.clear();
    for (size_t i = 0; i < m_capacity; ++i) {
        std::wstring path = m_profile.GetString(kSection, EntryName(i).c_str());
        if (!path.empty())
            m_files.push_back(path);
    }
}

void CRecentFileList::Write() const {
    for (size_t i = 0; i < m_capacity; ++i)
        m_profile.WriteString(kSection, EntryName(i).c_str(), i < m_files.size() ? m_files[i].c_str() : nullptr);
}

void CRecentFileList::Add(const std::wstring& path) {
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (SamePath(m_files[i], path)) {
            m_files.erase(m_files.begin() + long(i));
            break;
        }
    }
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_capacity)
        m_files.resize(m_capacity);
}

void CRecentFileList::Remove(size_t index) {
    if (index < m_files.size())
        m_files.erase(m_files.begin() + long(index));
}

void CRecentFileList::UpdateMenu(CMenuCommandUI& ui) const {
    HMENU menu = ui.Menu();
    UINT index = ui.Index();
    for (UINT id = ID_FILE_MRU_FILE1; id < ID_FILE_MRU_FILE1 + m_capacity; ++id)
        ::DeleteMenu(menu, id, MF_BYCOMMAND);
    if (m_files.empty()) {
        std::wstring none = LoadResourceString(IDS_RECENT_FILE_NONE);
        ::InsertMenuW(menu, index, MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1, none.c_str());
        return;
    }
    for (size_t i = 0; i < m_files.size(); ++i) {
        std::wstring text = L"&" + std::to_wstring(i + 1) + L" ";
        for (wchar_t c : m_files[i])
            text += (c == L'&') ? std::wstring(L"&&") : std::wstring(1, c);
        ::InsertMenuW(menu, index + UINT(i), MF_BYPOSITION | MF_STRING, ID_FILE_MRU_FILE1 + i, text.c_str());
    }
}
