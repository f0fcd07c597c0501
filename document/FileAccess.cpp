// Reading a whole file and writing one so that a failure never damages the file already there.
#include "FileAccess.h"

#include <new>

FileReadResult ReadWholeFile(const std::wstring& path, FileBytes& bytes, DWORD& error) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = ::GetLastError();
        return FileReadResult::Failed;
    }
    FileReadResult result = FileReadResult::Read;
    LARGE_INTEGER size = {};
    if (!::GetFileSizeEx(file, &size)) {
        error = ::GetLastError();
        result = FileReadResult::Failed;
    } else if (size.QuadPart >= (LONGLONG(1) << 31)) {
        result = FileReadResult::OutOfMemory;
    } else {
        try {
            bytes.resize(size_t(size.QuadPart));
        } catch (const std::bad_alloc&) {
            result = FileReadResult::OutOfMemory;
        }
        DWORD read = 0;
        if (result == FileReadResult::Read && !bytes.empty() &&
            !(::ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size())) {
            DWORD last = ::GetLastError();
            error = last ? last : ERROR_READ_FAULT;
            result = FileReadResult::Failed;
        }
    }
    ::CloseHandle(file);
    return result;
}

namespace {

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash + 1);
}

} // namespace

bool WriteWholeFile(const std::wstring& path, const FileBytes& bytes, DWORD& error) {
    wchar_t temporary[MAX_PATH] = {};
    if (!::GetTempFileNameW(FolderOf(path).c_str(), L"twn", 0, temporary)) {
        error = ::GetLastError();
        return false;
    }
    HANDLE file = ::CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = ::GetLastError();
        ::DeleteFileW(temporary);
        return false;
    }
    DWORD written = 0;
    bool ok = bytes.empty() || (::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) &&
                                written == bytes.size());
    if (ok && !::FlushFileBuffers(file))
        ok = false;
    if (!ok) {
        DWORD last = ::GetLastError();
        error = last ? last : ERROR_DISK_FULL;
    }
    ::CloseHandle(file);
    if (ok && !::MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
        ok = false;
    }
    if (!ok)
        ::DeleteFileW(temporary);
    return ok;
}
