#include "platform/qt/QtWindow.h"

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
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "platform/Agent.h"
#include "platform/Dialog.h"
#include "platform/Text.h"
#include "platform/qt/QtAccessibility.h"
#include "platform/qt/QtInput.h"
#include "platform/qt/QtSupport.h"

namespace mirel::qt {
namespace {

// Reports a left click (press and release inside the widget) to `onClick`.
class Clickable : public QWidget {
  public:
    using QWidget::QWidget;
    std::function<void()> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_pressed = onClick && event->button() == Qt::LeftButton;
        QWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const bool click =
            m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
        m_pressed = false;
        if (click)
            onClick();
    }

  private:
    bool m_pressed = false;
};

// The classic dotted focus frame. The style's own focus marks are too faint on a picture and
// on a push button look the same as the default button's frame.
void DrawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& frame) {
    painter.save();
    painter.setPen(QPen(widget.palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    painter.restore();
}

// A push button that marks the keyboard focus with the dotted frame inside its border.
class PageButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            DrawFocusFrame(painter, *this, rect().adjusted(4, 4, -5, -5));
        }
    }
};

// A radio button or check box that, as the classic controls, takes a click anywhere in its
// rectangle, not only on its mark and label.
template <class Button> class WholeAreaButton : public Button {
  public:
    using Button::Button;

  protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

// Static text as the classic static control draws it: word wrap, line breaks, '&' mnemonics
// (unless `literal`: then an '&' is shown as it stands).
class StaticText : public Clickable {
  public:
    StaticText(QWidget* parent, Qt::Alignment align, bool literal)
        : Clickable(parent), m_align(align), m_mnemonic(literal ? 0 : int(Qt::TextShowMnemonic)) {}
    // `rect` is the template's rectangle, `room` how far the text may reach beside it.
    void Place(const QRect& rect, TextRoom room) {
        m_rect = rect;
        m_room = room;
        Fit();
    }
    void SetLabel(const QString& text) {
        m_text = text;
        Fit();
        update();
    }
    int Flags() const { return int(m_align | Qt::AlignTop) | Qt::TextWordWrap | m_mnemonic; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        style()->drawItemText(&painter, rect(), Flags(), palette(), isEnabled(), m_text,
                              QPalette::WindowText);
    }

  private:
    // Our font runs a little wider than the one the layout was made for. A text that does not
    // fit its rectangle reaches into the free room beside it, or is drawn a little narrower;
    // when even that is not enough, it uses the room below its rectangle rather than lose a
    // line.
    void Fit() {
        if (m_rect.isEmpty() || parentWidget() == nullptr)
            return;
        const QFont base = parentWidget()->font();
        const int flags = Flags();
        const LabelFit fit = FitLabel(m_rect, m_room, m_align, base, [&](const QFont& font, int width) {
            const QFontMetrics metrics(font);
            const QRect box = metrics.boundingRect(QRect(0, 0, width, 100000), flags, m_text);
            return box.width() <= width && box.height() <= std::max(m_rect.height(), metrics.height());
        });
        setFont(fit.font);
        int height = m_rect.height();
        if (!fit.fits)
            height = std::max(
                height,
                fontMetrics().boundingRect(QRect(0, 0, m_rect.width(), 100000), flags, m_text).height());
        setGeometry(fit.x, m_rect.y(), fit.width, height);
    }

    Qt::Alignment m_align;
    int m_mnemonic;
    QString m_text;
    QRect m_rect;
    TextRoom m_room{0, 0};
};

// Group box as the classic dialog draws it: an etched frame with the caption on its top line.
// It is only a picture; the controls inside it are its siblings.
class GroupFrame : public QWidget {
  public:
    using QWidget::QWidget;
    void SetLabel(const QString& text) {
        m_text = text;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(frame);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(frame.translated(1, 1));
        if (m_text.isEmpty())
            return;
        const QSize size = metrics.size(Qt::TextShowMnemonic, m_text);
        const QRect caption(6, 0, std::min(size.width() + 4, width() - 8), metrics.height());
        painter.fillRect(caption, palette().window());
        style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), m_text, QPalette::WindowText);
    }

  private:
    QString m_text;
};

// A picture scaled to its rectangle; with `clickable` it reports clicks (mouse, Space).
class Picture : public Clickable {
  public:
    Picture(QWidget* parent, int imageId, bool clickable) : Clickable(parent), m_clickable(clickable) {
        const QString path = ImageResource(imageId);
        if (path.endsWith(QStringLiteral(".svg")))
            m_svg = std::make_unique<QSvgRenderer>(path);
        else if (!path.isEmpty())
            m_pixmap.load(path);
        if (clickable)
            setCursor(Qt::PointingHandCursor);
    }
    bool TakesClicks() const { return m_clickable; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_svg && m_svg->isValid())
            m_svg->render(&painter, QRectF(rect()));
        else if (!m_pixmap.isNull())
            painter.drawPixmap(rect(), m_pixmap);
        if (hasFocus())
            DrawFocusFrame(painter, *this, rect().adjusted(2, 2, -3, -3));
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (m_clickable && event->key() == Qt::Key_Space && onClick) {
            onClick();
            return;
        }
        QWidget::keyPressEvent(event);
    }

  private:
    bool m_clickable;
    std::unique_ptr<QSvgRenderer> m_svg;
    QPixmap m_pixmap;
};

// Filled or framed rectangle. The white header is white in every colour scheme (what lies on
// it takes dark colours of its own); frames take their colour from the palette.
class Rectangle : public QWidget {
  public:
    Rectangle(QWidget* parent, QColor fill, QPalette::ColorRole frame, bool framed)
        : QWidget(parent), m_fill(fill), m_frame(frame), m_framed(framed) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_fill.isValid())
            painter.fillRect(rect(), m_fill);
        if (m_framed) {
            painter.setPen(palette().color(m_frame));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

  private:
    QColor m_fill;
    QPalette::ColorRole m_frame;
    bool m_framed;
};

// The drop-down list reports when its list opens.
class DropDownList : public QComboBox {
  public:
    using QComboBox::QComboBox;
    std::function<bool()> onDropDown; // false: the list must stay closed

    void showPopup() override {
        if (!onDropDown || onDropDown())
            QComboBox::showPopup();
    }
};

class QtWindow;

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
    // As the page sees it ("\r\n" in multi-line edits). After typing in a multi-line edit it is
    // `stale`: the widget holds the text, converted only when the page reads it.
    mutable std::string text;
    mutable bool stale = false;
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
bool IsInfoBox(const ControlTemplate& t) {
    return t.id == 1171 && t.kind == ControlKind::Edit;
}
bool IsLive(const ControlTemplate& t) {
    return IsInfoBox(t) || (t.id == 1206 && t.kind == ControlKind::Static);
}

// Characters a multi-line edit counts for its limit: a line break is CR LF.
qsizetype LimitChars(const QString& text, bool multiline) {
    return text.size() + (multiline ? text.count(u'\n') : 0);
}

// Multi-line edits are QPlainTextEdit, which stays quick with megabytes of text. A borderless
// one (an info box) is a QTextEdit: only there can its lines be set as close as the font's
// height, so that its lines fit the rectangle made for them.
QTextDocument* EditDocument(const QWidget* w) {
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return plain->document();
    if (const auto* rich = qobject_cast<const QTextEdit*>(w))
        return rich->document();
    return nullptr;
}

void SetEditCursor(QWidget* w, int position) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        QTextCursor cursor = plain->textCursor();
        cursor.setPosition(position);
        plain->setTextCursor(cursor);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        QTextCursor cursor = rich->textCursor();
        cursor.setPosition(position);
        rich->setTextCursor(cursor);
    }
}

void SetEditText(QWidget* w, const QString& text) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(text);
        QTextBlockFormat lines;
        lines.setLineHeight(rich->fontMetrics().height(), QTextBlockFormat::FixedHeight);
        QTextCursor all(rich->document());
        all.select(QTextCursor::Document);
        all.mergeBlockFormat(lines); // blocks typed later take the format of the block they split
    }
}

// A multi-line edit's length as its limit counts it (a line break is two), without reading
// its text.
qsizetype DocumentChars(const QTextDocument& doc) {
    return doc.characterCount() - 1 + doc.blockCount() - 1;
}

// Typed text as the edit may hold it: block breaks as '\n', no CR, '?' for what cp1252 lacks.
QString FilterTyped(const QString& typed, bool multiline) {
    QString text = typed;
    for (QChar& ch : text)
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
            ch = u'\n';
    text.remove(u'\r');
    if (!multiline)
        text.remove(u'\n');
    // Control characters other than tab and line break never reach the text.
    text.removeIf(
        [](QChar ch) { return (ch.unicode() < 0x20 && ch != u'\t' && ch != u'\n') || ch.unicode() == 0x7F; });
    return Cp1252Only(text);
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
        c.text.assign(text);
        c.stale = false;
        c.modified = false;
        ShowText(c);
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

    static const std::string& Text(const Control& c) {
        if (c.stale) {
            c.text = LfToCrLf(ToStdString(EditDocument(c.widget)->toPlainText()));
            c.stale = false;
        }
        return c.text;
    }

    void Build(const ControlTemplate& t, std::size_t index);
    void FitButtonLabel(Control& c, const QString& text);
    void NoteInsertion(int id, int position, int removed, int added);
    void UserEditedMultiline(Control& c);
    void FindLabels();
    void UpdateName(Control& c);
    QString LabelText(std::size_t index) const;
    bool DialogKeyFor(Key key, Qt::FocusReason reason);
    void ShowText(Control& c);
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

// Watches one control for focus and the keys the page handles itself.
class ControlFilter : public QObject {
  public:
    ControlFilter(QtWindow& w, int id, QObject* parent) : QObject(parent), m_w(w), m_id(id) {}
    bool eventFilter(QObject*, QEvent* event) override { return m_w.eventFilterFor(m_id, event); }

  private:
    QtWindow& m_w;
    int m_id;
};

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
    c.text = t.kind == ControlKind::ComboBox ? std::string() : t.text;
    c.visible = (t.style & kHidden) == 0;
    c.enabled = (t.style & kDisabled) == 0;
    c.readOnly = (t.style & kReadOnly) != 0;
    c.room = room;
    c.onWhite = onWhite;
    w->installEventFilter(new ControlFilter(*this, id, w));
    if (auto* edit = qobject_cast<QAbstractScrollArea*>(w))
        edit->viewport()->installEventFilter(new ControlFilter(*this, id, w));
    ShowText(c);
    ApplyReadOnly(c);
}

void QtWindow::ShowText(Control& c) {
    const Program guard(*this);
    const QString text = ToQString(c.text);
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
            SetEditText(w, ToQString(CrLfToLf(c.text)));
            c.count = DocumentChars(*doc);
            c.stale = false;
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
    if (IsLive(c.tmpl)) // an edit's text and a text without mnemonics read as they stand
        AnnounceChange(w, c.tmpl.kind == ControlKind::Static && (c.tmpl.style & kNoPrefix) == 0
                              ? PlainLabel(text)
                              : text.simplified());
}

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
    c.stale = true;
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

} // namespace

std::unique_ptr<Window> WidgetHost::CreateWindow(Dialog& dialog, const DialogTemplate& tmpl) {
    return std::make_unique<QtWindow>(dialog, tmpl);
}

} // namespace mirel::qt
