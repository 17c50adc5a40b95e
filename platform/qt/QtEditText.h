// The text of the Qt host's edits: how a multi-line edit holds a long text (packed and broken
// for display only, read back exactly), and how typed or pasted text is filtered and counted.
#pragma once

#include <QString>
#include <QTextDocument>
#include <QWidget>
#include <string>
#include <string_view>

namespace mirel::qt {

// Characters a multi-line edit counts for its limit: a line break is CR LF.
qsizetype LimitChars(const QString& text, bool multiline);

// The document of a multi-line edit (QPlainTextEdit, or QTextEdit for a borderless info box);
// nullptr for other widgets.
QTextDocument* EditDocument(const QWidget* w);
void SetEditCursor(QWidget* w, int position);

// Appends UTF-8 text with "\r\n" line breaks at the end of a plain-text document, in pieces.
void AppendToDocument(QTextDocument& doc, std::string_view utf8);
// The text of a multi-line edit as the page sees it ("\r\n" line breaks).
std::string DocumentText(const QTextDocument& doc);
// Sets a multi-line edit's text (UTF-8, "\r\n" line breaks).
void SetEditText(QWidget* w, std::string_view utf8);
// A multi-line edit's length as its limit counts it (a line break is two).
qsizetype DocumentChars(const QTextDocument& doc);

// Typed text as the edit may hold it: block breaks as '\n', no CR, no control characters but
// tab and line break, '?' for what cp1252 lacks.
QString FilterTyped(const QString& typed, bool multiline);

} // namespace mirel::qt
