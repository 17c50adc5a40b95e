// Input as the window system hands it to Qt: key presses that a shortcut sees first, then the
// focused widget; mouse clicks delivered to a window at a point, so that Qt itself finds the
// widget there and gives it the focus by its policy. The host's scripted input and the Qt
// tests use these, so both go through the same paths as a person's keyboard and mouse.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <Qt>

namespace mirel::qt {

// Presses and releases `key` on `target` (the focused widget, or the window when nothing has
// the focus). A matching shortcut takes the key first.
void SendKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString& text = {});

// Text that no key of a keyboard gives (a tab character, a character outside the keyboard's
// layout), committed as an input method does.
void SendCommit(QWidget* target, const QString& text);

// A left click (press and release) at `at` in `target`'s coordinates, through its window.
void SendClick(QWidget* target, QPoint at);

} // namespace mirel::qt
