// The widgets the Qt host builds page controls from, where Qt's own do not draw or behave as
// the classic controls do: clickable texts and pictures, the dotted focus frame, push buttons,
// radio buttons and check boxes that take a click anywhere, static text, group frames,
// rectangles and the drop-down list that reports its opening.
#pragma once

#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QSvgRenderer>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/qt/QtSupport.h"

namespace mirel::qt {

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
inline void DrawFocusFrame(QPainter& painter, const QWidget& widget, const QRect& frame) {
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

} // namespace mirel::qt
