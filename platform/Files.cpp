// Reading and writing whole files for the Services default implementation (POSIX).
//
// Writing never destroys what was there: a regular file is written to a temporary file beside
// it and renamed over it only after every byte reached the disk. A device or a pipe cannot be
// replaced and is written in place. A symbolic link is followed, so the link stays and its file
// gets the new content. Opening never waits for the other end of a pipe.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
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

ReadResult::Status Services::ReadFileInPieces(const std::string& path, std::size_t maxBytes,
                                              PieceSink& sink) {
    const int fd = OpenNoWait(path, O_RDONLY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadResult::Status::Missing
                                                   : ReadResult::Status::Unreadable;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? ReadResult::Status::IsFolder : ReadResult::Status::Unreadable;
    }
    if (S_ISREG(st.st_mode) && static_cast<unsigned long long>(st.st_size) > maxBytes) {
        ::close(fd);
        return ReadResult::Status::TooLarge;
    }
    sink.Begin(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0);
    // One buffer that stays in the cache; the sink converts each piece from it.
    constexpr std::size_t kBuffer = std::size_t{256} << 10;
    const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    std::size_t kept = 0;  // bytes the sink left at the buffer's front
    std::size_t total = 0; // bytes read so far
    for (;;) {
        const ssize_t n = ::read(fd, buffer.get() + kept, kBuffer - kept);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return ReadResult::Status::Unreadable;
        }
        total += static_cast<std::size_t>(n);
        // A file that grows while it is read, or a device without end, stops at the limit.
        if (total > maxBytes) {
            ::close(fd);
            return ReadResult::Status::TooLarge;
        }
        const std::size_t held = kept + static_cast<std::size_t>(n);
        const bool last = n == 0;
        const std::size_t taken = std::min(sink.Take(std::string_view(buffer.get(), held), last), held);
        if (last)
            break;
        kept = held - taken;
        std::memmove(buffer.get(), buffer.get() + taken, kept);
        if (kept == kBuffer) { // a sink must take something from a full buffer
            ::close(fd);
            return ReadResult::Status::Unreadable;
        }
    }
    ::close(fd);
    return ReadResult::Status::Ok;
}

ReadResult Services::ReadFile(const std::string& path, std::size_t maxBytes) {
    struct Whole : PieceSink {
        std::string bytes;
        void Begin(std::size_t size) override { bytes.reserve(size); }
        std::size_t Take(std::string_view piece, bool /*last*/) override {
            bytes.append(piece);
            return piece.size();
        }
    } whole;
    ReadResult result;
    result.status = ReadFileInPieces(path, maxBytes, whole);
    if (result.status == ReadResult::Status::Ok)
        result.bytes = std::move(whole.bytes);
    return result;
}

} // namespace mirel
