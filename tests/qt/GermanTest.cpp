// German throughout: Qt's own texts in the message boxes, file dialogs and context menus come
// out German, and the program's message boxes carry their German buttons.
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "tests/qt/Interactive.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

// The action texts of a menu without the key names after the tab, and those key names.
QStringList ActionTexts(const QMenu& menu, QStringList* keys) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        texts << action->text().section(u'\t', 0, 0);
        *keys << action->text().section(u'\t', 1);
    }
    return texts;
}

TEST(German, QtsOwnTextsAreTranslated) {
    struct Case {
        const char* context;
        const char* english;
        const char* german;
    } const cases[] = {
        {"QPlatformTheme", "&Yes", "&Ja"},
        {"QPlatformTheme", "&No", "&Nein"},
        {"QPlatformTheme", "Cancel", "Abbrechen"},
        {"QLineEdit", "&Copy", "&Kopieren"},
        {"QFileDialog", "File &name:", "Datei&name:"},
        {"QShortcut", "Ctrl", "Strg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(QCoreApplication::translate(c.context, c.english), QString::fromUtf8(c.german));
    }
    EXPECT_EQ(QLocale().language(), QLocale::German);
}

TEST(German, ContextMenusOfTheEditsAreGerman) {
    // The menu a right click opens, on the edits of a real page.
    struct Case {
        int id;
        QStringList expected;
    } const cases[] = {
        {kName,
         {QStringLiteral("&Rückgängig"), QStringLiteral("Wieder&herstellen"), QStringLiteral("&Ausschneiden"),
          QStringLiteral("&Kopieren"), QStringLiteral("Einf&ügen"), QStringLiteral("Löschen"),
          QStringLiteral("Alles auswählen")}},
        {kNotes,
         {QStringLiteral("&Rückgängig"), QStringLiteral("Wieder&herstellen"), QStringLiteral("&Ausschneiden"),
          QStringLiteral("&Kopieren"), QStringLiteral("Einf&ügen"), QStringLiteral("Löschen"),
          QStringLiteral("Alles auswählen")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        TestPage page;
        QStringList texts;
        QStringList keys;
        RunInteractive<TestPage>(page, [&](TestPage&) {
            QWidget* edit = ControlWidget(c.id);
            ASSERT_NE(edit, nullptr);
            std::unique_ptr<QMenu> menu;
            if (auto* line = qobject_cast<QLineEdit*>(edit))
                menu.reset(line->createStandardContextMenu());
            else
                menu.reset(static_cast<QPlainTextEdit*>(edit)->createStandardContextMenu());
            texts = ActionTexts(*menu, &keys);
        });
        for (const QString& expected : c.expected)
            EXPECT_TRUE(texts.contains(expected))
                << expected.toStdString() << " in " << texts.join(u'|').toStdString();
        EXPECT_TRUE(keys.contains(QStringLiteral("Strg+C"))) << keys.join(u'|').toStdString();
    }
}

TEST(German, ProgramMessageBoxesHaveGermanButtonsAndGiveTheRightAnswer) {
    const std::unique_ptr<Services> services = CreateServices();
    const QStringList ok = {QStringLiteral("OK")};
    const QStringList yesNo = {QStringLiteral("&Ja"), QStringLiteral("&Nein")};
    const QStringList yesNoCancel = {QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                     QStringLiteral("Abbrechen")};
    struct Case {
        MsgButtons buttons;
        int defaultButton;
        const char* press; // the label of the button clicked, or a key
        QStringList labels;
        const char* defaultLabel;
        MsgAnswer answer;
    } const cases[] = {
        {MsgButtons::Ok, 1, "OK", ok, "OK", MsgAnswer::Ok},
        {MsgButtons::Ok, 1, "<Escape>", ok, "OK", MsgAnswer::Ok},
        {MsgButtons::YesNo, 2, "&Ja", yesNo, "&Nein", MsgAnswer::Yes},
        {MsgButtons::YesNo, 2, "&Nein", yesNo, "&Nein", MsgAnswer::No},
        {MsgButtons::YesNo, 2, "<Return>", yesNo, "&Nein", MsgAnswer::No},
        {MsgButtons::YesNo, 1, "<Escape>", yesNo, "&Ja", MsgAnswer::No},
        {MsgButtons::YesNo, 2, "<Alt+J>", yesNo, "&Nein", MsgAnswer::Yes},
        {MsgButtons::YesNo, 1, "<N>", yesNo, "&Ja", MsgAnswer::No},
        {MsgButtons::YesNoCancel, 1, "Abbrechen", yesNoCancel, "&Ja", MsgAnswer::Cancel},
        {MsgButtons::YesNoCancel, 1, "<Escape>", yesNoCancel, "&Ja", MsgAnswer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.labels.join(u' ').toStdString() + " press " + c.press);
        QStringList labels;
        QString defaultLabel;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            QApplication::setActiveWindow(box);
            for (QAbstractButton* b : box->buttons())
                labels << b->text();
            if (box->defaultButton() != nullptr)
                defaultLabel = box->defaultButton()->text();
            const std::string press = c.press;
            if (press == "<Escape>")
                Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
            else if (press == "<Return>")
                Press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            else if (press == "<Alt+J>")
                Press(Qt::Key_J, Qt::AltModifier, QStringLiteral("j"));
            else if (press == "<N>")
                Press(Qt::Key_N, Qt::NoModifier, QStringLiteral("n"));
            else
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QString::fromUtf8(c.press))
                        b->click();
        });
        const MsgAnswer answer =
            services->MessageBox("Mirel beenden", "Wirklich?", c.buttons, MsgIcon::Question, c.defaultButton);
        EXPECT_EQ(answer, c.answer);
        QStringList expected = c.labels;
        expected.sort();
        labels.sort();
        EXPECT_EQ(labels, expected);
        EXPECT_EQ(defaultLabel, QString::fromUtf8(c.defaultLabel));
    }
}

TEST(German, QtMessageBoxStandardButtonsAreGerman) {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                           QMessageBox::Save | QMessageBox::Close);
    struct Case {
        QMessageBox::StandardButton button;
        const char* text;
    } const cases[] = {
        {QMessageBox::Ok, "OK"},          {QMessageBox::Yes, "&Ja"},
        {QMessageBox::No, "&Nein"},       {QMessageBox::Cancel, "Abbrechen"},
        {QMessageBox::Save, "Speichern"}, {QMessageBox::Close, "Schließen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_NE(box.button(c.button), nullptr);
        EXPECT_EQ(box.button(c.button)->text(), QString::fromUtf8(c.text));
    }
}

TEST(German, FileDialogsSpeakGermanAndGiveThePathWithItsExtension) {
    const std::unique_ptr<Services> services = CreateServices();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    struct Case {
        bool save;
        bool accept;
        QStringList labels; // texts that must show in the dialog
        std::optional<std::string> expected;
    } const cases[] = {
        {true,
         true,
         {QStringLiteral("Datei&name:"), QStringLiteral("Suchen in:"), QStringLiteral("Dateien des Typs:"),
          QStringLiteral("S&peichern"), QStringLiteral("Abbrechen")},
         (QDir(dir.path()).filePath(QStringLiteral("Report von Muster & Co.txt"))).toStdString()},
        {true, false, {QStringLiteral("Abbrechen")}, std::nullopt},
        {false,
         false,
         {QStringLiteral("Datei&name:"), QStringLiteral("&Öffnen"), QStringLiteral("Abbrechen")},
         std::nullopt},
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
            if (c.accept)
                QMetaObject::invokeMethod(dialog, "accept"); // as the Save button does
            else
                dialog->reject();
        });
        const std::optional<std::string> path =
            c.save ? services->SaveFileDialog("Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||", "txt",
                                              "Report von Muster & Co")
                   : services->OpenFileDialog("Textdateien (*.txt)|*.txt||", "txt");
        EXPECT_TRUE(widgetDialog);
        for (const QString& label : c.labels)
            EXPECT_TRUE(shown.contains(label))
                << label.toStdString() << " in " << shown.join(u'|').toStdString();
        EXPECT_EQ(path, c.expected);
    }
    QDir::setCurrent(before);
}

} // namespace
} // namespace mirel::qt::test
