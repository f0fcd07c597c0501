// The About box: product name, version and the application icon.
#include "AboutDialog.h"

#include "resource.h"

#include <string>
#include <vector>

namespace {
// "1.0.0" from the program's own version resource, so the box never disagrees with the file.
std::wstring ProgramVersion() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeW(path, &handle);
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!size || !::GetFileVersionInfoW(path, 0, size, data.data()) ||
        !::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info)
        return std::wstring();
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}
} // namespace

CAboutDialog::CAboutDialog(HWND parent) : CDialog(IDD_ABOUTBOX, parent) {}

bool CAboutDialog::OnInitDialog() {
    std::wstring text = L"Version " + ProgramVersion();
    ::SetDlgItemTextW(m_hWnd, IDC_ABOUT_VERSION, text.c_str());
    return true;
}
