// The page window of the Qt host: the QDialog that shows a page, the state the host keeps per
// control, and the QtWindow that backs the platform's Window with them. Its parts live in
// QtWindow.cpp (building and showing), QtWindowInput.cpp (keys, clicks, typing) and
// QtWindowLabels.cpp (labels, names, colours); the widgets are in QtControls.h.
#pragma once

#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Text.h"
#include "platform/Window.h"
#include "platform/qt/QtAccessibility.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtEditText.h"
#include "platform/qt/QtInput.h"
#include "platform/qt/QtSupport.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

namespace mirel::qt {

class QtWindow;

// The character of an Alt+letter press (Shift allowed, Ctrl and AltGr not), in lower case; a
// null QChar for every other key.
QChar MnemonicKey(const QKeyEvent* event);

// The top-level window of a page. Closing, Tab, Escape and the mnemonics go to the page's
// dialog logic, never straight to Qt.
class PageDialog : public QDialog {
  public:
    explicit PageDialog(QtWindow& owner)
        : QDialog(nullptr,
                  Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          m_owner(owner) {}
    void reject() override {}

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    QtWindow& m_owner;
};

struct Control {
    ControlTemplate tmpl;
    QWidget* widget = nullptr;
    // As the page sees it. A multi-line edit keeps no copy: its document holds the text, which
    // may be megabytes, and it is converted only when the page reads it.
    std::string text;
    qsizetype count = 0; // a multi-line edit's length as its limit counts it
    int insertAt = -1;   // the stretch a user's edit inserted into a multi-line edit
    int inserted = 0;
    bool removed = false; // the user's edit also removed text
    TextRoom room{0, 0};  // how far a radio button's or check box's label may reach
    bool onWhite = false; // lies on a white rectangle (the header)
    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    bool modified = false;
    int limit = 0;
    int check = 0;
    int curSel = -1;
    std::size_t index = 0;          // place in the template
    std::ptrdiff_t labelIndex = -1; // an edit's or list's label: the static or group box before it

    bool Multiline() const { return tmpl.kind == ControlKind::Edit && (tmpl.style & kMultiline) != 0; }
};

// The info box and the report page's status line: screen readers announce their changes, as
// they are the pages' only feedback on what the user did.
inline bool IsInfoBox(const ControlTemplate& t) {
    return t.id == 1171 && t.kind == ControlKind::Edit;
}
inline bool IsLive(const ControlTemplate& t) {
    return IsInfoBox(t) || (t.id == 1206 && t.kind == ControlKind::Static);
}

class QtWindow : public Window {
  public:
    QtWindow(Dialog& dialog, const DialogTemplate& tmpl)
        : m_dialog(dialog), m_caption(tmpl.caption), m_dlg(std::make_unique<PageDialog>(*this)),
          m_units(UnitsOf(m_dlg->font())) {
        // Screen readers meet the controls in template order, the order Tab takes, whatever
        // their stacking below.
        SetPageAccessible(m_dlg.get(), [this] { return AccessibleOrder(); });
        m_dlg->setWindowTitle(ToQString(m_caption));
        // Dialog units follow the page font: a larger font makes the whole page larger.
        m_dlg->setFixedSize(m_units.X(tmpl.cx), m_units.Y(tmpl.cy));
        m_dlg->move(m_units.X(tmpl.x), m_units.Y(tmpl.y));
        for (std::size_t i = 0; i < tmpl.controls.size(); ++i)
            Build(tmpl.controls[i], i);
        // As in a classic dialog, the first control of the template lies on top of the ones
        // after it. The header rectangle, frames, group boxes and pictures that take no clicks
        // only decorate: they lie under every working control, wherever the template lists them.
        const QList<QWidget*> children = m_dlg->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children)
            child->lower();
        for (QWidget* child : children) {
            auto* picture = dynamic_cast<Picture*>(child);
            if (dynamic_cast<Rectangle*>(child) != nullptr || dynamic_cast<GroupFrame*>(child) != nullptr ||
                (picture != nullptr && !picture->TakesClicks()))
                child->lower();
        }
        FindLabels();
        // Qt's own focus chain (used when the page hides the focused control) follows the
        // template as well.
        QWidget* previous = nullptr;
        for (QWidget* w : m_order) {
            if (w->focusPolicy() == Qt::NoFocus)
                continue;
            if (previous != nullptr)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
    }
    ~QtWindow() override {
        m_closing = true;
        m_dlg.reset();
    }

    // ---- control state ----
    std::string GetText(int id) const override {
        const Control& c = At(id);
        if (c.tmpl.kind == ControlKind::ComboBox)
            return c.curSel >= 0 && c.curSel < static_cast<int>(c.tmpl.items.size()) ? c.tmpl.items[c.curSel]
                                                                                     : "";
        return Text(c);
    }
    void SetText(int id, std::string_view text) override {
        Control& c = At(id);
        if (c.tmpl.kind == ControlKind::Edit && Text(c) == text) {
            c.modified = false; // the widget keeps its text, and its caret where the user types
            return;
        }
        if (!c.Multiline())
            c.text.assign(text);
        c.modified = false;
        ShowText(c, text);
    }
    void AppendText(int id, std::string_view text) override {
        Control& c = At(id);
        c.modified = false;
        if (!c.Multiline()) {
            c.text.append(text);
            ShowText(c, c.text);
            return;
        }
        const Program guard(*this);
        const QSignalBlocker block(c.widget);
        QTextDocument& doc = *EditDocument(c.widget);
        AppendToDocument(doc, text);
        c.count = DocumentChars(doc);
    }
    bool IsVisible(int id) const override { return At(id).visible; }
    void Show(int id, bool show) override {
        Control& c = At(id);
        c.visible = show;
        const Program guard(*this);
        c.widget->setVisible(show);
    }
    bool IsEnabled(int id) const override { return At(id).enabled; }
    void Enable(int id, bool enable) override {
        Control& c = At(id);
        c.enabled = enable;
        const Program guard(*this);
        c.widget->setEnabled(enable);
    }
    bool IsReadOnly(int id) const override { return At(id).readOnly; }
    void SetReadOnly(int id, bool readOnly) override {
        Control& c = At(id);
        c.readOnly = readOnly;
        ApplyReadOnly(c);
    }
    bool GetModify(int id) const override { return At(id).modified; }
    void SetModify(int id, bool modified) override { At(id).modified = modified; }
    int GetLimit(int id) const override { return At(id).limit; }
    void SetLimit(int id, int maxChars) override {
        Control& c = At(id);
        c.limit = maxChars;
        FitLineEditLength(c);
    }
    int GetCheck(int id) const override { return At(id).check; }
    void SetCheck(int id, int checked) override {
        Control& c = At(id);
        c.check = checked;
        if (auto* button = qobject_cast<QAbstractButton*>(c.widget);
            button != nullptr && button->isCheckable()) {
            const QSignalBlocker block(button);
            button->setChecked(checked != 0);
        }
    }
    int GetCurSel(int id) const override { return At(id).curSel; }
    void SetCurSel(int id, int index) override {
        Control& c = At(id);
        c.curSel = index >= 0 && index < static_cast<int>(c.tmpl.items.size()) ? index : -1;
        if (auto* combo = qobject_cast<QComboBox*>(c.widget)) {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(c.curSel);
        }
    }
    int GetCount(int id) const override { return static_cast<int>(At(id).tmpl.items.size()); }
    std::string GetItem(int id, int index) const override {
        const Control& c = At(id);
        return index >= 0 && index < static_cast<int>(c.tmpl.items.size()) ? c.tmpl.items[index] : "";
    }
    void ShowFocus(int id) override {
        if (m_inShowFocus)
            return;
        auto it = m_controls.find(id);
        m_inShowFocus = true;
        // With no control focused, the window itself takes the keys.
        (it != m_controls.end() ? it->second.widget : m_dlg.get())->setFocus(m_focusReason);
        m_inShowFocus = false;
    }

    // ---- window ----
    std::string GetCaption() const override { return m_caption; }
    void SetCaption(std::string_view caption) override {
        m_caption.assign(caption);
        m_dlg->setWindowTitle(ToQString(m_caption));
    }
    // The window's place is that of its client area: the frame a window manager adds is not
    // known before the window is mapped, and mixing the two would shift the next page by the
    // height of the title bar.
    Rect GetRect() const override {
        const QRect r = m_dlg->geometry();
        return Rect{r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    void MoveTo(int x, int y) override { m_dlg->setGeometry(x, y, m_dlg->width(), m_dlg->height()); }
    void SetIcon(int iconId) override {
        const QString path = ImageResource(iconId);
        if (!path.isEmpty())
            m_dlg->setWindowIcon(QIcon(path));
    }
    void Open() override {
        const Program guard(*this);
        m_dlg->setWindowModality(Qt::ApplicationModal);
        m_dlg->show();
        m_dlg->raise();
        m_dlg->activateWindow();
        QApplication::setActiveWindow(m_dlg.get());
        // A scripted user acts right away; let the window settle first. Interactively the
        // modal loop that follows does this.
        if (GetAgent() != nullptr)
            QApplication::processEvents();
    }
    int RunModal() override {
        if (!m_ended)
            m_dlg->exec();
        return m_result;
    }
    void End(int result) override {
        m_ended = true;
        m_result = result;
        const Program guard(*this);
        m_dlg->done(result);
    }
    bool Ended() const override { return m_ended; }
    void SetWindowVisible(bool visible) override {
        const Program guard(*this);
        // QDialog's own hide would end its modal loop; the window only goes out of sight.
        m_dlg->QWidget::setVisible(visible); // NOLINT(bugprone-parent-virtual-call)
    }
    bool IsWindowVisible() const override { return m_dlg->isVisible(); }
    bool Screenshot(const std::string& path) override { return m_dlg->grab().save(ToQString(path), "PNG"); }

    // ---- input: real events, as a person's mouse and keyboard give them ----
    void InputClick(int id) override;
    void InputKey(Key key) override;
    void InputMnemonic(char letter) override;
    void InputChar(std::string_view ch) override;
    void InputPaste(std::string_view text) override;
    void InputSelect(int id, int index) override;
    void InputClose() override { m_dlg->close(); }

    // What the page window receives.
    void CloseRequest() {
        if (Routable())
            m_dialog.OnClose();
    }
    void KeyRequest(Key key) {
        if (Routable())
            m_dialog.DialogKey(key);
    }
    bool TabRequest(bool forward);
    bool MnemonicRequest(QChar ch);

  private:
    // Marks a stretch in which the program, not the user, changes widgets: Qt events it causes
    // (focus moves, text signals) are not user input.
    class Program {
      public:
        explicit Program(QtWindow& w) : m_w(w) { ++m_w.m_programDepth; }
        ~Program() { --m_w.m_programDepth; }
        Program(const Program&) = delete;
        Program& operator=(const Program&) = delete;

      private:
        QtWindow& m_w;
    };

    // Input reaches the page unless the program itself is changing the widgets.
    bool Routable() const { return m_programDepth == 0 && !m_inShowFocus && !m_ended && !m_closing; }
    QWidget* FocusTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && focus->window() == m_dlg.get() ? focus : m_dlg.get();
    }
    static bool PasteRequest(Control& c);

    const Control& At(int id) const {
        auto it = m_controls.find(id);
        if (it == m_controls.end())
            throw std::out_of_range("no control " + std::to_string(id));
        return it->second;
    }
    Control& At(int id) { return const_cast<Control&>(static_cast<const QtWindow*>(this)->At(id)); }

    static std::string Text(const Control& c) {
        return c.Multiline() ? DocumentText(*EditDocument(c.widget)) : c.text;
    }

    void Build(const ControlTemplate& t, std::size_t index);
    void FitButtonLabel(Control& c, const QString& text);
    void NoteInsertion(int id, int position, int removed, int added);
    void UserEditedMultiline(Control& c);
    void FindLabels();
    void UpdateName(Control& c);
    QString LabelText(std::size_t index) const;
    bool DialogKeyFor(Key key, Qt::FocusReason reason);
    void ShowText(Control& c, std::string_view utf8);
    void ApplyReadOnly(Control& c);
    static void FitLineEditLength(Control& c);
    void UserEdited(int id);
    void UserToggled(int id);
    bool eventFilterFor(int id, QEvent* event);
    QList<QWidget*> AccessibleOrder() const;
    void SetAccessibleRole(const ControlTemplate& t, QWidget* w);
    static void PaintOnWhite(QWidget* w);

    friend class ControlFilter;

    Dialog& m_dialog;
    std::string m_caption;
    std::unique_ptr<PageDialog> m_dlg;
    DialogUnits m_units;
    QList<QWidget*> m_order; // every control's widget in template order
    std::map<int, Control> m_controls;
    int m_programDepth = 0;
    bool m_inShowFocus = false;
    Qt::FocusReason m_focusReason = Qt::OtherFocusReason; // how the next ShowFocus came about
    bool m_ended = false;
    bool m_closing = false;
    int m_result = 0;
};

// Watches one control for focus and the keys the page handles itself.
class ControlFilter : public QObject {
  public:
    ControlFilter(QtWindow& w, int id, QObject* parent) : QObject(parent), m_w(w), m_id(id) {}
    bool eventFilter(QObject*, QEvent* event) override { return m_w.eventFilterFor(m_id, event); }

  private:
    QtWindow& m_w;
    int m_id;
};

} // namespace mirel::qt
