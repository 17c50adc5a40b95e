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

#include "platform/Scope.h"
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

// Acts on the test start page through the window manager: Alt+F4 first, then the close box
// in the frame's title bar; the scripted user answers the questions that follow.
class WindowManagerUser : public Agent {
  public:
    WindowManagerUser(scenario::Runner& script, const std::ostringstream& log)
        : m_script(script), m_log(log) {}
    void PageShown(Dialog& page) override { m_script.PageShown(page); }
    void Step(Dialog& page) override {
        if (std::string(page.ClassName()) != "CTestStartDlg" || m_done == 2) {
            m_script.Step(page);
            return;
        }
        QWidget* window = PageWindow();
        const QRect frame = SettledFrame(window);
        const std::size_t asked = Questions();
        // A busy machine may lose a click on the frame (the window manager sees the press
        // before the pointer's arrival); then the user clicks again.
        for (int attempt = 0; attempt < 3 && page.IsOpen() && Questions() == asked; ++attempt) {
            if (m_done == 0) {
                Xdotool({QStringLiteral("key"), QStringLiteral("alt+F4")});
            } else {
                // The close button is the last one at the right end of the title bar.
                const QRect client = window->geometry();
                const int bar = client.top() - frame.top();
                Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"),
                         QString::number(frame.right() - bar / 2 - 2), QString::number(frame.top() + bar / 2),
                         QStringLiteral("sleep"), QStringLiteral("0.1"), QStringLiteral("click"),
                         QStringLiteral("1")});
            }
            // The question comes through the window manager's close request, from the event loop.
            Settle(2000, [&] { return !page.IsOpen() || Questions() > asked; });
        }
        ++m_done;
    }

  private:
    std::size_t Questions() const {
        const std::string log = m_log.str();
        std::size_t n = 0;
        for (std::size_t at = log.find("message "); at != std::string::npos;
             at = log.find("message ", at + 1))
            ++n;
        return n;
    }

    scenario::Runner& m_script;
    const std::ostringstream& m_log;
    int m_done = 0;
};

TEST(Desktop, AltF4AndTheCloseBoxAskBeforeEnding) {
    if (!OnDesktop())
        GTEST_SKIP() << "needs an X display with a window manager (tests/with-desktop.sh)";
    std::ostringstream log;
    scenario::Runner runner(scenario::ParseScript("click 1077\nclick 1277\nanswer no\nanswer yes\n"), log);
    WindowManagerUser user(runner, log);
    int status = -1;
    {
        const PlatformScope scope(&Environment().GetHost(), &runner, &user);
        status = runner.Run();
    }
    const std::string question =
        "beep question\nmessage \"Mirel beenden\" \"Wollen Sie das Programm wirklich "
        "beenden?\\n\\nWenn Sie das Programm jetzt beenden, werden alle Angaben "
        "verworfen.\" yesno question -> ";
    EXPECT_EQ(log.str(), "page CWelcomeDlg\npage CVersionTypeDlg\npage CTestStartDlg\n" + question + "no\n" +
                             question + "yes\nexit 0\n");
    EXPECT_EQ(status, 0);
}

} // namespace
} // namespace mirel::qt::test
