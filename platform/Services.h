// What the program needs of the system outside its windows: message boxes, beeps, file dialogs,
// the desktop's URL handler, the clock, files and the end of the process. One instance per
// process; the real program, the tests and the scenario runner each install their own.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/Types.h"

namespace mirel {

// Result of writing a file.
enum class WriteStatus {
    Ok,
    OpenFailed,  // the system refused to create or open the file for writing (or, for a device or
                 // pipe, it was reached through another user's link); nothing was changed
    CloseFailed, // writing, syncing, closing or replacing failed after the file was opened (a full
                 // disk, the file-size limit, a pipe's reader that went away)
};

// Result of reading a whole file.
struct ReadResult {
    enum class Status { Ok, Missing, IsFolder, Unreadable, TooLarge } status = Status::Ok;
    std::string bytes;
};

// Thrown by a Services implementation whose ExitProcess must not end the calling process
// (tests, the scenario runner); caught at the top of the run.
struct ProcessExit {
    int code = 0;
};

class Services {
  public:
    virtual ~Services() = default;

    // Shows a message box and returns the user's answer. `defaultButton` counts from 1.
    virtual MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                                 MsgIcon icon, int defaultButton = 1) = 0;
    virtual void Beep(BeepKind kind) = 0;

    // File dialogs. `filter` has the classic form "Name (*.txt)|*.txt|All (*.*)|*.*||".
    // They return the chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> SaveFileDialog(const std::string& filter,
                                                      const std::string& defaultExt,
                                                      const std::string& proposedName) = 0;
    virtual std::optional<std::string> OpenFileDialog(const std::string& filter,
                                                      const std::string& defaultExt) = 0;

    // Hands a URL (for example a mailto: URL) to the desktop; false when no program took it.
    virtual bool ShellOpen(const std::string& url) = 0;

    virtual LocalTime Now() = 0;

    // Writes `bytes` to `path` as a plain open for writing allows, so that a failure never destroys
    // an earlier file there (the rule is at the code, platform/Files.cpp).
    virtual WriteStatus WriteFile(const std::string& path, const std::string& bytes);
    // Reads a whole file of at most `maxBytes` bytes.
    virtual ReadResult ReadFile(const std::string& path, std::size_t maxBytes);

    // Ends the process with `code`. Implementations used in tests throw ProcessExit instead.
    [[noreturn]] virtual void ExitProcess(int code) = 0;
};

Services& GetServices();
// Ends the process through the installed services.
[[noreturn]] void EndProcess(int code);
void SetServices(Services* services);

// Makes SIGPIPE (the reader of a pipe went away) and SIGXFSZ (over the file-size limit) harmless
// for the whole process: a write then fails with EPIPE or EFBIG, which the save reports, instead
// of ending the program and losing what the user typed. Every program calls it at its start.
void KeepWriteSignalsHarmless();

} // namespace mirel
