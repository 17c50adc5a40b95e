#include "platform/qt/QtInput.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

// Qt's test library delivers input through these hooks of QtGui, as the window system does:
// the shortcut map sees a key first, and a mouse event reaches a window at a point.
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text, bool autorep, ushort count);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

// QtTest's way of marking an event as one from the window system (QEvent befriends this class).
class QSpontaneKeyEvent {
  public:
    static void setSpontaneous(QEvent* event) { event->setSpontaneous(); }
};

namespace mirel::qt {
namespace {

int NextTimestamp() {
    static int timestamp = 0;
    return timestamp += 1000; // far apart: never a double click
}

} // namespace

void SendKey(QWidget* target, int key, Qt::KeyboardModifiers mods, const QString& text) {
    if (target == nullptr)
        return;
    if (qt_sendShortcutOverrideEvent(target, 0, key, mods, text, false, 1))
        return;
    // The press may end the page and take its widgets away.
    QPointer<QWidget> guard(target);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (guard.isNull())
            return;
        QKeyEvent event(type, key, mods, text);
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::sendEvent(guard.data(), &event);
    }
}

void SendCommit(QWidget* target, const QString& text) {
    if (target == nullptr)
        return;
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

void SendClick(QWidget* target, QPoint at) {
    if (target == nullptr || target->window()->windowHandle() == nullptr)
        return;
    QPointer<QWidget> guard(target);
    const QPointF local(target->mapTo(target->window(), at));
    const QPointF global(target->mapToGlobal(at));
    QWindow* window = target->window()->windowHandle();
    const int timestamp = NextTimestamp();
    qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                        Qt::NoModifier, timestamp);
    // The press may have ended the page and closed its window.
    if (guard.isNull() || !guard->isVisible())
        return;
    qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                        Qt::NoModifier, timestamp + 10);
}

} // namespace mirel::qt
