// The host beyond the page windows: it keeps exactly the state the headless host keeps, its
// message boxes and file dialogs speak German and give the right answers, and the file dialogs
// leave no settings behind.
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextCursor>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

#include "platform/Scope.h"
#include "platform/headless/HeadlessHost.h"
#include "tests/qt/Interactive.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

// All a page or a script can see of `p`, and more; per control its text, whether it is visible,
// enabled, read-only and modified, its limit, check and list state.
std::string Seen(TestPage& p) {
    std::ostringstream out;
    out << "caption=" << p.GetCaption() << " focus=" << p.GetFocusItem() << "\n";
    for (const ControlTemplate& c : p.Template().controls) {
        if (c.id <= 0)
            continue;
        out << c.id << " [" << p.GetItemText(c.id) << "] " << p.IsItemVisible(c.id) << p.IsItemEnabled(c.id)
            << p.IsReadOnly(c.id) << p.GetModify(c.id) << " limit " << p.GetWindow()->GetLimit(c.id)
            << " check " << p.GetCheck(c.id) << " list " << p.GetCurSel(c.id) << "/" << p.GetListCount(c.id)
            << "\n";
    }
    p.UpdateData(true);
    out << "members [" << p.m_strName << "] [" << p.m_strNotes << "] " << p.m_nChoice << " " << p.m_bKeep
        << " " << p.m_nList << "\n";
    for (const std::string& line : p.log)
        out << line << "\n";
    return out.str();
}

// Shows a page on `host` where a scripted user does `actions` once, and returns what it sees.
std::string RunOn(Host& host, const std::function<void(TestPage&)>& actions) {
    struct Once : Agent {
        explicit Once(const std::function<void(TestPage&)>& f) : actions(f) {}
        void PageShown(Dialog&) override {}
        void Step(Dialog& page) override {
            actions(static_cast<TestPage&>(page));
            seen = Seen(static_cast<TestPage&>(page));
            page.EndDialog(kIdOk);
        }
        const std::function<void(TestPage&)>& actions;
        std::string seen;
    } agent(actions);
    {
        const PlatformScope scope(&host, nullptr, &agent);
        TestPage page;
        page.DoModal();
    }
    return agent.seen;
}

TEST(HostParity, QtKeepsTheStateTheHeadlessHostKeeps) {
    const std::function<void(TestPage&)> cases[] = {
        [](TestPage& p) { // what the program does
            p.SetItemText(kNotes, "a\r\n\r\nb\r\n");
            p.SetItemText(kName, "Zu langer Name"); // never cut by the limit
            p.SetItemText(kLabel, "Neu && anders");
            p.SetItemText(kList, "ignoriert");
            p.SetCaption("Prüfung ✓");
            p.SetCheck(kRadioA, 1);
            p.SetCheck(kRadioC, 1); // two checked buttons in a group stay so
            p.SetCurSel(kList, 7);
            p.ShowItem(kHint, true);
            p.EnableItem(kName, false);
            p.SetReadOnly(kNotes, true);
            p.SetReadOnly(kFixed, false);
            p.SetModify(kMemo, true);
        },
        [](TestPage& p) { // what the user does: typing is cut at the limit, where a break counts two
            p.UserType(kName, "Müller-Lüdenscheidt");
            p.UserType(kNotes, "eins\nzwei\ndrei");
            p.UserType(kMemo, "ä\n✓😀\n€"); // a character beyond 16 bits is one "?" too
            p.UserType(kFixed, "nie");
            p.SetItemText(kMemo, "z"); // program text clears the modified flag
            p.UserClick(kRadioB);
            p.UserClick(kCheck);
            p.UserSelect(kList, 2);
            p.UserFocus(kCheck);
            p.UserKey(Key::Enter);
        },
        [](TestPage& p) { // appended text: short lines packed, long lines shown broken
            p.UserType(kMemo, "getippt");
            std::string lines;
            for (int i = 0; i < 3000; ++i)
                lines += "Zeile " + std::to_string(i) + " mit Ä und €\r\n";
            p.AppendItemText(kMemo, lines);
            p.AppendItemText(kMemo, std::string(9000, 'x') + "\r\n\r\n" + std::string(4096, 'y'));
            p.AppendItemText(kMemo, "z\r\n");
            p.AppendItemText(kMemo, "");
        },
    };
    HeadlessHost headless;
    for (const auto& actions : cases) {
        const std::string expected = RunOn(headless, actions);
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(RunOn(Environment().GetHost(), actions), expected);
    }
}

// A line broken for display reads back whole; a line break the user types into it, at a break
// or inside a piece, is one line break.
TEST(LongLines, BrokenForDisplayOnly) {
    std::string line;
    for (int i = 0; i < 10000; ++i)
        line += static_cast<char>('a' + i % 26);
    // document position of the typed break (every display break is one more character), text
    const std::vector<std::pair<int, std::string>> cases = {
        {-1, line},
        {4097, line.substr(0, 4096) + "\r\n" + line.substr(4096)},
        {4096, line.substr(0, 4096) + "\r\n" + line.substr(4096)},
        {5000, line.substr(0, 4999) + "\r\n" + line.substr(4999)},
        {10002, line + "\r\n"},
    };
    for (const auto& [position, text] : cases) {
        RunOn(Environment().GetHost(), [&, position = position, text = text](TestPage& p) {
            p.SetItemText(kMemo, line);
            QPlainTextEdit* edit = nullptr;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (edit == nullptr)
                    edit = window->findChild<QPlainTextEdit*>(QString::number(kMemo));
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->document()->blockCount(), 3);
            if (position >= 0) {
                QTextCursor cursor(edit->document());
                cursor.setPosition(position);
                cursor.insertBlock();
            }
            EXPECT_TRUE(p.GetItemText(kMemo) == text) << position;
        });
    }
}

TEST(German, ProgramMessageBoxesHaveGermanButtonsAndGiveTheRightAnswer) {
    EXPECT_EQ(QLocale().language(), QLocale::German);
    const std::unique_ptr<Services> services = CreateServices();
    struct Case {
        MsgButtons buttons;
        const char* labels; // between bars
        int defaultButton;
        int key; // pressed with `text`, and with Alt when that is 'j'
        const char* text;
        MsgAnswer answer;
    } const cases[] = {
        {MsgButtons::Ok, "OK", 1, Qt::Key_Escape, "\x1b", MsgAnswer::Ok},
        {MsgButtons::YesNo, "&Ja|&Nein", 2, Qt::Key_Return, "\r", MsgAnswer::No},
        {MsgButtons::YesNo, "&Ja|&Nein", 1, Qt::Key_Escape, "\x1b", MsgAnswer::No},
        {MsgButtons::YesNo, "&Ja|&Nein", 2, Qt::Key_J, "j", MsgAnswer::Yes},
        {MsgButtons::YesNo, "&Ja|&Nein", 1, Qt::Key_N, "n", MsgAnswer::No},
        {MsgButtons::YesNoCancel, "&Ja|&Nein|Abbrechen", 1, Qt::Key_Escape, "\x1b", MsgAnswer::Cancel},
        {MsgButtons::YesNoCancel, "&Ja|&Nein|Abbrechen", 3, Qt::Key_Return, "\r", MsgAnswer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.labels) + " " + std::to_string(c.key));
        QStringList expected = QString::fromUtf8(c.labels).split(u'|');
        QStringList labels;
        QString defaultLabel;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QApplication::setActiveWindow(box);
            for (QAbstractButton* b : box->buttons())
                labels << b->text();
            defaultLabel = box->defaultButton() != nullptr ? box->defaultButton()->text() : QString();
            Press(c.key, std::string(c.text) == "j" ? Qt::AltModifier : Qt::NoModifier,
                  QString::fromLatin1(c.text));
        });
        EXPECT_EQ(
            services->MessageBox("Mirel beenden", "Wirklich?", c.buttons, MsgIcon::Question, c.defaultButton),
            c.answer);
        EXPECT_EQ(defaultLabel, expected[c.defaultButton - 1]);
        expected.sort();
        labels.sort();
        EXPECT_EQ(labels, expected);
    }
}

TEST(German, FileDialogsSpeakGermanGiveThePathWithItsExtensionAndLeaveNoSettings) {
    // The test main points HOME and XDG_CONFIG_HOME at temporary folders of their own.
    const QStringList folders = {qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_CONFIG_HOME")};
    for (const QString& folder : folders)
        ASSERT_TRUE(folder.startsWith(QDir::tempPath())) << folder.toStdString();
    const std::unique_ptr<Services> services = CreateServices();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    struct Case {
        bool save;
        bool accept;
        std::vector<const char*> labels; // texts that must show in the dialog
        std::optional<std::string> expected;
    } const cases[] = {
        {true,
         true,
         {"Datei&name:", "Suchen in:", "Dateien des Typs:", "S&peichern", "Textdatei (*.txt)",
          "Alle Dateien (*)"},
         QDir(dir.path()).filePath(QStringLiteral("Report von Muster & Co.txt")).toStdString()},
        {true, false, {"Abbrechen"}, std::nullopt},
        {false, false, {"&Öffnen", "Abbrechen", "Texte (*.txt *.htm)"}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.save ? "save" : "open");
        QStringList shown;
        bool widgetDialog = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            widgetDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
            for (const QLabel* label : dialog->findChildren<QLabel*>())
                shown << label->text();
            for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
                shown << button->text();
            shown << dialog->nameFilters(); // from the classic filter
            if (c.accept)
                QMetaObject::invokeMethod(dialog, "accept"); // as the Save button does
            else
                dialog->reject();
        });
        const std::optional<std::string> path =
            c.save ? services->SaveFileDialog("Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||", "txt",
                                              "Report von Muster & Co")
                   : services->OpenFileDialog("Texte|*.txt;*.htm||", "txt");
        EXPECT_TRUE(widgetDialog);
        for (const char* label : c.labels)
            EXPECT_TRUE(shown.contains(QString::fromUtf8(label)))
                << label << " in " << shown.join(u'|').toStdString();
        EXPECT_EQ(path, c.expected);
        for (const QString& folder : folders) {
            QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                               QDirIterator::Subdirectories);
            EXPECT_FALSE(files.hasNext()) << files.next().toStdString();
        }
    }
    QDir::setCurrent(before);
}

} // namespace
} // namespace mirel::qt::test
