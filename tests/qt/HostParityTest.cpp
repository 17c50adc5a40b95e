// The Qt host must keep exactly the state the headless host keeps: a scripted session prints
// the same log on both. Every case runs the same user and program actions on a page shown by
// each host and compares everything a page or a script can observe.
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

#include "platform/Agent.h"
#include "platform/headless/HeadlessHost.h"
#include "tests/qt/QtTestEnvironment.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

std::string Snapshot(TestPage& page) {
    std::ostringstream out;
    out << "caption=" << page.GetCaption() << " focus=" << page.GetFocusItem() << "\n";
    for (const ControlTemplate& c : page.Template().controls) {
        if (c.id <= 0)
            continue;
        out << c.id << " text=[" << page.GetItemText(c.id) << "] visible=" << page.IsItemVisible(c.id)
            << " enabled=" << page.IsItemEnabled(c.id) << " readonly=" << page.IsReadOnly(c.id)
            << " modified=" << page.GetModify(c.id) << " limit=" << page.GetWindow()->GetLimit(c.id)
            << " check=" << page.GetCheck(c.id) << " sel=" << page.GetCurSel(c.id)
            << " count=" << page.GetListCount(c.id) << "\n";
    }
    page.UpdateData(true);
    out << "members name=[" << page.m_strName << "] notes=[" << page.m_strNotes
        << "] choice=" << page.m_nChoice << " keep=" << page.m_bKeep << " list=" << page.m_nList << "\n";
    for (const std::string& line : page.log)
        out << line << "\n";
    return out.str();
}

// Runs `actions` once on the shown page, notes what can be seen, and ends the page.
class OnceAgent : public Agent {
  public:
    explicit OnceAgent(std::function<void(TestPage&)> actions) : m_actions(std::move(actions)) {}
    void PageShown(Dialog&) override {}
    void Step(Dialog& dialog) override {
        auto& page = static_cast<TestPage&>(dialog);
        m_actions(page);
        snapshot = Snapshot(page);
        page.EndDialog(kIdOk);
    }
    std::string snapshot;

  private:
    std::function<void(TestPage&)> m_actions;
};

std::string RunOn(Host& host, const std::function<void(TestPage&)>& actions) {
    OnceAgent agent(actions);
    SetHost(&host);
    SetAgent(&agent);
    TestPage page;
    page.DoModal();
    SetAgent(nullptr);
    SetHost(nullptr);
    return agent.snapshot;
}

struct Case {
    const char* name;
    std::function<void(TestPage&)> actions;
};

const Case kCases[] = {
    {"nothing but the data exchange on show", [](TestPage&) {}},
    {"program text keeps CR LF and is never cut by the limit",
     [](TestPage& p) {
         p.SetItemText(kNotes, "a\r\n\r\nb\r\n");
         p.SetItemText(kName, "Zu langer Name");
         p.SetItemText(kLabel, "Neu && anders");
         p.SetItemText(kOther, "&Zur\xC3\xBC"
                               "ck");
         p.SetItemText(kBox, "Hinweis:");
     }},
    {"typing is cut at the limit, line breaks count two",
     [](TestPage& p) {
         p.UserType(kName, "M\xC3\xBCller-L\xC3\xBC"
                           "denscheidt");
         p.UserType(kNotes, "eins\nzwei\ndrei");
     }},
    {"characters cp1252 cannot hold become question marks",
     [](TestPage& p) {
         p.UserType(kName, "\xE2\x82\xAC \xE2\x86\x92 \xE2\x9C\x93");
         p.UserType(kMemo, "\xC3\xA4\n\xE2\x9C\x93\n\xE2\x82\xAC");
     }},
    {"program text clears the modified flag, typing sets it",
     [](TestPage& p) {
         p.UserType(kName, "x");
         p.UserType(kNotes, "y");
         p.SetItemText(kName, "z");
     }},
    {"radio groups can be empty and keep one choice",
     [](TestPage& p) {
         p.UserClick(kRadioB);
         p.UserClick(kRadioC);
         p.UserClick(kRadioC);
         p.UserClick(kCheck);
         p.UserClick(kCheck);
         p.UserClick(kCheck);
     }},
    {"program checks send nothing",
     [](TestPage& p) {
         p.SetCheck(kRadioA, 1);
         p.SetCheck(kRadioB, 1);
         p.SetCheck(kCheck, 1);
     }},
    {"list selection by the user and by the program",
     [](TestPage& p) {
         p.UserSelect(kList, 2);
         p.UserSelect(kList, 0);
         p.SetCurSel(kList, 7);
     }},
    {"list text is the chosen entry",
     [](TestPage& p) {
         p.SetCurSel(kList, 1);
         p.SetItemText(kList, "ignoriert");
     }},
    {"show, enable and read-only are plain state",
     [](TestPage& p) {
         p.ShowItem(kHiddenText, true);
         p.ShowItem(kNext, false);
         p.EnableItem(kName, false);
         p.SetReadOnly(kNotes, true);
         p.SetReadOnly(kFixed, false);
         p.SetModify(kMemo, true);
     }},
    {"focus moves and keys",
     [](TestPage& p) {
         p.UserFocus(kNotes);
         p.UserFocus(kCheck);
         p.UserFocus(kOther);
         p.UserKey(Key::Enter);
         p.UserFocus(kProduct);
         p.UserKey(Key::Enter);
         p.UserFocus(kName);
         p.UserKey(Key::Enter);
         p.UserKey(Key::Escape);
         p.UserClose();
     }},
    {"caption with any characters",
     [](TestPage& p) {
         p.SetCaption("Pr\xC3\xBC"
                      "fung \xE2\x9C\x93");
     }},
    {"hidden default button leaves Enter to the page",
     [](TestPage& p) {
         p.ShowItem(kNext, false);
         p.UserFocus(kNotes);
         p.UserKey(Key::Enter);
     }},
};

TEST(HostParity, QtKeepsTheStateTheHeadlessHostKeeps) {
    HeadlessHost headless;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string expected = RunOn(headless, c.actions);
        const std::string actual = RunOn(Environment().GetHost(), c.actions);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(actual, expected);
    }
}

TEST(HostParity, WindowRectangleFollowsMoves) {
    Rect moved;
    OnceAgent agent([&moved](TestPage& p) {
        p.MoveWindow(321, 123);
        moved = p.GetWindowRect();
    });
    SetHost(&Environment().GetHost());
    SetAgent(&agent);
    TestPage page;
    page.DoModal();
    SetAgent(nullptr);
    SetHost(nullptr);
    EXPECT_EQ(moved.left, 321);
    EXPECT_EQ(moved.top, 123);
    EXPECT_GE(moved.Width(), DluToPxX(358));
    EXPECT_GE(moved.Height(), DluToPxY(280));
}

} // namespace
} // namespace mirel::qt::test
