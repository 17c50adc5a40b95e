// Real input on page windows, with no scripted user: keys, clicks and typing that Qt delivers
// to the widgets reach the page through the dialog's common logic, with the focus rules of the
// classic dialogs (Tab order, radio groups, mnemonics, Return and Escape).
#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QImage>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <iterator>

#include "pages/common/PageDlg.h"
#include "tests/qt/Interactive.h"
#include "tests/qt/TestPage.h"
#include "tests/unit/Gallery.h"

namespace mirel::qt::test {
namespace {

using Log = std::vector<std::string>;
using PageAction = std::function<void(TestPage&)>;

// Presses one key of a test table: t Tab, b Shift+Tab, r Return, e Enter of the keypad,
// x Escape, s Space, d Down, c the close box, m a mouse click on the focused control; a capital
// is Alt with that letter.
void PressKey(char key, bool shift) {
    struct Key {
        char name;
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
    } const keys[] = {
        {'t', Qt::Key_Tab, Qt::NoModifier, "\t"},      {'b', Qt::Key_Backtab, Qt::ShiftModifier, ""},
        {'r', Qt::Key_Return, Qt::NoModifier, "\r"},   {'e', Qt::Key_Enter, Qt::KeypadModifier, "\r"},
        {'x', Qt::Key_Escape, Qt::NoModifier, "\x1b"}, {'s', Qt::Key_Space, Qt::NoModifier, " "},
        {'d', Qt::Key_Down, Qt::NoModifier, ""}};
    if (std::isupper(static_cast<unsigned char>(key)) != 0)
        Press(key, Qt::AltModifier | (shift ? Qt::ShiftModifier : Qt::NoModifier),
              shift ? QString(QChar::fromLatin1(key)) : QString(QChar::fromLatin1(key)).toLower());
    else if (key == 'c')
        PageWindow()->close();
    else if (key == 'm')
        Click(QApplication::focusWidget());
    for (const Key& k : keys)
        if (k.name == key)
            Press(k.key, k.mods, QString::fromLatin1(k.text));
}

TEST(Keyboard, KeysMoveTheFocusAndReachThePageButNeverCloseTheWindow) {
    const PageAction passBy = [](TestPage& p) {
        p.EnableItem(kNotes, false);
        p.ShowItem(kFixed, false);
        p.EnableItem(kList, false);
        p.ShowItem(kProduct, false);
        p.ShowItem(kHint, true); // a static text never takes the focus
        p.ShowItem(kNext, false);
        p.EnableItem(kOther, false);
    };
    const PageAction hideChecked = [](TestPage& p) {
        p.SetCheck(kRadioC, 1);
        p.ShowItem(kRadioC, false);
        p.ShowItem(kRadioA, false);
    };
    const PageAction relabel = [](TestPage& p) { p.SetItemText(kOther, "&Wechseln"); };
    struct Case {
        int start;
        const char* keys;            // see PressKey; '+' before a capital adds Shift
        std::vector<int> focus;      // after each key
        Log log = {};                // without the focus and change reports
        PageAction setup = {};       // by the page, after the start control took the focus
        const char* notes = nullptr; // text of kNotes afterwards; nullptr: not looked at
    } const cases[] = {
        // Tab goes in template order, each radio group one stop entered at its checked button.
        {kNotes, "ttttttttt", {kFixed, kMemo, kRadioA, kCheck, kList, kProduct, kOther, kNext, kName}},
        {kName, "bbbbb", {kNext, kOther, kProduct, kList, kCheck}},
        {kMemo, "tt", {kRadioB, kCheck}, {}, [](TestPage& p) { p.SetCheck(kRadioB, 1); }},
        {kCheck, "bb", {kRadioC, kMemo}, {}, [](TestPage& p) { p.SetCheck(kRadioC, 1); }},
        {kRadioB, "t", {kCheck}},
        {kName, "tttt", {kMemo, kRadioA, kCheck, kName}, {}, passBy},
        {kMemo, "t", {kRadioB}, {}, hideChecked},
        {kFixed, "t", {kMemo}, {}, [](TestPage& p) { p.ShowItem(kFixed, false); }}, // hid the focused one
        // Alt+letter clicks a button or choice and a label focuses the control after it.
        {kName, "W", {kNext}, {"60 clicked"}},
        {kName, "+W", {kNext}, {"60 clicked"}},
        {kName, "Z", {kRadioB}, {"31 clicked"}},
        {kName, "M", {kCheck}, {"40 clicked"}},
        {kOther, "N", {kName}},
        {kName, "Q", {kName}},
        {kName, "WA", {kName, kName}, {}, passBy},
        {kName, "WW", {kOther, kNext}, {"61 clicked", "60 clicked"}, relabel}, // a shared letter goes round
        // Return clicks the focused or the default button, or makes a line where an edit wants it.
        {kName, "r", {kName}, {"60 clicked"}},
        {kName, "e", {kName}, {"60 clicked"}},
        {kOther, "r", {kOther}, {"61 clicked"}},
        {kMemo, "r", {kMemo}, {"60 clicked"}},
        {kNotes, "r", {kNotes}, {}, {}, "\r\n"},
        {kNotes, "r", {kNotes}, {}, [](TestPage& p) { p.SetReadOnly(kNotes, true); }, ""},
        // Escape and the close box go to the page, which decides.
        {kName, "x", {kName}, {"cancel"}},
        {kList, "x", {kList}, {"cancel"}},
        {kName, "c", {kName}, {"close"}},
        // Space and the mouse click, a second click keeps the choice; arrows choose within the group.
        {kProduct, "s", {kProduct}, {"70 clicked"}},
        {kCheck, "s", {kCheck}, {"40 clicked"}},
        {kRadioA, "d", {kRadioB}, {"31 clicked"}},
        {kRadioB, "mm", {kRadioB, kRadioB}, {"31 clicked", "31 clicked"}},
        {kCheck, "mm", {kCheck, kCheck}, {"40 clicked", "40 clicked"}},
        {kProduct, "m", {kProduct}, {"70 clicked"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.start) + " " + c.keys);
        TestPage page;
        std::vector<int> focus;
        std::vector<bool> widgetFocused;
        Log log;
        std::string notes;
        RunInteractive<TestPage>(page, [&](TestPage& p) {
            p.UserFocus(c.start);
            if (c.setup)
                c.setup(p);
            p.log.clear();
            for (const char* k = c.keys; *k != 0; ++k) {
                if (*k == '+')
                    continue;
                PressKey(*k, k != c.keys && k[-1] == '+');
                focus.push_back(p.GetFocusItem());
                widgetFocused.push_back(QApplication::focusWidget() == ControlWidget(p.GetFocusItem()));
            }
            // No second, delayed press by Qt's own shortcuts.
            QElapsedTimer timer;
            timer.start();
            while (std::isupper(static_cast<unsigned char>(c.keys[std::strlen(c.keys) - 1])) != 0 &&
                   timer.elapsed() < 150)
                QApplication::processEvents(QEventLoop::AllEvents, 20);
            std::copy_if(p.log.begin(), p.log.end(), std::back_inserter(log), [](const std::string& line) {
                return !line.ends_with("focus") && !line.ends_with("change");
            });
            notes = p.GetItemText(kNotes);
            ASSERT_TRUE(PageWindow() != nullptr && PageWindow()->isVisible()) << "the window closed";
            // A click reported is a click done, once: Qt does not toggle or choose on its own.
            const auto clicks = [&p](const char* line) {
                return std::count(p.log.begin(), p.log.end(), line);
            };
            EXPECT_EQ(p.GetCheck(kCheck), clicks("40 clicked") % 2);
            EXPECT_TRUE(clicks("31 clicked") == 0 || p.GetCheck(kRadioB) == 1);
            for (const int id : {+kRadioA, +kRadioB, +kRadioC, +kCheck}) // the widgets show the page's state
                EXPECT_EQ(static_cast<QAbstractButton*>(ControlWidget(id))->isChecked(), p.GetCheck(id) != 0)
                    << id;
            EXPECT_EQ(p.GetItemText(kName), ""); // never a key typed into it
        });
        EXPECT_EQ(focus, c.focus);
        EXPECT_EQ(widgetFocused, std::vector<bool>(c.focus.size(), true));
        EXPECT_EQ(log, c.log);
        if (c.notes != nullptr) {
            EXPECT_EQ(notes, c.notes);
        }
    }
}

TEST(Keyboard, FocusFrameShowsOnButtonsPicturesAndChoices) {
    for (const int id : {+kNext, +kProduct, +kCheck, +kRadioA}) {
        TestPage page;
        int marked = 0; // pixels that clearly change when the control takes the focus
        RunInteractive<TestPage>(page, [&](TestPage& p) {
            p.SetFocusItem(kFixed);
            const QImage before = ControlWidget(id)->grab().toImage();
            p.SetFocusItem(id);
            const QImage after = ControlWidget(id)->grab().toImage();
            for (int y = 0; y < std::min(before.height(), after.height()); ++y) {
                for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
                    const QRgb a = before.pixel(x, y);
                    const QRgb b = after.pixel(x, y);
                    marked += std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                        std::abs(qBlue(a) - qBlue(b))}) > 60
                                  ? 1
                                  : 0;
                }
            }
        });
        EXPECT_GE(marked, 10) << id;
    }
}

// The common page behaviour over the gallery template (info box 1171, Next 1016), logging the
// focus reports.
class InfoPage : public CPageDlg {
  public:
    explicit InfoPage(ReportRecord* pRecord)
        : CPageDlg((RegisterTemplate(mirel::test::GalleryTemplate()), mirel::test::GalleryTemplate().id),
                   pRecord) {}
    const char* ClassName() const override { return "CInfoPage"; }
    void OnCommand(int id, Notify code) override {
        if (code == Notify::SetFocus || code == Notify::KillFocus)
            log.push_back(std::to_string(id) + (code == Notify::SetFocus ? " setfocus" : " killfocus"));
        CPageDlg::OnCommand(id, code);
    }
    Log log;
};

TEST(Keyboard, FocusChangesReportKillAndSetFocusOnceAndTheInfoBoxHandsItOn) {
    ReportRecord record;
    InfoPage page(&record);
    std::vector<Log> logs;
    std::string lines;
    bool checkHasTheWidgetFocus = false;
    RunInteractive<InfoPage>(page, [&](InfoPage& p) {
        p.UserFocus(1102); // a multi-line edit that takes Return, never Tab
        const std::function<void()> steps[] = {
            [] { Press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")); },
            [] { Press(Qt::Key_Backtab, Qt::ShiftModifier); },
            [] { Click(ControlWidget(1101)); },
            [] { Press(Qt::Key_Backtab, Qt::ShiftModifier); }, // Tab passes the info box by
            [] { Click(static_cast<QAbstractScrollArea*>(ControlWidget(1171))->viewport()); },
            [&p] { p.SetFocusItem(1130); }, // the page's own move, shown on the widget
        };
        for (const auto& step : steps) {
            p.log.clear();
            step();
            QApplication::processEvents();
            logs.push_back(p.log);
        }
        lines = p.GetItemText(1102);
        checkHasTheWidgetFocus = QApplication::focusWidget() == ControlWidget(1130);
    });
    EXPECT_EQ(logs, (std::vector<Log>{{"1102 killfocus", "1103 setfocus"},
                                      {"1103 killfocus", "1102 setfocus"},
                                      {"1102 killfocus", "1101 setfocus"},
                                      {"1101 killfocus", "1016 setfocus"},
                                      {"1016 killfocus", "1171 setfocus", "1171 killfocus", "1016 setfocus"},
                                      {"1016 killfocus", "1130 setfocus"}}));
    EXPECT_EQ(lines, "");
    EXPECT_TRUE(checkHasTheWidgetFocus);
}

// Typing into ten megabytes converts only what a key press inserts: a press that reads and
// converts the whole text takes far longer than the bound.
TEST(Input, TypingIntoTenMegabytesStaysQuickAndExact) {
    // Qt scans every line when the widest one gets narrower; typing goes into another one.
    std::string big = "Die erste Zeile ist die breiteste von allen, damit sie es bleibt\r\n";
    while (big.size() < 10u << 20)
        big += "Zeile mit etwas Text\r\n";
    const int kAt = 70; // in the second line
    qint64 slowest = 0;
    long changes = 0;
    std::string read;
    TestPage page;
    RunInteractive<TestPage>(page, [&](TestPage& p) {
        p.SetItemText(kMemo, big);
        p.SetFocusItem(kMemo);
        auto* edit = static_cast<QPlainTextEdit*>(ControlWidget(kMemo));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(kAt);
        edit->setTextCursor(cursor);
        p.log.clear();
        for (const QChar ch : QString::fromUtf8("ab\xE2\x86\x92")) {
            QElapsedTimer timer;
            timer.start();
            Press(Qt::Key_unknown, Qt::NoModifier, QString(ch));
            slowest = std::max(slowest, timer.elapsed());
        }
        changes = std::count(p.log.begin(), p.log.end(), std::to_string(kMemo) + " change");
        read = p.GetItemText(kMemo);
    });
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(read, big.substr(0, kAt + 1) + "ab?" + big.substr(kAt + 1)); // CR LF is one break in the widget
    EXPECT_LT(slowest, 250);
}

} // namespace
} // namespace mirel::qt::test
