#include <QByteArray>
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
    testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<mirel::qt::QtEnvironment> environment = mirel::qt::CreateEnvironment(argc, argv);
    mirel::qt::test::g_environment = environment.get();
    return RUN_ALL_TESTS();
}
