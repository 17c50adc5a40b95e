#include <QByteArray>
#include <QSettings>
#include <QTemporaryDir>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "tests/qt/QtTestEnvironment.h"

namespace mirel::qt::test {
namespace {
QtEnvironment* g_environment = nullptr;
}
QtEnvironment& Environment() {
    return *g_environment;
}
} // namespace mirel::qt::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // Qt's file dialog keeps its history in the user's settings; the tests keep theirs in a
    // folder of their own that goes away with them.
    const QTemporaryDir settings;
    if (!settings.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
    qputenv("XDG_CACHE_HOME", settings.path().toUtf8());
    qputenv("XDG_DATA_HOME", settings.path().toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<mirel::qt::QtEnvironment> environment = mirel::qt::CreateEnvironment(argc, argv);
    mirel::qt::test::g_environment = environment.get();
    return RUN_ALL_TESTS();
}
