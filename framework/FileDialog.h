// The system's open or save dialog with an extra panel of our own below its controls.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

class CFileDialog {
public:
    // panelTemplate is a child dialog resource of the module; 0 for none.
    CFileDialog(bool open, HWND owner, UINT panelTemplate);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;
    virtual ~CFileDialog() = default;

    // Filters as pairs of description and pattern, in order; the index counts from 1.
    void AddFilter(const std::wstring& description, const std::wstring& pattern);
    void SetTitle(const std::wstring& title) { m_title = title; }
    void SetFileName(const std::wstring& name) { m_fileName = name; }
    void SetInitialFolder(const std::wstring& folder) { m_initialFolder = folder; }
    void SetFilterIndex(DWORD index) { m_filterIndex = index; }
    void SetFlags(DWORD flags) { m_flags = flags; }

    // False on Cancel or error. The process's current directory is the same afterwards.
    bool DoModal();

    const std::wstring& Path() const { return m_path; }
    DWORD FilterIndex() const { return m_filterIndex; }
    // The folder the dialog showed last, also after Cancel.
    const std::wstring& LastFolder() const { return m_lastFolder; }

protected:
    virtual void OnInitPanel() {}
    virtual void OnPanelCommand(int id, int code) { (void)id, (void)code; }
    virtual void OnTypeChange(DWORD filterIndex) { (void)filterIndex; }
    // The user chose path; false keeps the dialog open.
    virtual bool OnFileOk(const std::wstring& path) { (void)path; return true; }

    HWND Panel() const { return m_panel; }
    HWND PanelItem(int id) const { return ::GetDlgItem(m_panel, id); }
    // The system dialog around the panel.
    HWND Dialog() const { return ::GetParent(m_panel); }
    // The file name as typed, without the folder.
    std::wstring TypedName() const;
    void SetTypedName(const std::wstring& name) const;

private:
    static UINT_PTR CALLBACK Hook(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);
    UINT_PTR OnHookMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void NoteFolder();

    bool m_open;
    HWND m_owner;
    UINT m_panelTemplate;
    HWND m_panel = nullptr;
    std::wstring m_filters;
    std::wstring m_title;
    std::wstring m_fileName;
    std::wstring m_initialFolder;
    std::wstring m_path;
    std::wstring m_lastFolder;
    DWORD m_filterIndex = 1;
    DWORD m_flags = 0;
};
