// The framework's message for a file that could not be opened or saved.
#include "FileErrors.h"

#include "FrameworkIds.h"
#include "ResourceText.h"

std::wstring FileErrorMessage(DWORD error, const std::wstring& path) {
    UINT id = IDS_FILE_ERROR;
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        id = IDS_FILE_NOT_FOUND;
        break;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_DRIVE:
        id = IDS_FILE_BAD_PATH;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        id = IDS_FILE_ACCESS_DENIED;
        break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        id = IDS_FILE_SHARING;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        id = IDS_FILE_DISK_FULL;
        break;
    default:
        break;
    }
    return FormatResourceString(id, path);
}
