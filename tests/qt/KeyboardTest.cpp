// The keyboard on real page windows: Tab order, mnemonics, Return and Escape, and the focus
// rules of the pages, all driven by key presses that Qt delivers to the widgets.
#include <QAbstractScrollArea>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/WelcomeDlg.h"
#include "pages/common/PageDlg.h"
#include "platform/qt/QtSupport.h"
#include "tests/qt/Interactive.h"
#include "tests/qt/TestPage.h"
#include "tests/unit/Gallery.h"

namespace mirel::qt::test {
namespace {

using PageAction = std::function<void(TestPage&)>;

// Lets timers run for a moment: a delayed second reaction to a key would show up here.
void Settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 150)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(Keyboard, TabFollowsTheTemplateOrder) {
    struct Case {
        const char* name;
        PageAction setup; // runs on the shown page, before the keys
        int start;        // control that has the focus first
        int key;          // Qt::Key_Tab or Qt::Key_Backtab, pressed once per expected stop
        std::vector<int> expected;
    } const cases[] = {
        {"every stop and round again",
         [](TestPage&) {},
         kName,
         Qt::Key_Tab,
         {kNotes, kFixed, kMemo, kRadioA, kCheck, kList, kProduct, kOther, kNext, kName}},
        {"backwards",
         [](TestPage&) {},
         kName,
         Qt::Key_Backtab,
         {kNext, kOther, kProduct, kList, kCheck, kRadioA, kMemo, kFixed, kNotes, kName}},
        {"radio group entered at its checked button",
         [](TestPage& p) { p.SetCheck(kRadioB, 1); },
         kMemo,
         Qt::Key_Tab,
         {kRadioB, kCheck}},
        {"radio group entered backwards at its checked button",
         [](TestPage& p) { p.SetCheck(kRadioC, 1); },
         kCheck,
         Qt::Key_Backtab,
         {kRadioC, kMemo}},
        {"Tab leaves the group from a later button", [](TestPage&) {}, kRadioB, Qt::Key_Tab, {kCheck}},
        {"Shift+Tab leaves the group from a later button",
         [](TestPage&) {},
         kRadioC,
         Qt::Key_Backtab,
         {kMemo}},
        {"hidden and disabled controls are passed by",
         [](TestPage& p) {
             p.EnableItem(kNotes, false);
             p.ShowItem(kFixed, false);
             p.EnableItem(kList, false);
             p.ShowItem(kProduct, false);
         },
         kName,
         Qt::Key_Tab,
         {kMemo, kRadioA, kCheck, kOther, kNext, kName}},
        {"hidden checked button: the group is entered at its first usable one",
         [](TestPage& p) {
             p.SetCheck(kRadioC, 1);
             p.ShowItem(kRadioC, false);
             p.ShowItem(kRadioA, false);
         },
         kMemo,
         Qt::Key_Tab,
         {kRadioB}},
        {"a shown static text never takes the focus",
         [](TestPage& p) { p.ShowItem(kHiddenText, true); },
         kProduct,
         Qt::Key_Tab,
         {kOther}},
        {"after the page hid the focused control, Tab goes on from there",
         [](TestPage& p) {
             p.SetFocusItem(kFixed);
             p.ShowItem(kFixed, false);
         },
         kFixed,
         Qt::Key_Tab,
         {kMemo}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestPage page;
        std::vector<int> reached;
        std::vector<bool> widgetFocused;
        RunInteractive<TestPage>(page, [&](TestPage& p) {
            p.UserFocus(c.start);
            c.setup(p);
            for (std::size_t i = 0; i < c.expected.size(); ++i) {
                Press(c.key, c.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
                reached.push_back(p.GetFocusItem());
                widgetFocused.push_back(QApplication::focusWidget() == ControlWidget(p.GetFocusItem()));
            }
        });
        EXPECT_EQ(reached, c.expected);
        EXPECT_EQ(widgetFocused, std::vector<bool>(c.expected.size(), true));
    }
}

TEST(Keyboard, TabReportsKillAndSetFocusAndTypesNothing) {
    TestPage page;
    std::vector<std::string> log;
    std::string notes;
    RunInteractive<TestPage>(page, [&](TestPage& p) {
        p.UserFocus(kNotes); // a multi-line edit that takes Return, never Tab
        p.log.clear();
        Press(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        log = p.log;
        notes = p.GetItemText(kNotes);
    });
    EXPECT_EQ(log, (std::vector<std::string>{"21 killfocus", "22 setfocus", "22 killfocus", "21 setfocus"}));
    EXPECT_EQ(notes, "Zeile 1\r\nZeile 2");
}

TEST(Keyboard, MnemonicsPressButtonsAndLabelsFocusTheNextControl) {
    struct Key {
        char letter;
        bool shift = false;
    };
    struct Case {
        const char* name;
        PageAction setup;
        int start;
        std::vector<Key> keys;
        std::vector<std::string> expected;
        int focus;
        PageAction check = [](TestPage&) {};
    } const cases[] = {
        {"push button",
         [](TestPage&) {},
         kName,
         {{'w'}},
         {"20 killfocus", "60 setfocus", "60 clicked"},
         kNext},
        {"with Shift as well",
         [](TestPage&) {},
         kName,
         {{'w', true}},
         {"20 killfocus", "60 setfocus", "60 clicked"},
         kNext},
        {"second button",
         [](TestPage&) {},
         kNotes,
         {{'a'}},
         {"21 killfocus", "61 setfocus", "61 clicked"},
         kOther},
        {"radio button is chosen",
         [](TestPage&) {},
         kName,
         {{'z'}},
         {"20 killfocus", "31 setfocus", "31 clicked"},
         kRadioB,
         [](TestPage& p) {
             EXPECT_EQ(p.GetCheck(kRadioA), 0);
             EXPECT_EQ(p.GetCheck(kRadioB), 1);
         }},
        {"check box toggles",
         [](TestPage&) {},
         kName,
         {{'m'}},
         {"20 killfocus", "40 setfocus", "40 clicked"},
         kCheck,
         [](TestPage& p) { EXPECT_EQ(p.GetCheck(kCheck), 1); }},
        {"static label focuses the control after it",
         [](TestPage&) {},
         kOther,
         {{'n'}},
         {"61 killfocus", "20 setfocus"},
         kName},
        {"unknown letter does nothing and is not typed",
         [](TestPage&) {},
         kName,
         {{'q'}},
         {},
         kName,
         [](TestPage& p) { EXPECT_EQ(p.GetItemText(kName), ""); }},
        {"hidden button", [](TestPage& p) { p.ShowItem(kNext, false); }, kName, {{'w'}}, {}, kName},
        {"disabled button", [](TestPage& p) { p.EnableItem(kOther, false); }, kName, {{'a'}}, {}, kName},
        {"the label text the page set counts",
         [](TestPage& p) { p.SetItemText(kOther, "&Beenden"); },
         kName,
         {{'a'}, {'b'}},
         {"20 killfocus", "61 setfocus", "61 clicked"},
         kOther},
        {"a shared letter goes from one control to the next",
         [](TestPage& p) { p.SetItemText(kOther, "&Wechseln"); },
         kName,
         {{'w'}, {'w'}},
         {"20 killfocus", "61 setfocus", "61 clicked", "61 killfocus", "60 setfocus", "60 clicked"},
         kNext},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestPage page;
        std::vector<std::string> log;
        std::vector<std::string> settled;
        int focus = 0;
        RunInteractive<TestPage>(page, [&](TestPage& p) {
            c.setup(p);
            p.UserFocus(c.start);
            p.log.clear();
            for (const Key& k : c.keys)
                PressAlt(k.letter, k.shift ? Qt::ShiftModifier : Qt::NoModifier);
            log = p.log;
            focus = p.GetFocusItem();
            c.check(p);
            Settle(); // no second, delayed press by Qt's own shortcuts
            settled = p.log;
        });
        EXPECT_EQ(log, c.expected);
        EXPECT_EQ(settled, c.expected);
        EXPECT_EQ(focus, c.focus);
    }
}

TEST(Keyboard, FocusFrameShowsOnButtonsPicturesAndChoices) {
    // Pixels that clearly change when the control takes the focus: the focus mark.
    auto changed = [](const QImage& before, const QImage& after) {
        int n = 0;
        for (int y = 0; y < std::min(before.height(), after.height()); ++y) {
            for (int x = 0; x < std::min(before.width(), after.width()); ++x) {
                const QColor a(before.pixel(x, y));
                const QColor b(after.pixel(x, y));
                n += std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                               std::abs(a.blue() - b.blue())}) > 60
                         ? 1
                         : 0;
            }
        }
        return n;
    };
    for (int id : {static_cast<int>(kNext), static_cast<int>(kOther), static_cast<int>(kProduct),
                   static_cast<int>(kCheck), static_cast<int>(kRadioA)}) {
        SCOPED_TRACE(id);
        TestPage page;
        int marked = 0;
        RunInteractive<TestPage>(page, [&](TestPage& p) {
            p.SetFocusItem(kFixed);
            const QImage before = ControlWidget(id)->grab().toImage();
            p.SetFocusItem(id);
            marked = changed(before, ControlWidget(id)->grab().toImage());
        });
        EXPECT_GE(marked, 10);
    }
}

TEST(Keyboard, LabelsAndMnemonicsAsShownAndAsRead) {
    struct Case {
        const char* label;
        const char* plain;
        char16_t mnemonic; // 0: none
    } const cases[] = {
        {"&Weiter >>", "Weiter >>", u'w'},
        {"<< &Zur\xC3\xBC"
         "ck",
         "<< Zur\xC3\xBC"
         "ck",
         u'z'},
        {"Report &editieren", "Report editieren", u'e'},
        {"&Name && Firma:", "Name & Firma:", u'n'},
        {"A && B", "A & B", 0},
        {"&&&Ja", "&Ja", u'j'},
        {"&\xC3\x9C"
         "bernehmen",
         "\xC3\x9C"
         "bernehmen",
         u'\xFC'},
        {"Zeile 1\r\nZeile 2\n\nEnde", "Zeile 1 Zeile 2 Ende", 0},
        {"Ende&", "Ende&", 0},
        {"", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(PlainLabel(QString::fromUtf8(c.label)), QString::fromUtf8(c.plain));
        EXPECT_EQ(MnemonicOf(QString::fromUtf8(c.label)), QChar(c.mnemonic));
    }
}

// A page with the common page behaviour over the gallery template (info box 1171, Back 1015,
// default button Next 1016), logging what reaches it.
class CommonPage : public CPageDlg {
  public:
    explicit CommonPage(ReportRecord* pRecord) : CPageDlg(Register(), pRecord) {}
    const char* ClassName() const override { return "CCommonPage"; }
    void DoDataExchange(DataExchange& dx) override {
        dx.Text(1171, m_strInfo);
        dx.Text(1101, m_strLine, 8);
        dx.Text(1102, m_strLines, 40);
    }
    void OnCommand(int id, Notify code) override {
        if (code == Notify::SetFocus || code == Notify::KillFocus || code == Notify::Clicked)
            log.push_back(std::to_string(id) + (code == Notify::SetFocus    ? " setfocus"
                                                : code == Notify::KillFocus ? " killfocus"
                                                                            : " clicked"));
        CPageDlg::OnCommand(id, code);
    }
    std::vector<std::string> log;
    std::string m_strLine;
    std::string m_strLines;

  private:
    static int Register() {
        RegisterTemplate(mirel::test::GalleryTemplate());
        return mirel::test::GalleryTemplate().id;
    }
};

TEST(Keyboard, ReturnPressesTheDefaultButtonAndEscapeNeverClosesAPage) {
    using CommonSetup = std::function<void(CommonPage&)>;
    struct Case {
        const char* name;
        CommonSetup setup;
        int focus;
        int key;
        bool ended;
        int back;
        const char* text1102; // nullptr: not looked at
    } const cases[] = {
        {"Return in an edit presses Next", [](CommonPage&) {}, 1101, Qt::Key_Return, true, 0, nullptr},
        {"Enter of the keypad as well", [](CommonPage&) {}, 1101, Qt::Key_Enter, true, 0, nullptr},
        {"Return in a check box presses Next", [](CommonPage&) {}, 1130, Qt::Key_Return, true, 0, nullptr},
        {"Return on Back presses Back", [](CommonPage&) {}, 1015, Qt::Key_Return, true, 1, nullptr},
        {"Return with Next disabled does nothing", [](CommonPage& p) { p.EnableItem(1016, false); }, 1101,
         Qt::Key_Return, false, 0, nullptr},
        {"Return with Next hidden does nothing", [](CommonPage& p) { p.ShowItem(1016, false); }, 1101,
         Qt::Key_Return, false, 0, nullptr},
        {"Return in an edit that takes it makes a line", [](CommonPage&) {}, 1102, Qt::Key_Return, false, 0,
         "\r\n"},
        {"Return in such an edit when read-only does nothing",
         [](CommonPage& p) { p.SetReadOnly(1102, true); }, 1102, Qt::Key_Return, false, 0, ""},
        {"Escape in an edit", [](CommonPage&) {}, 1101, Qt::Key_Escape, false, 0, nullptr},
        {"Escape in a list", [](CommonPage&) {}, 1140, Qt::Key_Escape, false, 0, nullptr},
        {"Escape on Next", [](CommonPage&) {}, 1016, Qt::Key_Escape, false, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportRecord record;
        CommonPage page(&record);
        bool windowShown = false;
        std::string text;
        const int result = RunInteractive<CommonPage>(page, [&](CommonPage& p) {
            c.setup(p);
            p.UserFocus(c.focus);
            Press(c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier,
                  c.key == Qt::Key_Escape ? QStringLiteral("\x1b") : QStringLiteral("\r"));
            windowShown = PageWindow() != nullptr && PageWindow()->isVisible();
            if (p.IsOpen())
                text = p.GetItemText(1102);
        });
        EXPECT_EQ(result == kIdOk, c.ended);
        EXPECT_EQ(windowShown, !c.ended);
        EXPECT_EQ(record.m_bBack, c.back);
        if (c.text1102 != nullptr) {
            EXPECT_EQ(text, c.text1102);
        }
    }
}

TEST(Keyboard, InfoBoxHandsItsFocusToNext) {
    // Reached by Shift+Tab and by a click, the info box passes the focus on at once.
    struct Case {
        const char* name;
        std::function<void()> act;
    } const cases[] = {
        {"Shift+Tab", [] { Press(Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"click",
         [] { Click(static_cast<QAbstractScrollArea*>(ControlWidget(1171))->viewport(), QPoint(5, 5)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportRecord record;
        CommonPage page(&record);
        std::vector<std::string> log;
        bool nextHasTheWidgetFocus = false;
        RunInteractive<CommonPage>(page, [&](CommonPage& p) {
            p.UserFocus(1101);
            p.log.clear();
            c.act();
            log = p.log;
            nextHasTheWidgetFocus = QApplication::focusWidget() == ControlWidget(1016);
        });
        EXPECT_EQ(log, (std::vector<std::string>{"1101 killfocus", "1171 setfocus", "1171 killfocus",
                                                 "1016 setfocus"}));
        EXPECT_TRUE(nextHasTheWidgetFocus);
    }
}

TEST(Keyboard, WelcomePageTabsThroughTheProductsAndIgnoresReturnAndEscape) {
    CWelcomeDlg welcome;
    std::vector<int> reached;
    bool shownAfterKeys = false;
    RunInteractive<CWelcomeDlg>(welcome, [&](CWelcomeDlg& w) {
        EXPECT_EQ(w.GetFocusItem(), 0);
        Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")); // the default button is hidden
        Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        shownAfterKeys = w.IsOpen() && PageWindow() != nullptr && PageWindow()->isVisible();
        for (int i = 0; i < 7; ++i) {
            Press(Qt::Key_Tab);
            reached.push_back(w.GetFocusItem());
        }
    });
    EXPECT_TRUE(shownAfterKeys);
    EXPECT_EQ(reached, (std::vector<int>{1077, 1276, 1085, 1275, 1274, 1015, 1077}));
}

} // namespace
} // namespace mirel::qt::test
