#include "platform/qt/QtSupport.h"

#include "platform/Text.h"

namespace mirel::qt {

QString Cp1252Only(const QString& text) {
    return ToQString(Cp1252ToUtf8(Utf8ToCp1252(ToStdString(text))));
}

QString ImageResource(int imageId) {
    switch (imageId) {
    case 128:
        return QStringLiteral(":/images/icon128.svg");
    case 150:
        return QStringLiteral(":/images/logo150.svg");
    case 153:
        return QStringLiteral(":/images/separator153.svg");
    case 169:
    case 170:
    case 171:
    case 172:
    case 177:
        return QStringLiteral(":/images/product%1.svg").arg(imageId);
    default:
        return {};
    }
}

namespace {
// Width of a label piece as drawn: mnemonic markers take no room.
int LabelWidth(const QFontMetrics& metrics, const QString& piece) {
    QString shown;
    for (qsizetype i = 0; i < piece.size(); ++i) {
        if (piece[i] == u'&' && i + 1 < piece.size())
            ++i;
        shown += piece[i];
    }
    return metrics.horizontalAdvance(shown);
}
} // namespace

QString WrapLabel(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (const QString& paragraph : text.split(u'\n')) {
        QString line;
        for (const QString& word : paragraph.split(u' ')) {
            const QString candidate = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && LabelWidth(metrics, candidate) > width) {
                out << line;
                line = word;
            } else {
                line = candidate;
            }
        }
        out << line;
    }
    return out.join(u'\n');
}

QString PlainLabel(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain.simplified();
}

QChar MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" is a plain '&'
    }
    return {};
}

QStringList NameFilters(const std::string& classicFilter) {
    const QStringList parts = ToQString(classicFilter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        // The dialog reads the patterns from the parentheses; "*.*" means every file.
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (p.trimmed() == u"*.*" ? QStringLiteral("*") : p.trimmed());
        if (patterns.isEmpty())
            continue;
        const qsizetype open = name.lastIndexOf(u'(');
        if (open > 0 && name.endsWith(u')'))
            name = name.left(open).trimmed();
        filters << name + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters;
}

} // namespace mirel::qt
