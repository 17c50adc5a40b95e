// Real input on the Qt widgets, with no scripted user: what a person types, clicks and presses
// reaches the page through the dialog's common logic.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

#include "platform/Agent.h"
#include "tests/qt/QtTestEnvironment.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

QWidget* Find(const char* accessibleName) {
    QWidget* top = QApplication::activeModalWidget();
    if (top == nullptr)
        return nullptr;
    for (QWidget* w : top->findChildren<QWidget*>())
        if (w->accessibleName() == QString::fromUtf8(accessibleName))
            return w;
    return nullptr;
}

void Press(QWidget* target, int key, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(target, &release);
}

// Shows the page modally as the real program does and runs `actions` inside its event loop.
void RunInteractive(TestPage& page, const std::function<void(TestPage&)>& actions) {
    SetHost(&Environment().GetHost());
    ASSERT_EQ(GetAgent(), nullptr);
    QTimer::singleShot(0, [&] {
        actions(page);
        page.EndDialog(kIdOk);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] { page.EndDialog(kIdCancel); });
    watchdog.start(10000);
    EXPECT_EQ(page.DoModal(), kIdOk);
    SetHost(nullptr);
}

TEST(UserInput, TypingIsFilteredCutAndReportedOnce) {
    struct Case {
        const char* edit;
        int id;
        std::vector<QString> keys; // texts typed one key press each; "\n" is Return
        const char* expected;
    } const cases[] = {
        {"name", kName, {QString::fromUtf8("\xE2\x82\xAC \xE2\x86\x92 \xE2\x9C\x93")}, "\xE2\x82\xAC ? ?"},
        {"name", kName, {QStringLiteral("123456789")}, "12345678"},
        {"name", kName, {QStringLiteral("1234"), QStringLiteral("5678"), QStringLiteral("9")}, "12345678"},
        {"notes", kNotes, {QStringLiteral("ab"), QStringLiteral("\n"), QStringLiteral("cd")}, "ab\r\ncd"},
        {"notes", kNotes, {QStringLiteral("12345678901"), QStringLiteral("\n")}, "12345678901"},
        {"notes", kNotes, {QString::fromUtf8("\xF0\x9F\x98\x80x")}, "?x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TestPage page;
        page.m_strNotes.clear();
        int changes = -1;
        std::string text;
        bool modified = false;
        RunInteractive(page, [&](TestPage& p) {
            QWidget* edit = Find(c.edit);
            ASSERT_NE(edit, nullptr);
            edit->setFocus();
            p.log.clear();
            for (const QString& key : c.keys) {
                if (key == QStringLiteral("\n"))
                    Press(edit, Qt::Key_Return, QStringLiteral("\r"));
                else
                    Press(edit, Qt::Key_unknown, key);
            }
            changes =
                static_cast<int>(std::count(p.log.begin(), p.log.end(), std::to_string(c.id) + " change"));
            text = p.GetItemText(c.id);
            modified = p.GetModify(c.id);
        });
        EXPECT_EQ(text, c.expected);
        EXPECT_TRUE(modified);
        EXPECT_GE(changes, 1);
    }
}

TEST(UserInput, ProgramTextSendsNoChange) {
    TestPage page;
    RunInteractive(page, [](TestPage& p) {
        p.log.clear();
        p.SetItemText(kNotes, "neu\r\nda");
        p.SetItemText(kName, "Zu langer Name"); // longer than the limit 8: shown whole
        EXPECT_TRUE(p.log.empty());
        EXPECT_EQ(static_cast<QLineEdit*>(Find("name"))->text(), QStringLiteral("Zu langer Name"));
        EXPECT_EQ(static_cast<QPlainTextEdit*>(Find("notes"))->toPlainText(), QStringLiteral("neu\nda"));
        EXPECT_FALSE(p.GetModify(kNotes));
    });
}

TEST(UserInput, ClicksKeepTheDialogsChecks) {
    struct Case {
        std::vector<const char*> clicks;
        int a, b, c, check;
    } const cases[] = {
        {{"radio-b"}, 0, 1, 0, 0},
        {{"radio-b", "radio-b"}, 0, 1, 0, 0}, // a second click does not clear the choice
        {{"radio-a", "radio-c"}, 0, 0, 1, 0},
        {{"check"}, 0, 0, 0, 1},
        {{"check", "check"}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TestPage page;
        int got[4] = {};
        bool widgetsAgree = false;
        RunInteractive(page, [&](TestPage& p) {
            for (const char* name : c.clicks)
                static_cast<QAbstractButton*>(Find(name))->click();
            got[0] = p.GetCheck(kRadioA);
            got[1] = p.GetCheck(kRadioB);
            got[2] = p.GetCheck(kRadioC);
            got[3] = p.GetCheck(kCheck);
            widgetsAgree = static_cast<QAbstractButton*>(Find("radio-a"))->isChecked() == (got[0] != 0) &&
                           static_cast<QAbstractButton*>(Find("radio-b"))->isChecked() == (got[1] != 0) &&
                           static_cast<QAbstractButton*>(Find("radio-c"))->isChecked() == (got[2] != 0) &&
                           static_cast<QAbstractButton*>(Find("check"))->isChecked() == (got[3] != 0);
        });
        EXPECT_EQ(got[0], c.a);
        EXPECT_EQ(got[1], c.b);
        EXPECT_EQ(got[2], c.c);
        EXPECT_EQ(got[3], c.check);
        EXPECT_TRUE(widgetsAgree);
    }
}

TEST(UserInput, KeysAndCloseGoToThePageAndNeverCloseTheWindow) {
    struct Case {
        const char* focus;
        int key;
        bool close;
        const char* expected;
    } const cases[] = {
        {"name", Qt::Key_Escape, false, "cancel"},
        {"name", Qt::Key_Return, false, "60 clicked"}, // the default button
        {"other", Qt::Key_Return, false, "61 clicked"},
        {"memo", Qt::Key_Return, false, "60 clicked"}, // no want-return: the dialog's Enter
        {"name", 0, true, "close"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        TestPage page;
        std::vector<std::string> log;
        bool stillShown = false;
        RunInteractive(page, [&](TestPage& p) {
            QWidget* focus = Find(c.focus);
            p.UserFocus(c.focus == std::string("other")  ? kOther
                        : c.focus == std::string("memo") ? kMemo
                                                         : kName);
            p.log.clear();
            if (c.close)
                QApplication::activeModalWidget()->close();
            else
                Press(focus, c.key);
            log = p.log;
            stillShown = QApplication::activeModalWidget() != nullptr &&
                         QApplication::activeModalWidget()->isVisible();
        });
        EXPECT_EQ(log, std::vector<std::string>{c.expected});
        EXPECT_TRUE(stillShown);
    }
}

TEST(UserInput, ListReportsDropDownAndPick) {
    TestPage page;
    RunInteractive(page, [](TestPage& p) {
        auto* combo = static_cast<QComboBox*>(Find("list"));
        ASSERT_NE(combo, nullptr);
        p.log.clear();
        combo->showPopup();
        combo->hidePopup();
        EXPECT_EQ(p.log, std::vector<std::string>{"50 dropdown"});
        p.log.clear();
        emit combo->activated(2);
        EXPECT_EQ(p.log, std::vector<std::string>{"50 selchange"});
        EXPECT_EQ(p.GetCurSel(kList), 2);
        EXPECT_EQ(p.GetItemText(kList), "Gamma");
    });
}

TEST(UserInput, FocusFromTheUserSendsKillAndSetFocus) {
    TestPage page;
    RunInteractive(page, [](TestPage& p) {
        QApplication::setActiveWindow(QApplication::activeModalWidget());
        const int before = p.GetFocusItem();
        p.log.clear();
        Find("notes")->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(p.GetFocusItem(), kNotes);
        EXPECT_EQ(p.log, (std::vector<std::string>{std::to_string(before) + " killfocus", "21 setfocus"}));
        // The page moving the focus shows it on the widget without a second round of events.
        p.log.clear();
        p.SetFocusItem(kCheck);
        QApplication::processEvents();
        EXPECT_EQ(p.log, (std::vector<std::string>{"21 killfocus", "40 setfocus"}));
        EXPECT_EQ(QApplication::focusWidget(), Find("check"));
    });
}

TEST(UserInput, PictureClickReachesThePage) {
    TestPage page;
    RunInteractive(page, [](TestPage& p) {
        QWidget* picture = Find("Quorix*Test");
        ASSERT_NE(picture, nullptr);
        p.log.clear();
        const QPointF centre(picture->width() / 2.0, picture->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, centre, picture->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, picture->mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &release);
        Press(picture, Qt::Key_Space, QStringLiteral(" "));
        EXPECT_EQ(p.log, (std::vector<std::string>{"70 clicked", "70 clicked"}));
    });
}

} // namespace
} // namespace mirel::qt::test
