// The message boxes by which the editor tells what an engine exchange reports.
#include "EngineAlertBox.h"

#include "ResourceText.h"

#include <string>

void CEngineAlertBox::OnOutOfMemory(const char* message) {
    // The exchange's texts are Shift-JIS whatever the system's code page.
    int length = ::MultiByteToWideChar(932, 0, message, -1, nullptr, 0);
    std::wstring text(length > 0 ? size_t(length) : 1, L'\0');
    if (length > 0)
        ::MultiByteToWideChar(932, 0, message, -1, &text[0], length);
    text.resize(text.size() - 1);
    ShowMessageBox(m_hOwner, text, MB_OK | MB_ICONHAND);
}
