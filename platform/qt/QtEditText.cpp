#include "platform/qt/QtEditText.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>

#include "platform/Text.h"
#include "platform/qt/QtSupport.h"

namespace mirel::qt {

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

namespace {

// How a plain-text edit holds a long text. Qt keeps some hundred bytes for every block and
// lays out a block as a whole, so neither one block per line (megabytes of short lines) nor
// one block for a line of megabytes would do. Short lines are therefore packed into blocks of
// about kPackChars characters, separated by line separators (U+2028), which show as line
// breaks; a line longer than kDisplayLine characters is shown broken into pieces of that
// length, and the block after such a break is marked kJoinedBlock. Reading the text back turns
// both into what the page put in.
constexpr int kPackChars = 4096;
constexpr int kDisplayLine = 4096;
constexpr int kJoinedBlock = 1; // user state of a block that continues the line before it

// Where the end of a document stands: characters of its last block and of its last line.
struct TextEnd {
    int block = 0;
    int line = 0;
};

// Inserts `text` (line breaks "\r\n", "\n" or a lone "\r") at `cursor`, the end of the
// document, packed and broken as described above.
void InsertPacked(QTextCursor& cursor, QString text, TextEnd& end) {
    // Written over `text` itself: a line break becomes one character, so the output never
    // overtakes what is still to be read.
    QChar* const out = text.data();
    const QChar* const in = out;
    const qsizetype size = text.size();
    qsizetype w = 0;
    const auto flush = [&] {
        cursor.insertText(QString::fromRawData(out, w));
        w = 0;
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = in[i];
        if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < size && in[i + 1] == u'\n')
                ++i;
            if (end.block >= kPackChars) {
                out[w++] = u'\n'; // Qt starts a new block there
                end.block = 0;
            } else {
                out[w++] = QChar::LineSeparator;
                ++end.block;
            }
            end.line = 0;
            continue;
        }
        if (end.line == kDisplayLine) {
            flush();
            cursor.insertBlock();
            cursor.block().setUserState(kJoinedBlock);
            end = TextEnd{};
        }
        out[w++] = ch;
        ++end.block;
        ++end.line;
    }
    flush();
}

} // namespace

// Appends UTF-8 text with "\r\n" line breaks at the end of a plain-text document, converted
// in pieces, so that no second whole copy of the text exists and the cost is that of `utf8`.
void AppendToDocument(QTextDocument& doc, std::string_view utf8) {
    QTextCursor cursor(&doc);
    cursor.movePosition(QTextCursor::End);
    const QString last = cursor.block().text();
    TextEnd end{static_cast<int>(last.size()),
                static_cast<int>(last.size() - 1 - last.lastIndexOf(QChar::LineSeparator))};
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false); // the program's own text is no step the user can undo
    cursor.beginEditBlock();
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t stop = std::min(pos + kPiece, utf8.size());
        // A piece ends neither inside a UTF-8 sequence nor between the CR and LF of a break.
        while (stop < utf8.size() && (static_cast<unsigned char>(utf8[stop]) & 0xC0) == 0x80)
            ++stop;
        if (stop < utf8.size() && utf8[stop] == '\n' && utf8[stop - 1] == '\r')
            ++stop;
        InsertPacked(cursor, ToQString(utf8.substr(pos, stop - pos)), end);
        pos = stop;
    }
    cursor.endEditBlock();
    doc.setUndoRedoEnabled(undo);
}

// The text of a multi-line edit as the page sees it: "\r\n" for every line break, nothing
// where a long line was broken for display.
std::string DocumentText(const QTextDocument& doc) {
    std::string out;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block != doc.begin() && block.userState() != kJoinedBlock)
            out += "\r\n";
        QString text = block.text();
        text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
        const QByteArray bytes = text.toUtf8();
        out.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
    return out;
}

void SetEditText(QWidget* w, std::string_view utf8) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        plain->setPlainText(QString());
        AppendToDocument(*plain->document(), utf8);
        SetEditCursor(w, 0);
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
        rich->setPlainText(ToQString(CrLfToLf(utf8)));
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

} // namespace mirel::qt
