#include "tools/mirel-scenario/Runner.h"

#include <exception>
#include <iostream>
#include <map>

#include "app/Application.h"
#include "platform/Dialog.h"

namespace mirel::scenario {
namespace {

const char* ButtonsWord(MsgButtons b) {
    switch (b) {
    case MsgButtons::Ok:
        return "ok";
    case MsgButtons::YesNo:
        return "yesno";
    case MsgButtons::YesNoCancel:
        return "yesnocancel";
    }
    return "ok";
}

const char* IconWord(MsgIcon i) {
    switch (i) {
    case MsgIcon::Information:
        return "information";
    case MsgIcon::Question:
        return "question";
    case MsgIcon::Exclamation:
        return "exclamation";
    }
    return "information";
}

bool AnswerFits(const std::string& answer, MsgButtons buttons, MsgAnswer& out) {
    if (answer == "ok" && buttons == MsgButtons::Ok)
        out = MsgAnswer::Ok;
    else if (answer == "yes" && buttons != MsgButtons::Ok)
        out = MsgAnswer::Yes;
    else if (answer == "no" && buttons != MsgButtons::Ok)
        out = MsgAnswer::No;
    else if (answer == "cancel" && buttons == MsgButtons::YesNoCancel)
        out = MsgAnswer::Cancel;
    else
        return false;
    return true;
}

bool IsAnswer(const Directive& d) {
    return d.verb == "answer" || d.verb == "save" || d.verb == "open";
}

} // namespace

Runner::Runner(std::vector<Directive> script, std::ostream& log) : m_script(std::move(script)), m_log(log) {}

void Runner::ApplyLeadingClock() {
    while (m_next < m_script.size() && m_script[m_next].verb == "clock") {
        const Directive& d = m_script[m_next++];
        m_clock = LocalTime{d.year, d.month, d.day, d.hour, d.minute, 0};
    }
}

int Runner::Run() {
    // A script that cannot be read as text runs nothing.
    if (!m_script.empty() && m_script.front().verb.empty() && m_script.front().error == kNotUtf8) {
        m_log << "error " << m_script.front().line << ": " << kNotUtf8 << '\n';
        m_log.flush();
        return 2;
    }
    ApplyLeadingClock();
    try {
        RunApplication();
    } catch (const ProcessExit&) {
        return 0;
    } catch (const Stop& stop) {
        return stop.status;
    }
}

int Runner::RunPage(Dialog& page) {
    ApplyLeadingClock();
    try {
        page.DoModal();
    } catch (const ProcessExit&) {
        return 0;
    } catch (const Stop& stop) {
        return stop.status;
    }
    return 0;
}

const Directive* Runner::Next() {
    while (m_next < m_script.size()) {
        const Directive& d = m_script[m_next++];
        if (d.verb.empty())
            Error(d, d.error);
        if (d.verb != "clock")
            return &d;
        m_clock = LocalTime{d.year, d.month, d.day, d.hour, d.minute, 0};
    }
    return nullptr;
}

void Runner::Error(const Directive& d, const std::string& what) {
    m_log << "error " << d.line << ": " << what << '\n';
    m_log.flush();
    throw Stop{2};
}

void Runner::End() {
    m_log << "end\n";
    m_log.flush();
    throw Stop{0};
}

const Directive& Runner::NextAnswer(const char* verb, const char* what) {
    const Directive* d = Next();
    if (d == nullptr) {
        const int line = m_script.empty() ? 1 : m_script.back().line + 1;
        m_log << "error " << line << ": no answer where the program asked for one (" << what << ")\n";
        m_log.flush();
        throw Stop{2};
    }
    if (d->verb != verb)
        Error(*d, std::string("no answer where the program asked for one (") + what + ")");
    return *d;
}

void Runner::PageShown(Dialog& page) {
    m_log << "page " << page.ClassName() << '\n';
}

bool Runner::Ignored(Dialog& page, const Directive& d, bool checkReadOnly) {
    const char* why = nullptr;
    if (!page.IsItemVisible(d.id))
        why = "hidden";
    else if (!page.IsItemEnabled(d.id))
        why = "disabled";
    else if (checkReadOnly && page.IsReadOnly(d.id))
        why = "read-only";
    if (why == nullptr)
        return false;
    m_log << "ignored " << d.verb << ' ' << d.id << " (" << why << ")\n";
    return true;
}

void Runner::ShowControl(Dialog& page, const Directive& d) {
    const ControlTemplate* c = page.Template().Find(d.id);
    m_log << "control " << d.id << " text=" << Quote(page.GetItemText(d.id))
          << " visible=" << (page.IsItemVisible(d.id) ? 1 : 0)
          << " enabled=" << (page.IsItemEnabled(d.id) ? 1 : 0);
    switch (c->kind) {
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        m_log << " checked=" << (page.GetCheck(d.id) != 0 ? 1 : 0);
        break;
    case ControlKind::ComboBox:
        m_log << " selected=" << page.GetCurSel(d.id);
        break;
    case ControlKind::Edit:
        m_log << " readonly=" << (page.IsReadOnly(d.id) ? 1 : 0);
        break;
    default:
        break;
    }
    m_log << '\n';
}

void Runner::Step(Dialog& page) {
    const Directive* next = Next();
    if (next == nullptr)
        End();
    const Directive& d = *next;
    if (IsAnswer(d))
        Error(d, "nothing asked for an answer");
    const bool typing = d.verb == "type" || d.verb == "paste";
    const bool needsControl =
        d.verb == "click" || typing || d.verb == "select" || d.verb == "focus" || d.verb == "show";
    const ControlTemplate* c = needsControl ? page.Template().Find(d.id) : nullptr;
    if (needsControl && c == nullptr)
        Error(d, "no such control " + std::to_string(d.id));

    if (d.verb == "click") {
        if (!Ignored(page, d, false))
            page.UserClick(d.id);
    } else if (typing) {
        if (c == nullptr || c->kind != ControlKind::Edit)
            Error(d, "control " + std::to_string(d.id) + " is not an edit");
        if (Ignored(page, d, false))
            return;
        if (page.IsReadOnly(d.id)) {
            // The click still reaches the edit and moves the focus there.
            page.UserClick(d.id);
            Ignored(page, d, true);
        } else if (d.verb == "type") {
            page.UserType(d.id, d.text);
        } else {
            page.UserPaste(d.id, d.text);
        }
    } else if (d.verb == "select") {
        if (c == nullptr || c->kind != ControlKind::ComboBox)
            Error(d, "control " + std::to_string(d.id) + " is not a list");
        if (d.number < 0 || d.number >= page.GetListCount(d.id))
            Error(d, "list " + std::to_string(d.id) + " has no entry " + std::to_string(d.number));
        if (!Ignored(page, d, false))
            page.UserSelect(d.id, d.number);
    } else if (d.verb == "focus") {
        if (!Ignored(page, d, false))
            page.UserFocus(d.id);
    } else if (d.verb == "key") {
        PressKey(page, d.word);
    } else if (d.verb == "focused") {
        m_log << "focused " << page.GetFocusItem() << '\n';
    } else if (d.verb == "close") {
        page.UserClose();
    } else if (d.verb == "show") {
        ShowControl(page, d);
    } else if (d.verb == "caption") {
        m_log << "caption " << Quote(page.GetCaption()) << '\n';
    } else if (d.verb == "screenshot") {
        if (!page.GetWindow()->Screenshot(d.text))
            Error(d, "cannot write " + d.text);
        m_log << "screenshot " << Quote(d.text) << '\n';
    }
}

void Runner::PressKey(Dialog& page, const std::string& name) {
    static const std::map<std::string, Key, std::less<>> kKeys = {
        {"enter", Key::Enter},        {"escape", Key::Escape}, {"tab", Key::Tab},
        {"shift+tab", Key::ShiftTab}, {"space", Key::Space},   {"up", Key::Up},
        {"down", Key::Down},          {"left", Key::Left},     {"right", Key::Right},
    };
    if (auto it = kKeys.find(name); it != kKeys.end())
        page.UserKey(it->second);
    else
        page.UserMnemonic(name.back()); // alt+LETTER, read as lower case
}

MsgAnswer Runner::MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                             MsgIcon icon, int /*defaultButton*/) {
    const Directive* d = &NextAnswer("answer", "a message box");
    MsgAnswer answer = MsgAnswer::Ok;
    if (!AnswerFits(d->word, buttons, answer))
        Error(*d, "the message box has no button " + d->word);
    m_log << "message " << Quote(caption) << ' ' << Quote(text) << ' ' << ButtonsWord(buttons) << ' '
          << IconWord(icon) << " -> " << d->word << '\n';
    return answer;
}

void Runner::Beep(BeepKind kind) {
    m_log << "beep " << (kind == BeepKind::Information ? "information" : "question") << '\n';
}

std::optional<std::string> Runner::SaveFileDialog(const std::string& /*filter*/,
                                                  const std::string& /*defaultExt*/,
                                                  const std::string& proposedName) {
    const Directive* d = &NextAnswer("save", "a save-file dialog");
    m_log << "save-dialog " << Quote(proposedName) << " -> ";
    if (d->word == "cancel") {
        m_log << "cancel\n";
        return std::nullopt;
    }
    m_log << Quote(d->text) << '\n';
    return d->text;
}

std::optional<std::string> Runner::OpenFileDialog(const std::string& /*filter*/,
                                                  const std::string& /*defaultExt*/) {
    const Directive* d = &NextAnswer("open", "an open-file dialog");
    m_log << "open-dialog -> ";
    if (d->word == "cancel") {
        m_log << "cancel\n";
        return std::nullopt;
    }
    m_log << Quote(d->text) << '\n';
    return d->text;
}

bool Runner::ShellOpen(const std::string& url) {
    m_log << "shell-open " << Quote(url) << '\n';
    return true;
}

void Runner::ExitProcess(int code) {
    m_log << "exit " << code << '\n';
    m_log.flush();
    throw ProcessExit{code};
}

} // namespace mirel::scenario
