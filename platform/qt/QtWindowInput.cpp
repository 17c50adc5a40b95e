// The page window's input: the keys the dialog handles, the scripted user's real events, and
// what typing and clicking in the widgets report to the page.
#include "platform/qt/QtPageWindow.h"

namespace mirel::qt {

bool QtWindow::DialogKeyFor(Key key, Qt::FocusReason reason) {
    if (!Routable())
        return false;
    m_focusReason = reason;
    const bool handled = m_dialog.DialogKey(key);
    m_focusReason = Qt::OtherFocusReason;
    return handled;
}

bool QtWindow::TabRequest(bool forward) {
    if (!Routable())
        return false;
    DialogKeyFor(forward ? Key::Tab : Key::ShiftTab, forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool QtWindow::MnemonicRequest(QChar ch) {
    if (!Routable())
        return false;
    m_focusReason = Qt::ShortcutFocusReason;
    const bool found = m_dialog.DialogMnemonic(ch.unicode());
    m_focusReason = Qt::OtherFocusReason;
    return found;
}

bool QtWindow::PasteRequest(Control& c) {
    // The clipboard's text goes in as the edit takes typed text: one insertion, filtered and
    // cut to the input limit like every other input.
    if (c.readOnly)
        return true;
    const QString text = FilterTyped(QApplication::clipboard()->text(), c.Multiline());
    if (auto* line = qobject_cast<QLineEdit*>(c.widget)) {
        if (!text.isEmpty() || line->hasSelectedText())
            line->insert(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(c.widget)) {
        plain->insertPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(c.widget)) {
        rich->insertPlainText(text);
    }
    return true;
}

// ---- input ----

void QtWindow::InputClick(int id) {
    Control& c = At(id);
    SendClick(c.widget, c.widget->rect().center());
    // A click opens a drop-down list; a second click closes it again.
    if (auto* combo = qobject_cast<QComboBox*>(c.widget);
        combo != nullptr && !m_ended && combo->view()->isVisible())
        combo->hidePopup();
}

void QtWindow::InputKey(Key key) {
    struct QtKey {
        int key;
        Qt::KeyboardModifiers mods;
        const char* text;
    };
    static const std::map<Key, QtKey> kKeys = {
        {Key::Enter, {Qt::Key_Return, Qt::NoModifier, "\r"}},
        {Key::Escape, {Qt::Key_Escape, Qt::NoModifier, "\x1b"}},
        {Key::Tab, {Qt::Key_Tab, Qt::NoModifier, "\t"}},
        {Key::ShiftTab, {Qt::Key_Backtab, Qt::ShiftModifier, ""}},
        {Key::Space, {Qt::Key_Space, Qt::NoModifier, " "}},
        {Key::Up, {Qt::Key_Up, Qt::NoModifier, ""}},
        {Key::Down, {Qt::Key_Down, Qt::NoModifier, ""}},
        {Key::Left, {Qt::Key_Left, Qt::NoModifier, ""}},
        {Key::Right, {Qt::Key_Right, Qt::NoModifier, ""}},
        {Key::End, {Qt::Key_End, Qt::ControlModifier, ""}},
        {Key::SelectAll, {Qt::Key_A, Qt::ControlModifier, "\x01"}},
        {Key::Delete, {Qt::Key_Delete, Qt::NoModifier, "\x7f"}},
    };
    const QtKey& k = kKeys.at(key);
    SendKey(FocusTarget(), k.key, k.mods, QString::fromLatin1(k.text));
}

void QtWindow::InputMnemonic(char letter) {
    const QChar ch = QChar::fromLatin1(letter);
    SendKey(FocusTarget(), ch.toUpper().unicode(), Qt::AltModifier, QString(ch));
}

void QtWindow::InputChar(std::string_view ch) {
    const QString text = ToQString(ch);
    QWidget* target = FocusTarget();
    // A printable character is a key press; one that no key gives (a tab, a control
    // character, one outside the basic plane) comes as an input method commits it.
    if (text.size() != 1 || !text[0].isPrint()) {
        SendCommit(target, text);
        return;
    }
    const QChar upper = text[0].toUpper();
    const int key =
        upper.unicode() < 0x100 && upper.unicode() > 0x20 ? upper.unicode() : int(Qt::Key_unknown);
    SendKey(target, text[0] == u' ' ? int(Qt::Key_Space) : key, Qt::NoModifier, text);
}

void QtWindow::InputPaste(std::string_view text) {
    QClipboard* clipboard = QApplication::clipboard();
    const QString before = clipboard->text();
    clipboard->setText(ToQString(text));
    SendKey(FocusTarget(), Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
    clipboard->setText(before);
}

void QtWindow::InputSelect(int id, int index) {
    // The list opens (the page hears of it first) and a click picks the entry in it.
    auto* combo = static_cast<QComboBox*>(At(id).widget);
    combo->showPopup();
    if (m_ended || !combo->view()->isVisible())
        return;
    QAbstractItemView* view = combo->view();
    const QModelIndex entry = combo->model()->index(index, combo->modelColumn(), combo->rootModelIndex());
    view->scrollTo(entry);
    SendClick(view->viewport(), view->visualRect(entry).center());
}

void QtWindow::UserEdited(int id) {
    Control& c = At(id);
    if (m_programDepth > 0)
        return;
    if (c.Multiline()) {
        UserEditedMultiline(c);
        return;
    }
    constexpr bool multiline = false;
    auto* line = static_cast<QLineEdit*>(c.widget);
    const QString now = line->text();
    const int cursor = line->cursorPosition();

    // Only what cp1252 holds can be typed; a one-line edit takes no line breaks.
    QString typed = FilterTyped(now, multiline);

    // The input limit cuts what was inserted, not what was there before.
    const QString before = ToQString(c.text);
    if (c.limit > 0 && LimitChars(typed, multiline) > c.limit &&
        LimitChars(typed, multiline) > LimitChars(before, multiline)) {
        qsizetype prefix = 0;
        while (prefix < typed.size() && prefix < before.size() && typed[prefix] == before[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < typed.size() - prefix && suffix < before.size() - prefix &&
               typed[typed.size() - 1 - suffix] == before[before.size() - 1 - suffix])
            ++suffix;
        const QString inserted = typed.mid(prefix, typed.size() - prefix - suffix);
        const QString kept = typed.left(prefix) + typed.right(suffix);
        qsizetype room = std::max<qsizetype>(0, c.limit - LimitChars(kept, multiline));
        QString cut;
        for (QChar ch : inserted) {
            const qsizetype n = ch == u'\n' && multiline ? 2 : 1;
            if (n > room)
                break;
            room -= n;
            cut += ch;
        }
        typed = typed.left(prefix) + cut + typed.right(suffix);
    }

    if (typed != now) {
        const int pos =
            static_cast<int>(std::clamp<qsizetype>(cursor - (now.size() - typed.size()), 0, typed.size()));
        const Program guard(*this);
        const QSignalBlocker block(line);
        line->setText(typed);
        line->setCursorPosition(pos);
    }
    c.text = ToStdString(typed);
    c.modified = true;
    FitLineEditLength(c);
    if (Routable())
        m_dialog.OnCommand(id, Notify::Change);
}

void QtWindow::NoteInsertion(int id, int position, int removed, int added) {
    Control& c = At(id);
    if (m_programDepth > 0)
        return;
    c.removed = c.removed || removed > 0;
    // Several changes before the text-changed signal: keep the stretch that covers them all.
    if (c.insertAt < 0) {
        c.insertAt = position;
        c.inserted = added;
        return;
    }
    const int end = std::max(c.insertAt + c.inserted, position + added);
    c.insertAt = std::min(c.insertAt, position);
    c.inserted = end - c.insertAt;
}

void QtWindow::UserEditedMultiline(Control& c) {
    QTextDocument& doc = *EditDocument(c.widget);
    const int at = std::clamp(c.insertAt, 0, doc.characterCount() - 1);
    const int added = std::clamp(c.inserted, 0, doc.characterCount() - 1 - at);
    const bool removed = c.removed;
    c.insertAt = -1;
    c.inserted = 0;
    c.removed = false;
    if (added > 0) {
        // Only the inserted stretch is filtered and cut: the rest was checked when it came.
        QTextCursor range(&doc);
        range.setPosition(at);
        range.setPosition(at + added, QTextCursor::KeepAnchor);
        QString inserted = range.selectedText();
        inserted.replace(QChar::ParagraphSeparator, u'\n');
        QString typed = FilterTyped(inserted, true);
        // The input limit cuts what was inserted, not what was there before.
        const qsizetype kept = DocumentChars(doc) - LimitChars(inserted, true);
        const qsizetype total = kept + LimitChars(typed, true);
        if (c.limit > 0 && total > c.limit && total > c.count) {
            qsizetype room = std::max<qsizetype>(0, c.limit - kept);
            qsizetype n = 0;
            for (; n < typed.size(); ++n) {
                const qsizetype width = typed[n] == u'\n' ? 2 : 1;
                if (width > room)
                    break;
                room -= width;
            }
            typed.truncate(n);
        }
        if (typed != inserted) {
            const Program guard(*this);
            const QSignalBlocker block(c.widget);
            range.insertText(typed);
            SetEditCursor(c.widget, at + static_cast<int>(typed.size()));
        }
        if (typed.isEmpty() && !removed)
            return; // a key past the input limit: the text is as it was
    }
    c.count = DocumentChars(doc);
    c.modified = true;
    if (Routable())
        m_dialog.OnCommand(c.tmpl.id, Notify::Change);
}

void QtWindow::UserToggled(int id) {
    // Qt has already toggled the button; the page's state stays the one the dialog keeps, and
    // the click goes through the dialog, which sets the checks and notifies the page.
    Control& c = At(id);
    {
        const QSignalBlocker block(c.widget);
        static_cast<QAbstractButton*>(c.widget)->setChecked(c.check != 0);
    }
    if (Routable())
        m_dialog.ControlClicked(id);
}

} // namespace mirel::qt
