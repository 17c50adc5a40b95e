// Reading and writing whole files for the Services default implementation (POSIX).
//
// How a save writes its file:
//
// 1. The kernel opens the target for writing, as a plain open for writing does (O_WRONLY and
//    O_CREAT, without O_TRUNC), so every permission and link rule of the system applies:
//    fs.protected_symlinks, protected_regular and protected_fifos, read-only files, folders and
//    mounts, running programs. What it refuses is refused (WriteStatus::OpenFailed) and nothing
//    is changed. A name that did not exist is created empty (O_EXCL), and removed again when the
//    save fails after that.
// 2. A device or a pipe is written in place, and only when the chosen path names it itself or
//    through a link of the user's own (or of root): never through another user's link. A pipe's
//    reader must take every byte; one that goes away or stops reading fails the save.
// 3. A regular file: the new bytes are first written and synced to a temporary file, so that a
//    full disk or the file-size limit is found while the old content is still there. The
//    temporary file is a hidden `.mirel-XXXXXX` beside the file (the file the kernel opened, after
//    links). Then
//    - a file with one link whose owner, group and mode the temporary file can take: the
//      temporary file is renamed over it, and the folder is synced;
//    - otherwise (a second hard link, a folder where no file can be created, another user's
//      file, a refused rename): the file is written in place through the descriptor of step 1,
//      truncated only now. Its temporary file is unnamed (O_TMPFILE), beside it or else in the
//      system's temporary folder, and is gone with the save; none at all where neither works.
// 4. Before a save, leftover temporary files of this program in the file's folder are removed:
//    the user's own `.mirel-XXXXXX` files that no save holds. Each save locks its temporary file
//    right after creating it, so an unlocked one belongs to a save that ended abnormally (killed,
//    power gone), in this run or an earlier one. A file taken away in the moment between its
//    creation and its lock only makes that other save write in place (its rename fails).
//
// Opening never waits for the other end of a pipe.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/FileReading.h"
#include "platform/Services.h"

namespace mirel {
namespace {

// A pipe whose reader takes nothing for this long fails the save.
constexpr int kStallMs = 3000;

constexpr char kTempPrefix[] = ".mirel-";
constexpr std::size_t kTempRandom = 6;
constexpr char kTempChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

class Fd {
  public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd& operator=(Fd&& other) noexcept {
        Reset(std::exchange(other.m_fd, -1));
        return *this;
    }
    ~Fd() { Reset(); }
    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closes the descriptor; false when closing reported an error.
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }
    void Reset(int fd = -1) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

  private:
    int m_fd;
};

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void SetBlocking(int fd, bool blocking) {
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl != -1)
        ::fcntl(fd, F_SETFL, blocking ? fl & ~O_NONBLOCK : fl | O_NONBLOCK);
}

// Opened without waiting for a pipe's other end, then switched back to blocking transfers.
int OpenNoWait(const std::string& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd >= 0)
        SetBlocking(fd, true);
    return fd;
}

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

// Waits up to `ms` for room in a pipe; false when its reader went away or took nothing.
bool WaitForRoom(int fd, int ms) {
    pollfd p{fd, POLLOUT, 0};
    const int n = ::poll(&p, 1, ms);
    return n > 0 && (p.revents & POLLOUT) != 0 && (p.revents & POLLERR) == 0;
}

// A pipe, or a device, written without blocking: a reader that stops taking bytes for
// kStallMs fails the write instead of holding the program. For a pipe, the write has
// succeeded only when the reader took every byte out of it.
bool WriteToStream(int fd, const std::string& bytes, bool pipe) {
    SetBlocking(fd, false);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n >= 0) {
            done += static_cast<std::size_t>(n);
            continue;
        }
        // A full pipe waits for room; anything else fails, EPIPE when the reader went away.
        if (errno != EINTR && (errno != EAGAIN || !WaitForRoom(fd, kStallMs)))
            return false;
    }
    int left = 0;
    int waited = 0;
    while (pipe && ::ioctl(fd, FIONREAD, &left) == 0 && left > 0) {
        const int before = left;
        pollfd p{fd, 0, 0};
        ::poll(&p, 1, 10);
        if ((p.revents & POLLERR) != 0) // no reader any more: what is left is lost
            return ::ioctl(fd, FIONREAD, &left) == 0 && left == 0;
        waited = ::ioctl(fd, FIONREAD, &left) == 0 && left < before ? 0 : waited + 10;
        if (waited >= kStallMs)
            return false;
    }
    return true;
}

// Whether `path` names a device or pipe itself, or through a link of the user's own or of root;
// a link another user planted must not send the report into a device.
bool ChosenDirectly(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode) || st.st_uid == ::geteuid() ||
           st.st_uid == 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The folder that holds the file open as `fd`, and its name there, as the kernel found it after
// links; nothing when it cannot be told for sure (a name the file no longer has).
struct Place {
    Fd folder;
    bool listable = false; // opened for reading: it can be listed and synced
    std::string name;
};
std::optional<Place> PlaceOf(int fd, const std::string& path, const struct stat& st) {
    std::string real(4096, '\0');
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), real.data(), real.size());
    struct stat named {};
    if (n > 0 && real[0] == '/') {
        real.resize(static_cast<std::size_t>(n));
    } else if (::lstat(path.c_str(), &named) == 0 && !S_ISLNK(named.st_mode)) {
        real = path; // no /proc: the path itself, when it is no link
    } else {
        return std::nullopt;
    }
    Place place;
    const std::string folder = FolderOf(real);
    place.name = real.substr(real.rfind('/') + 1);
    place.folder.Reset(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    place.listable = place.folder.Valid();
    if (!place.listable)
        place.folder.Reset(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    // The name must still be the very file that was opened, in the very folder.
    if (!place.folder.Valid() || place.name.empty() ||
        ::fstatat(place.folder.Get(), place.name.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(named, st))
        return std::nullopt;
    return place;
}

bool IsTempName(const char* name) {
    const std::string s = name;
    if (s.size() != sizeof kTempPrefix - 1 + kTempRandom || s.rfind(kTempPrefix, 0) != 0)
        return false;
    return s.find_first_not_of(kTempChars, sizeof kTempPrefix - 1) == std::string::npos;
}

// Removes the user's temporary files that no save holds any more.
void RemoveLeftovers(const Place& place) {
    if (!place.listable)
        return;
    DIR* dir = ::fdopendir(::openat(place.folder.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir == nullptr)
        return;
    for (const dirent* entry = ::readdir(dir); entry != nullptr; entry = ::readdir(dir)) {
        if (!IsTempName(entry->d_name))
            continue;
        const Fd file(::openat(place.folder.Get(), entry->d_name,
                               O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st {};
        struct stat named {};
        if (file.Valid() && ::fstat(file.Get(), &st) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid() && ::flock(file.Get(), LOCK_EX | LOCK_NB) == 0 &&
            ::fstatat(place.folder.Get(), entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            SameFile(named, st))
            ::unlinkat(place.folder.Get(), entry->d_name, 0);
    }
    ::closedir(dir);
}

// A new `.mirel-XXXXXX` in the folder, locked while this save runs; nothing when the folder
// takes no new file.
std::optional<std::pair<Fd, std::string>> CreateTemp(const Place& place) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        unsigned char random[kTempRandom] = {};
        if (::getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
            return std::nullopt;
        std::string name = kTempPrefix;
        for (const unsigned char r : random)
            name += kTempChars[r % (sizeof kTempChars - 1)];
        Fd fd(::openat(place.folder.Get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                       0600));
        if (fd.Valid()) {
            ::flock(fd.Get(), LOCK_EX);
            return std::make_pair(std::move(fd), std::move(name));
        }
        if (errno != EEXIST)
            return std::nullopt;
    }
    return std::nullopt;
}

// An unnamed temporary file beside the target or else in the system's temporary folder.
Fd CreateUnnamedTemp(const std::optional<Place>& place) {
    if (place) {
        Fd fd(::openat(place->folder.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
        if (fd.Valid())
            return fd;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string folder = tmp != nullptr && *tmp == '/' ? tmp : "/tmp";
    return Fd(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
}

// Gives the temporary file the owner, group and mode of the file it replaces; false when that
// cannot be done (only root may give a file away).
bool TakeOver(int temp, const struct stat& st) {
    struct stat now {};
    if (::fstat(temp, &now) != 0)
        return false;
    if ((now.st_uid != st.st_uid || now.st_gid != st.st_gid) && ::fchown(temp, st.st_uid, st.st_gid) != 0)
        return false;
    return ::fchmod(temp, st.st_mode & 07777) == 0 && ::fstat(temp, &now) == 0 && now.st_uid == st.st_uid &&
           now.st_gid == st.st_gid && (now.st_mode & 07777) == (st.st_mode & 07777);
}

// Removes the empty file that this save created, after the save failed.
void RemoveCreated(const std::optional<Place>& place, const struct stat& st) {
    struct stat named {};
    if (place && ::fstatat(place->folder.Get(), place->name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(named, st))
        ::unlinkat(place->folder.Get(), place->name.c_str(), 0);
}

// Writes the regular file open as `target` (steps 3 and 4 of the rule above); `created` when this
// save made it.
bool WriteRegular(Fd& target, const std::string& path, const struct stat& st, const std::string& bytes,
                  bool created) {
    const std::optional<Place> place = PlaceOf(target.Get(), path, st);
    if (place)
        RemoveLeftovers(*place);
    std::optional<std::pair<Fd, std::string>> named;
    if (place)
        named = CreateTemp(*place);
    Fd unnamed = named ? Fd() : CreateUnnamedTemp(place);
    Fd& temp = named ? named->first : unnamed;
    const auto dropTemp = [&] {
        if (place && named)
            ::unlinkat(place->folder.Get(), named->second.c_str(), 0);
        temp.Reset();
    };
    if (temp.Valid() && (!WriteAll(temp.Get(), bytes) || ::fsync(temp.Get()) != 0)) {
        dropTemp();
        if (created)
            RemoveCreated(place, st);
        return false;
    }
    if (place && named && st.st_nlink == 1 && TakeOver(temp.Get(), st) &&
        ::renameat(place->folder.Get(), named->second.c_str(), place->folder.Get(), place->name.c_str()) ==
            0) {
        temp.Reset(); // its data is synced; closing it also ends its lock
        // Makes the rename itself durable; a folder that cannot be synced changes nothing above.
        if (place->listable)
            ::fsync(place->folder.Get());
        return true;
    }
    dropTemp();
    const bool ok = ::ftruncate(target.Get(), 0) == 0 && WriteAll(target.Get(), bytes) &&
                    ::fsync(target.Get()) == 0 && target.Close();
    if (!ok && created)
        RemoveCreated(place, st);
    return ok;
}

void IgnoreSignal(int) {}

} // namespace

void KeepWriteSignalsHarmless() {
    // A handler that does nothing rather than SIG_IGN: the kernel makes the write fail all the
    // same, and programs this one starts (the mail client) get the usual signals back.
    struct sigaction action {};
    action.sa_handler = IgnoreSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGPIPE, SIGXFSZ})
        ::sigaction(signal, &action, nullptr);
}

WriteStatus Services::WriteFile(const std::string& path, const std::string& bytes) {
    // Even opening a device or a pipe can be felt at its other end: not through another user's link.
    struct stat st {};
    if (!ChosenDirectly(path) && ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return WriteStatus::OpenFailed;
    bool created = true;
    Fd target(OpenNoWait(path, O_WRONLY | O_CREAT | O_EXCL));
    if (!target.Valid() && errno == EEXIST) {
        created = false;
        target.Reset(OpenNoWait(path, O_WRONLY | O_CREAT));
    }
    if (!target.Valid() || ::fstat(target.Get(), &st) != 0)
        return WriteStatus::OpenFailed;
    if (S_ISREG(st.st_mode))
        return WriteRegular(target, path, st, bytes, created) ? WriteStatus::Ok : WriteStatus::CloseFailed;
    if (!ChosenDirectly(path))
        return WriteStatus::OpenFailed;
    const bool ok = WriteToStream(target.Get(), bytes, S_ISFIFO(st.st_mode));
    return target.Close() && ok ? WriteStatus::Ok : WriteStatus::CloseFailed;
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
    const ReadResult::Status status = FeedPieces(sink, maxBytes, [fd](char* buffer, std::size_t room) {
        ssize_t n = 0;
        do
            n = ::read(fd, buffer, room);
        while (n < 0 && errno == EINTR);
        return static_cast<long long>(n);
    });
    ::close(fd);
    return status;
}

} // namespace mirel
