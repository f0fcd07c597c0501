// The Save As dialog: the system's dialog with the save-code panel.
#pragma once

#include "FileDialog.h"
#include "SaveAsChoices.h"

class CSaveAsDialog : public CFileDialog {
public:
    // fileType is the filter shown first (0 shows the first); code the values the list starts from.
    CSaveAsDialog(HWND owner, const std::wstring& title, const std::wstring& name, const std::wstring& folder,
                  int fileType, int chineseScript, const SaveCode& code);

    // The chosen path with the type's extension.
    const std::wstring& ChosenPath() const { return m_chosenPath; }
    int FileType() const { return int(FilterIndex()); }
    // The type shown when the dialog closed, also after Cancel; 0 when the type was never changed.
    int LastTypeShown() const { return m_typeChanged ? int(FilterIndex()) : 0; }
    const SaveCode& Code() const { return m_code; }

protected:
    void OnInitPanel() override;
    void OnTypeChange(DWORD filterIndex) override;
    bool OnFileOk(const std::wstring& path) override;

private:
    void FillCodeList(int fileType);

    int m_chineseScript;
    SaveCode m_code;
    std::wstring m_chosenPath;
    bool m_typeChanged = false;
};
