// The program keeps no settings: Qt's file dialog must not leave its history in the user's
// configuration folder or home.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt/QtHost.h"
#include "tests/qt/QtTestEnvironment.h"

namespace mirel::qt::test {
namespace {

// Every file below `folder`.
QStringList FilesIn(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

TEST(Settings, FileDialogsLeaveNoSettingsFile) {
    // The test main points HOME and XDG_CONFIG_HOME at temporary folders of their own.
    const QStringList folders = {qEnvironmentVariable("HOME"), qEnvironmentVariable("XDG_CONFIG_HOME")};
    for (const QString& folder : folders)
        ASSERT_TRUE(folder.startsWith(QDir::tempPath())) << folder.toStdString();
    const std::unique_ptr<Services> services = CreateServices();
    struct Case {
        const char* name;
        std::function<std::optional<std::string>()> show;
    } const cases[] = {
        {"save", [&] { return services->SaveFileDialog("Textdatei (*.txt)|*.txt||", "txt", "Bericht.txt"); }},
        {"open", [&] { return services->OpenFileDialog("Alle Dateien (*.*)|*.*||", ""); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool shown = false;
        QTimer::singleShot(200, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                shown = true;
                dialog->reject();
            }
        });
        EXPECT_EQ(c.show(), std::nullopt);
        EXPECT_TRUE(shown);
        for (const QString& folder : folders)
            EXPECT_EQ(FilesIn(folder), QStringList()) << folder.toStdString();
    }
}

} // namespace
} // namespace mirel::qt::test
