// Reading and writing whole files for the Services default implementation (POSIX).
//
// Writing never destroys what was there: a regular file is written to a temporary file beside
// it and renamed over it only after every byte reached the disk. A device or a pipe cannot be
// replaced and is written in place. A symbolic link is followed, so the link stays and its file
// gets the new content. Opening never waits for the other end of a pipe.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

// Opened without waiting for a pipe's other end, then switched back to blocking transfers.
int OpenNoWait(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        const int fl = ::fcntl(fd, F_GETFL);
        if (fl != -1)
            ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    }
    return fd;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file they name, so the link itself stays in place; nothing for
// a loop of links.
std::optional<std::string> ResolveLinks(const std::string& path) {
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
        if (!target.empty() && target[0] == '/') {
            current = std::move(target);
        } else {
            std::string next = FolderOf(current);
            next += '/';
            next += target;
            current = std::move(next);
        }
    }
    return std::nullopt;
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

WriteStatus Services::WriteFile(const std::string& path, const std::string& bytes) {
    const std::optional<std::string> resolved = ResolveLinks(path);
    if (!resolved)
        return WriteStatus::OpenFailed;
    const std::string& target = *resolved;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode))
        return WriteStatus::OpenFailed;
    if (exists && !S_ISREG(st.st_mode)) {
        // A device or a pipe is written in place; it cannot be replaced.
        const int fd = OpenNoWait(target, O_WRONLY | O_TRUNC);
        if (fd < 0)
            return WriteStatus::OpenFailed;
        const bool ok = WriteAll(fd, bytes);
        const bool closed = ::close(fd) == 0;
        return ok && closed ? WriteStatus::Ok : WriteStatus::CloseFailed;
    }
    // A regular file is written beside the target and renamed over it, so that a failure
    // leaves an earlier file untouched. The new file keeps the old one's mode and owner.
    const std::string folder = FolderOf(target);
    std::string temp = folder + "/.mirel-XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return WriteStatus::OpenFailed;
    if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            // Only root may give a file away; anyone else's new file is simply their own.
        }
    } else {
        ::fchmod(fd, NewFileMode());
    }
    bool ok = WriteAll(fd, bytes);
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return WriteStatus::CloseFailed;
    }
    // Makes the rename itself durable; a folder that cannot be synced changes nothing above.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return WriteStatus::Ok;
}

ReadResult Services::ReadFile(const std::string& path, std::size_t maxBytes) {
    ReadResult result;
    const int fd = OpenNoWait(path, O_RDONLY);
    if (fd < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? ReadResult::Status::Missing
                                                            : ReadResult::Status::Unreadable;
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        result.status = S_ISDIR(st.st_mode) ? ReadResult::Status::IsFolder : ReadResult::Status::Unreadable;
        ::close(fd);
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
        // A file that grows while it is read, or a device without end, stops at the limit.
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
