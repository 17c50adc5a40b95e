// Reading and writing whole files for the Services default implementation (POSIX).
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Services.h"

namespace mirel {
namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file they name, so the link itself stays in place.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096), '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return current;
        target.resize(static_cast<std::size_t>(n));
        current = (!target.empty() && target[0] == '/') ? target : FolderOf(current) + "/" + target;
    }
    return current;
}

} // namespace

WriteStatus Services::WriteFile(const std::string& path, const std::string& bytes) {
    const std::string target = ResolveLinks(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return WriteStatus::OpenFailed;
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or a pipe is written in place; it cannot be replaced.
        const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return WriteStatus::OpenFailed;
        const bool ok = WriteAll(fd, bytes);
        const bool closed = ::close(fd) == 0;
        return ok && closed ? WriteStatus::Ok : WriteStatus::CloseFailed;
    }
    // A regular file is written beside the target and renamed over it, so that a failure
    // leaves an earlier file untouched.
    std::string temp = FolderOf(target) + "/.mirel-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return WriteStatus::OpenFailed;
    ::fchmod(fd, exists ? (st.st_mode & 07777) : 0644);
    bool ok = WriteAll(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return WriteStatus::CloseFailed;
    }
    return WriteStatus::Ok;
}

ReadResult Services::ReadFile(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        result.status = errno == EACCES ? ReadResult::Status::Unreadable : ReadResult::Status::Missing;
        return result;
    }
    if (S_ISDIR(st.st_mode)) {
        result.status = ReadResult::Status::IsFolder;
        return result;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status = ReadResult::Status::Unreadable;
        return result;
    }
    if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        result.status = ReadResult::Status::TooLarge;
        return result;
    }
    if (S_ISREG(st.st_mode))
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            result.bytes.clear();
            result.status = ReadResult::Status::Unreadable;
            return result;
        }
        if (n == 0)
            break;
        if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
            ::close(fd);
            result.bytes.clear();
            result.status = ReadResult::Status::TooLarge;
            return result;
        }
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

} // namespace mirel
