// The page window's labels, accessible names and roles, and the colours of its edits.
#include "platform/qt/QtPageWindow.h"

namespace mirel::qt {

QList<QWidget*> QtWindow::AccessibleOrder() const {
    // Template order first; anything Qt adds to the window of its own comes after.
    QList<QWidget*> order = m_order;
    for (QWidget* child : m_dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !order.contains(child))
            order.push_back(child);
    return order;
}

void QtWindow::SetAccessibleRole(const ControlTemplate& t, QWidget* w) {
    const int id = t.id;
    switch (t.kind) {
    case ControlKind::RadioButton: {
        // A radio button that the page drives (no automatic exclusivity) would read as a check
        // box; it is a radio button, and its press or toggle action clicks it.
        auto* button = static_cast<QAbstractButton*>(w);
        SetControlAccessible(w, QAccessible::RadioButton, [button] { button->click(); });
        break;
    }
    case ControlKind::Picture:
        if ((t.style & kNotify) != 0) {
            // A picture that acts is a button; its press action is a click.
            SetControlAccessible(w, QAccessible::Button, [this, id] {
                if (id > 0 && Routable())
                    m_dialog.ControlClicked(id);
            });
        } else {
            SetControlAccessible(w, QAccessible::Graphic);
        }
        break;
    case ControlKind::Static:
        SetControlAccessible(w,
                             IsLive(t) && !IsInfoBox(t) ? QAccessible::StatusBar : QAccessible::StaticText);
        break;
    case ControlKind::GroupBox:
        SetControlAccessible(w, QAccessible::Grouping);
        break;
    default:
        break; // Qt's own interfaces for buttons, check boxes, edits and lists
    }
}

void QtWindow::PaintOnWhite(QWidget* w) {
    // What lies on the white header is drawn dark on white in every colour scheme.
    QPalette palette = w->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, Qt::black);
        palette.setColor(group, QPalette::Window, Qt::white);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, Qt::darkGray);
    w->setPalette(palette);
}

namespace {

// The text area of a radio button or check box `width` pixels wide, as the style lays it out.
QRect ButtonTextArea(const QAbstractButton& button, int width) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(0, 0, width, button.height());
    return button.style()->subElementRect(qobject_cast<const QRadioButton*>(&button) != nullptr
                                              ? QStyle::SE_RadioButtonContents
                                              : QStyle::SE_CheckBoxContents,
                                          &option, &button);
}

} // namespace

void QtWindow::FitButtonLabel(Control& c, const QString& text) {
    auto* button = static_cast<QAbstractButton*>(c.widget);
    const bool multiline = (c.tmpl.style & kMultiline) != 0;
    const QRect home = m_units.Rect(c.tmpl);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic; // as the style draws it
    auto label = [&](const QFontMetrics& metrics, int width) {
        return multiline ? WrapLabel(text, metrics, ButtonTextArea(*button, width).width()) : text;
    };
    const LabelFit fit =
        FitLabel(home, c.room, Qt::AlignLeft, m_dlg->font(), [&](const QFont& font, int width) {
            const QFontMetrics metrics(font);
            const QRect area = ButtonTextArea(*button, width);
            return area.contains(metrics.boundingRect(area, kFlags, label(metrics, width)));
        });
    button->setFont(fit.font);
    button->setGeometry(fit.x, home.y(), fit.width, home.height());
    button->setText(label(QFontMetrics(fit.font), fit.width));
}

namespace {

// The static text that labels `field` by its place when no label comes before it in template
// order: the nearest one to its left on the same row, else the nearest one just above it.
std::ptrdiff_t LabelByPlace(const std::vector<ControlTemplate>& controls, const ControlTemplate& field) {
    constexpr int kSlack = 2;  // dialog units a label may reach into the field
    constexpr int kAbove = 20; // how far above a label may stand
    std::ptrdiff_t left = -1;
    std::ptrdiff_t above = -1;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (t.kind != ControlKind::Static)
            continue;
        const bool sameRow = t.y < field.y + field.cy && t.y + t.cy > field.y;
        const bool sameColumn = t.x < field.x + field.cx && t.x + t.cx > field.x;
        if (sameRow && t.x + t.cx <= field.x + kSlack &&
            (left < 0 || t.x + t.cx > controls[static_cast<std::size_t>(left)].x +
                                          controls[static_cast<std::size_t>(left)].cx))
            left = static_cast<std::ptrdiff_t>(i);
        if (sameColumn && t.y + t.cy <= field.y + kSlack && t.y + t.cy >= field.y - kAbove &&
            (above < 0 || t.y + t.cy > controls[static_cast<std::size_t>(above)].y +
                                           controls[static_cast<std::size_t>(above)].cy))
            above = static_cast<std::ptrdiff_t>(i);
    }
    return left >= 0 ? left : above;
}

} // namespace

void QtWindow::FindLabels() {
    const std::vector<ControlTemplate>& controls = m_dialog.Template().controls;
    for (auto& [id, c] : m_controls) {
        if (c.tmpl.kind == ControlKind::Edit || c.tmpl.kind == ControlKind::ComboBox) {
            // As the classic dialogs name a field: the static text or group box before it in
            // template order. Templates that list their fields before all labels fall back to
            // the label by place, so no field stays nameless.
            for (std::size_t i = c.index; i-- > 0;) {
                if (controls[i].kind == ControlKind::Static || controls[i].kind == ControlKind::GroupBox) {
                    c.labelIndex = static_cast<std::ptrdiff_t>(i);
                    break;
                }
            }
            if (c.labelIndex < 0)
                c.labelIndex = LabelByPlace(controls, c.tmpl);
        }
        UpdateName(c);
    }
}

QString QtWindow::LabelText(std::size_t index) const {
    const ControlTemplate& t = m_dialog.Template().controls[index];
    auto it = m_controls.find(t.id);
    return ToQString(it != m_controls.end() ? it->second.text : t.text);
}

void QtWindow::UpdateName(Control& c) {
    // Screen readers name a control after its label: buttons after their own text, edits
    // and lists after the static text or group box before them, pictures after the template.
    QString name;
    if (!c.tmpl.name.empty())
        name = ToQString(c.tmpl.name);
    else if (c.tmpl.kind == ControlKind::Edit || c.tmpl.kind == ControlKind::ComboBox)
        name = c.labelIndex >= 0 ? PlainLabel(LabelText(static_cast<std::size_t>(c.labelIndex))) : QString();
    else if (c.tmpl.kind != ControlKind::Picture)
        name = PlainLabel(ToQString(c.text));
    if (c.widget->accessibleName() != name)
        c.widget->setAccessibleName(name);
}

void QtWindow::ApplyReadOnly(Control& c) {
    if (c.tmpl.kind != ControlKind::Edit)
        return;
    // As classic edits: a disabled or read-only edit with a border shows the window face, an
    // editable one the white of input fields. A borderless edit on the white header stays
    // white; one on the window face is transparent unless the user can type into it.
    QPalette palette = c.widget->palette();
    const QBrush face = m_dlg->palette().brush(QPalette::Window);
    const QBrush field = QApplication::palette().brush(QPalette::Active, QPalette::Base);
    QBrush shown = c.readOnly ? face : field;
    QBrush disabled = face;
    if ((c.tmpl.style & kNoBorder) != 0) {
        shown = c.onWhite ? QBrush(Qt::white) : c.readOnly ? QBrush(Qt::transparent) : field;
        disabled = c.onWhite ? QBrush(Qt::white) : QBrush(Qt::transparent);
    }
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setBrush(group, QPalette::Base, shown);
    palette.setBrush(QPalette::Disabled, QPalette::Base, disabled);
    c.widget->setPalette(palette);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(c.widget))
        edit->setReadOnly(c.readOnly);
    else if (auto* rich = qobject_cast<QTextEdit*>(c.widget))
        rich->setReadOnly(c.readOnly);
    else if (auto* line = qobject_cast<QLineEdit*>(c.widget))
        line->setReadOnly(c.readOnly);
}

void QtWindow::FitLineEditLength(Control& c) {
    auto* line = qobject_cast<QLineEdit*>(c.widget);
    if (line == nullptr)
        return;
    // A longer text set by the program stays whole; typing cannot make it longer.
    const int length = static_cast<int>(CharCount(c.text));
    line->setMaxLength(c.limit > 0 ? std::max(c.limit, length) : 32767);
}

} // namespace mirel::qt
