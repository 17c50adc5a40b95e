// Small helpers of the Qt host that need no window: picture resources, label wrapping and the
// conversion of classic file-dialog filters.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Template.h"

namespace mirel::qt {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToStdString(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The text with every character cp1252 cannot hold replaced by '?'.
QString Cp1252Only(const QString& text);

// Resource path of picture `imageId` (company logo, separator, product logos, icon); empty for
// an unknown id.
QString ImageResource(int imageId);

// Breaks a button label into lines of at most `width` pixels at blanks. '&' marks a mnemonic
// and takes no room; "&&" is one '&'. Existing line breaks are kept.
QString WrapLabel(const QString& text, const QFontMetrics& metrics, int width);

// A label as it reads aloud: without mnemonic markers ("&&" is one '&') and with every line
// break and run of blanks made one blank.
QString PlainLabel(const QString& text);

// The character a label's '&' marks, in lower case; a null QChar when there is none.
QChar MnemonicOf(const QString& text);

// Dialog units of a page in pixels, as the classic dialog manager takes them from the dialog's
// font: the base width is the average width of the letters "A".."Z" and "a".."z", the base
// height the font's height; one unit is a quarter of the base width across and an eighth of
// the base height down.
struct DialogUnits {
    int baseX = 6;
    int baseY = 13;
    int X(int dlu) const { return (dlu * baseX + 2) / 4; }
    int Y(int dlu) const { return (dlu * baseY + 4) / 8; }
    QRect Rect(const ControlTemplate& t) const { return {X(t.x), Y(t.y), X(t.cx), Y(t.cy)}; }
};
DialogUnits UnitsOf(const QFont& font);

// The font pages are drawn in: the desktop's general font when its theme sets one, else
// Liberation Sans 8 pt. `appFont` is the application's font as the platform theme left it.
QFont PageFont(const QFont& appFont);

// A template rectangle in pixels.
QRect PxRect(const ControlTemplate& t, const DialogUnits& units);

// How far, in pixels from the window's left edge, the text of control `index` may reach to the
// left and to the right: up to the next control on its rows, inside the frame of a group box
// or rectangle around it, and never past the window's edge.
struct TextRoom {
    int left;
    int right; // exclusive
};
TextRoom RoomOf(const std::vector<ControlTemplate>& controls, std::size_t index, int windowWidth,
                const DialogUnits& units);

// Where and how a text is drawn so that it fits: `fits(font, width)` tells whether the text in
// `font` fits a rectangle `width` wide. The rectangle keeps its place when the text fits;
// otherwise it grows into its room (left-aligned to the right, right-aligned to the left,
// centred both ways), and where that is not enough the font is condensed a little.
struct LabelFit {
    int x;
    int width;
    QFont font;
    bool fits; // false: nothing helped; the rectangle and font are the original ones
};
LabelFit FitLabel(const QRect& rect, TextRoom room, Qt::Alignment align, const QFont& font,
                  const std::function<bool(const QFont&, int)>& fits);

// "Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||" -> {"Textdatei (*.txt)", "Alle Dateien (*)"}.
QStringList NameFilters(const std::string& classicFilter);

} // namespace mirel::qt
