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
#include "platform/qt/QtInput.h"

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
    SendKey(target, key, mods, text);
}

// A left click in `target` near its left edge, where a check mark is, through the window as the
// mouse makes it.
inline void Click(QWidget* target) {
    ASSERT_NE(target, nullptr);
    SendClick(target, QPoint(4, target->height() / 2));
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
