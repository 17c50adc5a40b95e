#include "platform/qt/QtAccessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <utility>

namespace mirel::qt {
namespace {

class PageAccessible : public QAccessibleWidget {
  public:
    PageAccessible(QWidget* page, std::function<QList<QWidget*>()> children)
        : QAccessibleWidget(page, QAccessible::Dialog), m_children(std::move(children)) {}

    int childCount() const override { return static_cast<int>(m_children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = m_children();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children[index])
                                                     : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr)
            return -1;
        return static_cast<int>(m_children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    std::function<QList<QWidget*>()> m_children;
};

class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* control, QAccessible::Role role, std::function<void()> press)
        : QAccessibleWidget(control, role), m_press(std::move(press)) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget());
            button != nullptr && button->isCheckable()) {
            s.checkable = true;
            s.checked = button->isChecked();
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList names;
        if (m_press && widget()->isEnabled()) {
            names << pressAction();
            if (role() == QAccessible::RadioButton)
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (m_press && widget()->isEnabled() &&
            (action == pressAction() || (action == toggleAction() && role() == QAccessible::RadioButton))) {
            m_press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (m_press && action == pressAction())
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    std::function<void()> m_press;
};

} // namespace

// Qt's accessibility cache owns a registered interface and deletes it with its widget.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void SetPageAccessible(QWidget* page, std::function<QList<QWidget*>()> children) {
    QAccessible::registerAccessibleInterface(new PageAccessible(page, std::move(children)));
}

void SetControlAccessible(QWidget* control, QAccessible::Role role, std::function<void()> press) {
    QAccessible::registerAccessibleInterface(new ControlAccessible(control, role, std::move(press)));
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

void AnnounceChange(QWidget* control, const QString& text) {
    if (control->accessibleDescription() != text)
        control->setAccessibleDescription(text); // reports the change itself
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!text.isEmpty() && control->isVisible()) {
        QAccessibleAnnouncementEvent event(control, text);
        QAccessible::updateAccessibility(&event);
    }
#endif
}

} // namespace mirel::qt
