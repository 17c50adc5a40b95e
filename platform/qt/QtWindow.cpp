#include "platform/qt/QtWindow.h"

#include "platform/qt/QtPageWindow.h"

namespace mirel::qt {

// The character of an Alt+letter press (Shift allowed, Ctrl and AltGr not), in lower case; a
// null QChar for every other key.
QChar MnemonicKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::AltModifier && mods != (Qt::AltModifier | Qt::ShiftModifier))
        return {};
    QChar ch;
    if (event->key() > 0x20 && event->key() <= 0xFF)
        ch = QChar(event->key()); // Qt's key codes of letters are their Latin-1 capitals
    else if (!event->text().isEmpty())
        ch = event->text().front();
    return ch.isLetterOrNumber() ? ch.toLower() : QChar();
}

void PageDialog::closeEvent(QCloseEvent* event) {
    // Only the page ends its window (End); a close request is the page's to answer.
    event->ignore();
    m_owner.CloseRequest();
}

bool PageDialog::focusNextPrevChild(bool next) {
    // Tab and Shift+Tab; when the program hides the focused control, Qt's own choice.
    return m_owner.TabRequest(next) || QDialog::focusNextPrevChild(next);
}

void PageDialog::keyPressEvent(QKeyEvent* event) {
    // With no control focused the window itself gets the keys.
    if (const QChar ch = MnemonicKey(event); !ch.isNull()) {
        m_owner.MnemonicRequest(ch);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            m_owner.KeyRequest(Key::Enter);
            return;
        }
        break;
    case Qt::Key_Escape:
        m_owner.KeyRequest(Key::Escape);
        return;
    default:
        break;
    }
    // QDialog's own handler would close the page on Return and Escape; the page decides that.
    QWidget::keyPressEvent(event); // NOLINT(bugprone-parent-virtual-call)
}

bool QtWindow::eventFilterFor(int id, QEvent* event) {
    const Control& c = At(id);
    if (event->type() == QEvent::FocusIn) {
        // The focus frame always shows, as in the classic dialogs, not only after the first
        // Tab: the page itself often places the focus. Qt clears the flag on activation.
        m_dlg->setAttribute(Qt::WA_KeyboardFocusChange);
        if (Routable() && id != m_dialog.GetFocusItem())
            m_dialog.SetFocusItem(id);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Alt+letter belongs to the dialog in every control; an edit never takes it as text.
    if (const QChar ch = MnemonicKey(key); !ch.isNull()) {
        MnemonicRequest(ch);
        return true;
    }
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    if (c.Multiline() && plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        if ((c.tmpl.style & kWantReturn) == 0) {
            KeyRequest(Key::Enter);
            return true;
        }
        // A read-only edit that wants Return swallows it; it does not press the default button.
        if (c.readOnly)
            return true;
    }
    if (c.tmpl.kind == ControlKind::Edit && key->matches(QKeySequence::Paste))
        return PasteRequest(const_cast<Control&>(c));
    const bool arrow = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_Left ||
                       key->key() == Qt::Key_Right;
    const bool button = c.tmpl.kind == ControlKind::RadioButton || c.tmpl.kind == ControlKind::CheckBox ||
                        c.tmpl.kind == ControlKind::PushButton || c.tmpl.kind == ControlKind::Picture;
    if (button && plain && arrow) {
        // As the classic dialog manager: the arrows move within a radio group and choose the
        // button they reach; on other buttons they do nothing.
        const Key which = key->key() == Qt::Key_Up     ? Key::Up
                          : key->key() == Qt::Key_Down ? Key::Down
                          : key->key() == Qt::Key_Left ? Key::Left
                                                       : Key::Right;
        DialogKeyFor(which, Qt::OtherFocusReason);
        return true;
    }
    // Space does not open a drop-down list; the arrows choose its entries.
    return c.tmpl.kind == ControlKind::ComboBox && plain && key->key() == Qt::Key_Space;
}

void QtWindow::Build(const ControlTemplate& t, std::size_t index) {
    QWidget* parent = m_dlg.get();
    const QRect rect = m_units.Rect(t);
    const int id = t.id;
    QWidget* w = nullptr;
    switch (t.kind) {
    case ControlKind::Static: {
        Qt::Alignment align = Qt::AlignLeft;
        if ((t.style & kRight) != 0)
            align = Qt::AlignRight;
        else if ((t.style & kCenter) != 0)
            align = Qt::AlignHCenter;
        auto* label = new StaticText(parent, align, (t.style & kNoPrefix) != 0);
        if ((t.style & kNotify) != 0 && id > 0)
            label->onClick = [this, id] {
                if (Routable())
                    m_dialog.ControlClicked(id);
            };
        w = label;
        break;
    }
    case ControlKind::Picture: {
        auto* picture = new Picture(parent, t.image, (t.style & kNotify) != 0);
        if (id > 0 && (t.style & kNotify) != 0)
            picture->onClick = [this, id] {
                if (Routable())
                    m_dialog.ControlClicked(id);
            };
        w = picture;
        break;
    }
    case ControlKind::WhiteRect:
        w = new Rectangle(parent, Qt::white, QPalette::WindowText, false);
        break;
    case ControlKind::BlackFrame:
        w = new Rectangle(parent, QColor(), QPalette::WindowText, true);
        break;
    case ControlKind::WhiteFrame:
        w = new Rectangle(parent, QColor(), QPalette::Light, true);
        break;
    case ControlKind::GroupBox: {
        w = new GroupFrame(parent);
        break;
    }
    case ControlKind::PushButton: {
        auto* button = new PageButton(parent);
        button->setAutoDefault(false);
        button->setDefault((t.style & kDefault) != 0);
        QObject::connect(button, &QPushButton::clicked, button, [this, id] {
            if (Routable())
                m_dialog.ControlClicked(id);
        });
        w = button;
        break;
    }
    case ControlKind::RadioButton:
    case ControlKind::CheckBox: {
        QAbstractButton* button = nullptr;
        if (t.kind == ControlKind::RadioButton) {
            auto* radio = new WholeAreaButton<QRadioButton>(parent);
            radio->setAutoExclusive(false); // a group may show no choice; the page drives the checks
            button = radio;
        } else {
            button = new WholeAreaButton<QCheckBox>(parent);
        }
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id] { UserToggled(id); });
        w = button;
        break;
    }
    case ControlKind::Edit:
        if ((t.style & kMultiline) != 0) {
            auto setUp = [&](auto* edit) {
                using Edit = std::remove_pointer_t<decltype(edit)>;
                edit->setTabChangesFocus(true);
                // A classic edit control puts a tab stop every 32 dialog units.
                edit->setTabStopDistance(m_units.X(32));
                edit->setLineWrapMode((t.style & (kHScroll | kAutoHScroll)) != 0 ? Edit::NoWrap
                                                                                 : Edit::WidgetWidth);
                edit->setVerticalScrollBarPolicy((t.style & kVScroll) != 0 ? Qt::ScrollBarAlwaysOn
                                                                           : Qt::ScrollBarAlwaysOff);
                edit->setHorizontalScrollBarPolicy((t.style & kHScroll) != 0 ? Qt::ScrollBarAlwaysOn
                                                                             : Qt::ScrollBarAlwaysOff);
                if ((t.style & kNoBorder) != 0) {
                    edit->setFrameShape(QFrame::NoFrame);
                    edit->document()->setDocumentMargin(0);
                }
                // Typing reports only the stretch it inserted, so a long text is not read
                // whole on every key.
                QObject::connect(edit->document(), &QTextDocument::contentsChange, edit,
                                 [this, id](int position, int removed, int added) {
                                     NoteInsertion(id, position, removed, added);
                                 });
                QObject::connect(edit, &Edit::textChanged, edit, [this, id] { UserEdited(id); });
                w = edit;
            };
            if ((t.style & kNoBorder) != 0) {
                auto* edit = new QTextEdit(parent);
                edit->setAcceptRichText(false);
                setUp(edit);
            } else {
                setUp(new QPlainTextEdit(parent));
            }
        } else {
            auto* edit = new QLineEdit(parent);
            edit->setFrame((t.style & kNoBorder) == 0);
            QObject::connect(edit, &QLineEdit::textEdited, edit, [this, id] { UserEdited(id); });
            w = edit;
        }
        break;
    case ControlKind::ComboBox: {
        auto* combo = new DropDownList(parent);
        for (const std::string& item : t.items)
            combo->addItem(ToQString(item));
        combo->setCurrentIndex(-1);
        combo->setMaxVisibleItems(std::max(1, (rect.height() - combo->sizeHint().height()) / m_units.Y(10)));
        combo->onDropDown = [this, id] {
            if (!Routable())
                return true;
            return m_dialog.ControlDropDown(id) && !m_ended;
        };
        QObject::connect(combo, &QComboBox::activated, combo, [this, id](int picked) {
            if (Routable())
                m_dialog.ControlSelected(id, picked);
        });
        w = combo;
        break;
    }
    }

    SetAccessibleRole(t, w);
    m_order.push_back(w);
    QRect geometry = rect;
    if (t.kind == ControlKind::ComboBox) // the template height includes the opened list
        geometry.setHeight(std::min(rect.height(), w->sizeHint().height()));
    w->setGeometry(geometry);
    const TextRoom room = RoomOf(m_dialog.Template().controls, index, m_dlg->width(), m_units);
    if (t.kind == ControlKind::Static)
        static_cast<StaticText*>(w)->Place(geometry, room);

    // Keyboard focus: tab stops are reached with Tab, other input controls only by clicking.
    switch (t.kind) {
    case ControlKind::Static:
    case ControlKind::WhiteRect:
    case ControlKind::BlackFrame:
    case ControlKind::WhiteFrame:
    case ControlKind::GroupBox:
        // Texts, frames and rectangles may lie over other controls; clicks go through to them,
        // unless the text itself reports clicks.
        w->setFocusPolicy(Qt::NoFocus);
        w->setAttribute(Qt::WA_TransparentForMouseEvents,
                        t.kind != ControlKind::Static || (t.style & kNotify) == 0);
        break;
    case ControlKind::Picture:
        // A picture that acts and is a tab stop takes the focus by Tab and by a click.
        w->setFocusPolicy((t.style & (kNotify | kTabStop)) == (kNotify | kTabStop) ? Qt::StrongFocus
                                                                                   : Qt::NoFocus);
        break;
    default:
        w->setFocusPolicy((t.style & kTabStop) != 0 ? Qt::StrongFocus : Qt::ClickFocus);
        break;
    }
    if ((t.style & kHidden) != 0)
        w->setVisible(false);
    if ((t.style & kDisabled) != 0)
        w->setEnabled(false);

    bool onWhite = false;
    for (const ControlTemplate& other : m_dialog.Template().controls)
        onWhite = onWhite || (other.kind == ControlKind::WhiteRect && m_units.Rect(other).contains(rect));
    if (onWhite && t.kind != ControlKind::WhiteRect)
        PaintOnWhite(w);

    if (id <= 0) {
        // Several frame pieces share the id 0; they keep no state.
        if (t.kind == ControlKind::Static)
            static_cast<StaticText*>(w)->SetLabel(ToQString(t.text));
        w->setAccessibleName(t.name.empty() ? PlainLabel(ToQString(t.text)) : ToQString(t.name));
        return;
    }
    w->setObjectName(QString::number(id)); // the control id, for tools and tests
    Control& c = m_controls[id];
    c.index = index;
    c.tmpl = t;
    c.widget = w;
    c.text = t.kind == ControlKind::ComboBox || c.Multiline() ? std::string() : t.text;
    c.visible = (t.style & kHidden) == 0;
    c.enabled = (t.style & kDisabled) == 0;
    c.readOnly = (t.style & kReadOnly) != 0;
    c.room = room;
    c.onWhite = onWhite;
    w->installEventFilter(new ControlFilter(*this, id, w));
    if (auto* edit = qobject_cast<QAbstractScrollArea*>(w))
        edit->viewport()->installEventFilter(new ControlFilter(*this, id, w));
    ShowText(c, t.kind == ControlKind::ComboBox ? std::string_view() : std::string_view(t.text));
    ApplyReadOnly(c);
}

void QtWindow::ShowText(Control& c, std::string_view utf8) {
    const Program guard(*this);
    // A multi-line edit converts its text itself, in pieces.
    const QString text = c.Multiline() ? QString() : ToQString(utf8);
    QWidget* w = c.widget;
    switch (c.tmpl.kind) {
    case ControlKind::Static:
        static_cast<StaticText*>(w)->SetLabel(text);
        break;
    case ControlKind::GroupBox:
        static_cast<GroupFrame*>(w)->SetLabel(text);
        break;
    case ControlKind::PushButton:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox: {
        auto* button = static_cast<QAbstractButton*>(w);
        if (c.tmpl.kind == ControlKind::PushButton) {
            button->setText(
                (c.tmpl.style & kMultiline) != 0 ? WrapLabel(text, w->fontMetrics(), w->width() - 8) : text);
        } else {
            FitButtonLabel(c, text);
        }
        // The dialog handles Alt+letter itself (Tab order, labels, hidden controls); Qt's own
        // mnemonic shortcut of the button would press it a second time, and later.
        button->setShortcut(QKeySequence());
        break;
    }
    case ControlKind::Edit:
        if (QTextDocument* doc = EditDocument(w)) {
            const QSignalBlocker block(w);
            SetEditText(w, utf8);
            c.count = DocumentChars(*doc);
        } else if (auto* line = qobject_cast<QLineEdit*>(w)) {
            const QSignalBlocker block(line);
            FitLineEditLength(c);
            line->setText(text);
            line->setCursorPosition(0);
        }
        break;
    default:
        break;
    }
    UpdateName(c);
    if (c.tmpl.kind == ControlKind::Static || c.tmpl.kind == ControlKind::GroupBox)
        for (auto& [otherId, other] : m_controls)
            if (other.labelIndex == static_cast<std::ptrdiff_t>(c.index))
                UpdateName(other);
    // An edit's text and a text without mnemonics read as they stand. The live controls are
    // small, so a multi-line one's text is converted here for its announcement.
    if (IsLive(c.tmpl))
        AnnounceChange(w, c.tmpl.kind == ControlKind::Static && (c.tmpl.style & kNoPrefix) == 0
                              ? PlainLabel(text)
                              : (c.Multiline() ? ToQString(utf8) : text).simplified());
}

std::unique_ptr<Window> WidgetHost::CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) {
    return std::make_unique<QtWindow>(dialog, tmpl);
}

} // namespace mirel::qt
