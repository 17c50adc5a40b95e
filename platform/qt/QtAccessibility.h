// What screen readers learn of a page through Qt's accessibility interfaces (AT-SPI on Linux):
// the page's children in template order, which is the tab order, radio buttons as radio
// buttons, pictures that act as buttons with a press action, and texts whose changes are
// announced.
#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

namespace mirel::qt {

// The page window reports `children()` as its accessible children, in that order. Call before
// anything asks for the window's accessible interface.
void SetPageAccessible(QWidget* page, std::function<QList<QWidget*>()> children);

// A control reported with `role`. `press`, when given, is what the press (and for radio
// buttons the toggle) action does. Call right after the widget is made.
void SetControlAccessible(QWidget* control, QAccessible::Role role, std::function<void()> press = {});

// Tells screen readers that `control` now says `text`, as a live region announces a change:
// the text becomes the control's accessible description (a property change AT-SPI reports),
// and where Qt can make an announcement, it is announced.
void AnnounceChange(QWidget* control, const QString& text);

} // namespace mirel::qt
