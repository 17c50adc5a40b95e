// The Qt application every Qt test runs in (offscreen), created once by the test main.
#pragma once

#include "platform/qt/QtHost.h"

namespace mirel::qt::test {

QtEnvironment& Environment();

} // namespace mirel::qt::test
