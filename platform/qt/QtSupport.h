// Small helpers of the Qt host that need no window: picture resources, label wrapping and the
// conversion of classic file-dialog filters.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

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

// "Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||" -> {"Textdatei (*.txt)", "Alle Dateien (*)"}.
QStringList NameFilters(const std::string& classicFilter);

} // namespace mirel::qt
