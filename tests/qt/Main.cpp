#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>
#include <gtest/gtest.h>

#include "platform/Services.h"
#include "tests/qt/Interactive.h"

namespace mirel::qt::test {
namespace {
QtEnvironment* g_environment = nullptr;
}
QtEnvironment& Environment() {
    return *g_environment;
}
} // namespace mirel::qt::test

int main(int argc, char** argv) {
    mirel::KeepWriteSignalsHarmless();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    // The tests run with a home and user folders of their own that go away with them, so
    // nothing they do lands in the real ones, and a test can see what the program leaves there.
    const QTemporaryDir home;
    const QTemporaryDir config;
    const QTemporaryDir other;
    if (!home.isValid() || !config.isValid() || !other.isValid())
        return 1;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    for (const char* name : {"XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, other.path().toUtf8());
    testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<mirel::qt::QtEnvironment> environment = mirel::qt::CreateEnvironment(argc, argv);
    mirel::qt::test::g_environment = environment.get();
    return RUN_ALL_TESTS();
}
