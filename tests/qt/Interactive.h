// The Qt application the tests run in, and pages shown as the program shows them, with no
// scripted user: a keyboard and mouse reach the widgets the way Qt delivers real input.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/qt/QtHost.h"

// Qt's own test library delivers key presses through this hook of QtGui: the shortcut map sees
// the key first, as with a real keyboard. The tests do the same without linking that library.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);
// ... and mouse clicks through this one, as the window system hands them to a window.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

// QtTest's way of marking an event as one from the window system (QEvent befriends this class).
class QSpontaneKeyEvent {
  public:
    static void setSpontaneous(QEvent* event) { event->setSpontaneous(); }
};

namespace mirel::qt::test {

// The Qt application (offscreen), created once by the test main.
QtEnvironment& Environment();

// The window of the page that runs now, and the widget of its control `id`.
inline QWidget* PageWindow() {
    return QApplication::activeModalWidget();
}
inline QWidget* ControlWidget(int id) {
    return PageWindow() != nullptr ? PageWindow()->findChild<QWidget*>(QString::number(id)) : nullptr;
}

// Presses and releases a key: a matching shortcut takes it first, else the focused widget (or
// the window when nothing has the focus) gets it.
inline void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {}) {
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : PageWindow();
    ASSERT_NE(target, nullptr);
    if (qt_sendShortcutOverrideEvent(target, 0, key, mods, text, false, 1))
        return;
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        QKeyEvent event(type, key, mods, text);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : target,
                                &event);
    }
}

// A left click in `target` near its left edge, where a check mark is, through the window as the
// mouse makes it (Qt gives the focus on a click only there).
inline void Click(QWidget* target) {
    ASSERT_NE(target, nullptr);
    static int timestamp = 0;
    const QPoint at(4, target->height() / 2);
    const QPointF local(target->mapTo(target->window(), at));
    const QPointF global(target->mapToGlobal(at));
    timestamp += 1000; // never a double click
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        qt_handleMouseEvent(target->window()->windowHandle(), local, global,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
                            type, Qt::NoModifier, timestamp += 10);
}

// Runs `page` modally as the program does and calls `actions` inside its modal loop with the
// window active. A page that is still open afterwards is ended with kIdCancel.
template <class Page> int RunInteractive(Page& page, const std::function<void(Page&)>& actions) {
    SetHost(&Environment().GetHost());
    EXPECT_EQ(GetAgent(), nullptr);
    QTimer::singleShot(0, [&] {
        QApplication::setActiveWindow(PageWindow());
        actions(page);
        if (page.IsOpen())
            page.EndDialog(kIdCancel);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        ADD_FAILURE() << "page still open after 10 s";
        page.EndDialog(kIdCancel);
    });
    watchdog.start(10000);
    const int result = page.DoModal();
    SetHost(nullptr);
    return result;
}

} // namespace mirel::qt::test
