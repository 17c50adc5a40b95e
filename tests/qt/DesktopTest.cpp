// What needs a real desktop, run under a window manager on a virtual X display
// (tests/with-desktop.sh): the X server delivers the input, the window manager frames, places,
// maps and closes the windows. Skipped on other platforms.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/qt/Interactive.h"
#include "tests/unit/Roads.h"

namespace mirel::qt::test {
namespace {

bool OnDesktop() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Lets the window system and the window manager catch up: events are handled until `done`
// holds (or for `ms` milliseconds at most).
void Settle(int ms, const std::function<bool()>& done = {}) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done && done())
            return;
    }
}

// The window's frame as the window manager shows it, once it has stopped moving.
QRect SettledFrame(QWidget* window) {
    QRect last;
    int same = 0;
    Settle(3000, [&] {
        const QRect now = window->frameGeometry();
        same = now == last && window->windowHandle() != nullptr && window->windowHandle()->isExposed()
                   ? same + 1
                   : 0;
        last = now;
        return same >= 5;
    });
    return last;
}

void Xdotool(const QStringList& args) {
    QProcess::execute(QStringLiteral("xdotool"), args);
}

TEST(Desktop, EveryRoadTypedKeyByKeyStaysWhereMovedWithTheWelcomeWindowUnmapped) {
    if (!OnDesktop())
        GTEST_SKIP() << "needs an X display with a window manager (tests/with-desktop.sh)";
    int step = 0;
    for (const auto& road : mirel::test::Roads()) {
        QWidget* welcome = nullptr;
        QPoint expected;
        const auto onPage = [&](Dialog& page) {
            QWidget* window = PageWindow();
            ASSERT_NE(window, nullptr);
            const QRect frame = SettledFrame(window);
            const std::string where = road.filename().string() + " " + page.ClassName();
            if (welcome == nullptr) {
                welcome = window;
            } else {
                // The welcome window stays out of sight, unmapped, while the pages run.
                EXPECT_FALSE(welcome->isVisible()) << where;
                EXPECT_FALSE(welcome->windowHandle()->isExposed()) << where;
                // The page opens where the user left the one before.
                EXPECT_EQ(frame.topLeft(), expected) << where;
            }
            // The user drags the window somewhere else; the next page must open there.
            ++step;
            const QPoint target(120 + (step * 37) % 300, 90 + (step * 23) % 200);
            Xdotool({QStringLiteral("windowmove"), QString::number(window->winId()),
                     QString::number(target.x()), QString::number(target.y())});
            expected = SettledFrame(window).topLeft();
        };
        const mirel::test::RoadResult r = mirel::test::RunRoad(road, Environment().GetHost(), onPage);
        EXPECT_EQ(r.pages, r.expectedPages) << road.filename();
        for (const std::string& failure : r.failures)
            ADD_FAILURE() << road.filename() << ": " << failure;
    }
}

} // namespace
} // namespace mirel::qt::test
