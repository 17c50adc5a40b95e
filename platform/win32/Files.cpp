// Reading and writing files for the Services default implementation (Windows).
//
// Writing never destroys what was there: a file on disk is written to a temporary file beside
// it and moved over it (MoveFileExW with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
// only after every byte reached the disk. A device or a pipe cannot be replaced and is written
// in place.
#include <string>
#include <string_view>

#include "platform/FileReading.h"
#include "platform/Services.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace mirel {
namespace {

using win32::Widen;

// Closes a file handle when it goes out of scope.
class Handle {
  public:
    explicit Handle(HANDLE h) : m_h(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool Valid() const { return m_h != INVALID_HANDLE_VALUE && m_h != nullptr; }
    HANDLE Get() const { return m_h; }
    bool Close() {
        if (!Valid())
            return true;
        const bool ok = ::CloseHandle(m_h) != FALSE;
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

  private:
    HANDLE m_h;
};

bool WriteAll(HANDLE h, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk =
            bytes.size() - done > 1u << 20 ? 1u << 20 : static_cast<DWORD>(bytes.size() - done);
        DWORD written = 0;
        if (::WriteFile(h, bytes.data() + done, chunk, &written, nullptr) == FALSE || written == 0)
            return false;
        done += written;
    }
    return true;
}

std::wstring FullPath(const std::wstring& path) {
    const DWORD n = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full(n, L'\0');
    const DWORD got = ::GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(got < n ? got : 0);
    return full.empty() ? path : full;
}

std::wstring FolderOf(const std::wstring& full) {
    const std::size_t slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring(L".") : full.substr(0, slash + 1);
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

} // namespace

void KeepWriteSignalsHarmless() {
    // Windows has no SIGPIPE or SIGXFSZ: a failed write already returns an error.
}

WriteStatus Services::WriteFile(const std::string& path, const std::string& bytes) {
    const std::wstring target = FullPath(Widen(path));
    // What is there now, asked of the open handle: a device (Wine shows /dev/null and /dev/full
    // as devices that have no file attributes) must never be replaced by a file.
    Handle probe(::CreateFileW(target.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (probe.Valid()) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (::GetFileInformationByHandle(probe.Get(), &info) != FALSE &&
            (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return WriteStatus::OpenFailed;
        const DWORD type = ::GetFileType(probe.Get());
        probe.Close();
        if (type != FILE_TYPE_DISK) {
            Handle device(
                ::CreateFileW(target.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr));
            if (!device.Valid())
                return WriteStatus::OpenFailed;
            const bool ok = WriteAll(device.Get(), bytes);
            return device.Close() && ok ? WriteStatus::Ok : WriteStatus::CloseFailed;
        }
    } else if (const DWORD error = ::GetLastError(); error != ERROR_FILE_NOT_FOUND) {
        // Only a file that is not there yet is created; anything else that cannot be opened
        // (no such folder, no access) is not written.
        return WriteStatus::OpenFailed;
    }
    wchar_t temp[MAX_PATH + 1] = {};
    if (::GetTempFileNameW(FolderOf(target).c_str(), L"mrl", 0, temp) == 0)
        return WriteStatus::OpenFailed;
    Handle file(
        ::CreateFileW(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        ::DeleteFileW(temp);
        return WriteStatus::OpenFailed;
    }
    bool ok = WriteAll(file.Get(), bytes);
    ok = ::FlushFileBuffers(file.Get()) != FALSE && ok;
    ok = file.Close() && ok;
    ok = ok &&
         ::MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok) {
        ::DeleteFileW(temp);
        return WriteStatus::CloseFailed;
    }
    return WriteStatus::Ok;
}

ReadResult::Status Services::ReadFileInPieces(const std::string& path, std::size_t maxBytes,
                                              PieceSink& sink) {
    const std::wstring wide = Widen(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                   ? ReadResult::Status::Missing
                   : ReadResult::Status::Unreadable;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return ReadResult::Status::IsFolder;
    Handle file(::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return ReadResult::Status::Unreadable;
    LARGE_INTEGER size{};
    std::size_t known = 0;
    if (::GetFileType(file.Get()) == FILE_TYPE_DISK && ::GetFileSizeEx(file.Get(), &size) != FALSE) {
        if (static_cast<unsigned long long>(size.QuadPart) > maxBytes)
            return ReadResult::Status::TooLarge;
        known = static_cast<std::size_t>(size.QuadPart);
    }
    sink.Begin(known);
    return FeedPieces(sink, maxBytes, [&file](char* buffer, std::size_t room) -> long long {
        DWORD n = 0;
        if (::ReadFile(file.Get(), buffer, static_cast<DWORD>(room), &n, nullptr) == FALSE) {
            const DWORD error = ::GetLastError();
            return error == ERROR_BROKEN_PIPE || error == ERROR_HANDLE_EOF ? 0
                                                                           : -1; // the end of a pipe's data
        }
        return n;
    });
}

} // namespace mirel
