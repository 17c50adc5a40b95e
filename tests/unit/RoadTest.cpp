// Every edit of every page on every end-to-end road takes typed text key by key exactly, also
// where the page refreshes its controls on each key, and the road still saves its report byte
// for byte.
#include <gtest/gtest.h>

#include "platform/headless/HeadlessHost.h"
#include "tests/unit/Roads.h"

namespace mirel {
namespace {

TEST(Roads, EveryEditTakesTypedTextKeyByKey) {
    HeadlessHost host;
    for (const auto& road : test::Roads()) {
        const test::RoadResult r = test::RunRoad(road, host);
        EXPECT_EQ(r.pages, r.expectedPages) << road.filename();
        for (const std::string& failure : r.failures)
            ADD_FAILURE() << road.filename() << ": " << failure;
    }
}

} // namespace
} // namespace mirel
