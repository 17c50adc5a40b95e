// Whole-file reading and writing on Windows: a file is replaced only by a complete new one, a
// device is written in place, and every failure has its status.
#include <gtest/gtest.h>

#include <string>

#include "platform/Services.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

namespace mirel::win32 {
namespace {

class Plain : public Services {
  public:
    MsgAnswer MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon, int) override {
        return MsgAnswer::Ok;
    }
    void Beep(BeepKind) override {}
    std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                              const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool ShellOpen(const std::string&) override { return true; }
    LocalTime Now() override { return {}; }
    [[noreturn]] void ExitProcess(int code) override { throw ProcessExit{code}; }
};

// A temporary folder of its own, removed with everything in it.
class Folder {
  public:
    Folder() {
        wchar_t base[MAX_PATH + 1] = {};
        ::GetTempPathW(MAX_PATH, base);
        m_path = Narrow(base) + "mirel-files-" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryW(Widen(m_path).c_str(), nullptr);
    }
    ~Folder() {
        WIN32_FIND_DATAW found{};
        const HANDLE h = ::FindFirstFileW(Widen(m_path + "\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..")
                    continue;
                const std::wstring full = Widen(m_path) + L"\\" + name;
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
                    ::RemoveDirectoryW(full.c_str());
                else
                    ::DeleteFileW(full.c_str());
            } while (::FindNextFileW(h, &found) != FALSE);
            ::FindClose(h);
        }
        ::RemoveDirectoryW(Widen(m_path).c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    std::string operator/(const std::string& name) const { return m_path + "\\" + name; }
    int Count() const {
        int n = 0;
        WIN32_FIND_DATAW found{};
        const HANDLE h = ::FindFirstFileW(Widen(m_path + "\\*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE)
            return 0;
        do {
            n += std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L".." ? 1 : 0;
        } while (::FindNextFileW(h, &found) != FALSE);
        ::FindClose(h);
        return n;
    }

  private:
    std::string m_path;
};

TEST(Win32Files, WriteReplacesWholeOrNotAtAll) {
    Plain s;
    Folder dir;
    ::CreateDirectoryW(Widen(dir / "ordner").c_str(), nullptr);
    struct Row {
        std::string path;
        WriteStatus status;
    };
    const Row rows[] = {
        {dir / "neu \xC3\xBC.txt", WriteStatus::Ok},
        {dir / "neu \xC3\xBC.txt", WriteStatus::Ok}, // replaced
        {dir / "ordner", WriteStatus::OpenFailed},
        {dir / "fehlt\\report.txt", WriteStatus::OpenFailed},
        {"NUL", WriteStatus::Ok}, // a device is written in place
    };
    for (const Row& r : rows)
        EXPECT_EQ(s.WriteFile(r.path, "Inhalt\r\n" + r.path), r.status) << r.path;
    const ReadResult back = s.ReadFile(dir / "neu \xC3\xBC.txt", 1000);
    EXPECT_EQ(back.status, ReadResult::Status::Ok);
    EXPECT_EQ(back.bytes, "Inhalt\r\n" + (dir / "neu \xC3\xBC.txt"));
    EXPECT_EQ(dir.Count(), 2); // the file and the folder: no temporary file is left
}

TEST(Win32Files, ReadStatuses) {
    Plain s;
    Folder dir;
    ASSERT_EQ(s.WriteFile(dir / "zehn.txt", "0123456789"), WriteStatus::Ok);
    struct Row {
        std::string path;
        std::size_t max;
        ReadResult::Status status;
    };
    const Row rows[] = {
        {dir / "zehn.txt", 10, ReadResult::Status::Ok},
        {dir / "zehn.txt", 9, ReadResult::Status::TooLarge},
        {dir / "fehlt.txt", 10, ReadResult::Status::Missing},
        {dir / "fehlt\\x.txt", 10, ReadResult::Status::Missing},
        {dir / "", 10, ReadResult::Status::IsFolder},
    };
    for (const Row& r : rows)
        EXPECT_EQ(s.ReadFile(r.path, r.max).status, r.status) << r.path << ' ' << r.max;
}

} // namespace
} // namespace mirel::win32
