#include <cstdlib>
#include <vector>

#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Window.h"
#include "platform/win32/WinApi.h"
#include "platform/win32/WinText.h"

#include <commdlg.h>
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <objbase.h>
#include <shellapi.h>

namespace mirel::win32 {
namespace {

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// The task dialog of common controls 6, found at run time so that the program still starts
// where only older common controls exist.
TaskDialogIndirectFn FindTaskDialog() {
    HMODULE comctl = ::GetModuleHandleW(L"comctl32.dll");
    if (comctl == nullptr)
        comctl = ::LoadLibraryW(L"comctl32.dll");
    return comctl != nullptr ? reinterpret_cast<TaskDialogIndirectFn>(
                                   reinterpret_cast<void*>(::GetProcAddress(comctl, "TaskDialogIndirect")))
                             : nullptr;
}

struct ButtonText {
    int command;
    MsgAnswer answer;
    const wchar_t* label;
};

// Our own button texts: they read German whatever language Windows speaks.
std::vector<ButtonText> ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return {{IDOK, MsgAnswer::Ok, L"OK"}};
    case MsgButtons::YesNo:
        return {{IDYES, MsgAnswer::Yes, L"&Ja"}, {IDNO, MsgAnswer::No, L"&Nein"}};
    case MsgButtons::YesNoCancel:
        break;
    }
    return {{IDYES, MsgAnswer::Yes, L"&Ja"},
            {IDNO, MsgAnswer::No, L"&Nein"},
            {IDCANCEL, MsgAnswer::Cancel, L"Abbrechen"}};
}

// "Name (*.txt)|*.txt|All (*.*)|*.*||" as the file dialogs take it: pairs separated by NULs.
std::wstring FilterOf(const std::string& filter) {
    std::wstring wide = Widen(filter);
    for (wchar_t& c : wide)
        if (c == L'|')
            c = L'\0';
    wide.push_back(L'\0');
    return wide;
}

std::wstring ExtensionOf(const std::string& defaultExt) {
    std::size_t start = 0;
    while (start < defaultExt.size() && defaultExt[start] == '.')
        ++start;
    return Widen(defaultExt.substr(start));
}

class Win32Services : public Services {
  public:
    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                         MsgIcon icon, int defaultButton) override {
        const std::vector<ButtonText> choices = ButtonsOf(buttons);
        const std::wstring title = ToControlText(caption);
        const std::wstring content = ToControlText(text);
        const std::size_t def =
            defaultButton >= 1 && static_cast<std::size_t>(defaultButton) <= choices.size()
                ? static_cast<std::size_t>(defaultButton) - 1
                : 0;
        int pressed = IDCANCEL;
        if (const TaskDialogIndirectFn taskDialog = FindTaskDialog()) {
            std::vector<TASKDIALOG_BUTTON> list;
            for (const ButtonText& b : choices)
                list.push_back({b.command, b.label});
            TASKDIALOGCONFIG config{};
            config.cbSize = sizeof config;
            config.hwndParent = ::GetActiveWindow();
            config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
            config.pszWindowTitle = title.c_str();
            config.pszContent = content.c_str();
            config.cButtons = static_cast<UINT>(list.size());
            config.pButtons = list.data();
            config.nDefaultButton = choices[def].command;
            switch (icon) {
            case MsgIcon::Information:
                config.pszMainIcon = TD_INFORMATION_ICON;
                break;
            case MsgIcon::Exclamation:
                config.pszMainIcon = TD_WARNING_ICON;
                break;
            case MsgIcon::Question:
                config.dwFlags |= TDF_USE_HICON_MAIN;
                config.hMainIcon = ::LoadIconW(nullptr, IDI_QUESTION);
                break;
            }
            if (FAILED(taskDialog(&config, &pressed, nullptr, nullptr)))
                pressed = IDCANCEL;
        } else {
            const UINT type = (buttons == MsgButtons::Ok      ? MB_OK
                               : buttons == MsgButtons::YesNo ? MB_YESNO
                                                              : MB_YESNOCANCEL) |
                              (icon == MsgIcon::Information ? MB_ICONINFORMATION
                               : icon == MsgIcon::Question  ? MB_ICONQUESTION
                                                            : MB_ICONEXCLAMATION) |
                              (def == 1   ? MB_DEFBUTTON2
                               : def == 2 ? MB_DEFBUTTON3
                                          : 0);
            pressed = ::MessageBoxW(::GetActiveWindow(), content.c_str(), title.c_str(), type);
        }
        for (const ButtonText& b : choices)
            if (b.command == pressed)
                return b.answer;
        // Escape and the close box: OK, Cancel, and for Yes/No the answer No.
        return choices.back().answer;
    }

    void Beep(BeepKind kind) override {
        ::MessageBeep(kind == BeepKind::Information ? MB_ICONASTERISK : MB_ICONQUESTION);
    }

    std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& defaultExt,
                                              const std::string& proposedName) override {
        return Run(true, filter, defaultExt, proposedName);
    }

    std::optional<std::string> OpenFileDialog(const std::string& filter,
                                              const std::string& defaultExt) override {
        return Run(false, filter, defaultExt, std::string());
    }

    bool ShellOpen(const std::string& url) override {
        // Above 32 when a program took the URL; no mail program gives an error code instead.
        const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(
            ::GetActiveWindow(), L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
    }

    LocalTime Now() override {
        SYSTEMTIME t{};
        ::GetLocalTime(&t);
        return LocalTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
    }

    [[noreturn]] void ExitProcess(int code) override { std::exit(code); }

  private:
    static std::optional<std::string> Run(bool save, const std::string& filter, const std::string& defaultExt,
                                          const std::string& proposedName) {
        const std::wstring filters = FilterOf(filter);
        const std::wstring ext = ExtensionOf(defaultExt);
        std::wstring file = Widen(proposedName);
        file.resize(32768, L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = ::GetActiveWindow();
        ofn.lpstrFilter = filters.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
        ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                    (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
        const BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
        if (ok == FALSE)
            return std::nullopt;
        return Narrow(file.c_str());
    }
};

} // namespace

void InitProcess() {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::_setmode(::_fileno(stdout), _O_BINARY);
}

std::unique_ptr<Host> CreateHost() {
    return std::make_unique<Win32Host>();
}

std::unique_ptr<Services> CreateServices() {
    return std::make_unique<Win32Services>();
}

} // namespace mirel::win32
