#include "platform/qt/QtSupport.h"

#include <QFontMetricsF>
#include <cmath>

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

DialogUnits UnitsOf(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The classic height counts whole pixels above and below the base line.
    const qreal height = std::ceil(metrics.ascent()) + std::ceil(metrics.descent());
    return {std::max(1, static_cast<int>(std::lround(letters / 52))), std::max(1, static_cast<int>(height))};
}

QFont PageFont(const QFont& appFont) {
    // Without a desktop theme Qt falls back to "Sans Serif" 9 pt; that is no choice of the user.
    const bool fallback = appFont.family() == QStringLiteral("Sans Serif") && appFont.pointSize() == 9;
    if (fallback || appFont.pointSizeF() <= 0)
        return QFont(QStringLiteral("Liberation Sans"), 8);
    return appFont;
}

QRect PxRect(const ControlTemplate& t, const DialogUnits& units) {
    return units.Rect(t);
}

TextRoom RoomOf(const std::vector<ControlTemplate>& controls, std::size_t index, int windowWidth,
                const DialogUnits& units) {
    constexpr int kGap = 3;   // free pixels kept before a neighbour and the window's edge
    constexpr int kFrame = 4; // free pixels kept inside a group box's frame lines
    const QRect r = PxRect(controls[index], units);
    const int rRight = r.x() + r.width();
    TextRoom room{std::min(r.x(), kGap), std::max(rRight, windowWidth - kGap)};
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& o = controls[i];
        const QRect q = PxRect(o, units);
        if (i == index || q.isEmpty() || q.y() >= r.y() + r.height() || q.y() + q.height() <= r.y())
            continue; // no row in common
        const int qRight = q.x() + q.width();
        if (q.contains(r)) {
            // A frame around the text: its lines are in the way, its inside is not.
            const int inset = o.kind == ControlKind::GroupBox ? kFrame
                              : o.kind == ControlKind::BlackFrame || o.kind == ControlKind::WhiteFrame ? 1
                              : o.kind == ControlKind::WhiteRect                                       ? 0
                                                                                                       : -1;
            if (inset >= 0) {
                room.left = std::max(room.left, std::min(r.x(), q.x() + inset));
                room.right = std::min(room.right, std::max(rRight, qRight - inset));
                continue;
            }
        }
        if (r.contains(q))
            continue; // something drawn on the text's own rectangle leaves the room around it
        // A neighbour: the side it lies on ends the room there; one that overlaps the text
        // leaves it no room on that side.
        if (q.x() + qRight >= r.x() + rRight)
            room.right = std::min(room.right, std::max(rRight, q.x() - kGap));
        else
            room.left = std::max(room.left, std::min(r.x(), qRight + kGap));
    }
    return room;
}

LabelFit FitLabel(const QRect& rect, TextRoom room, Qt::Alignment align, const QFont& font,
                  const std::function<bool(const QFont&, int)>& fits) {
    const int rRight = rect.x() + rect.width();
    const int toLeft = std::max(0, rect.x() - room.left);
    const int toRight = std::max(0, room.right - rRight);
    int more = toRight;
    if ((align & Qt::AlignRight) != 0)
        more = toLeft;
    else if ((align & Qt::AlignHCenter) != 0)
        more = 2 * std::min(toLeft, toRight);
    auto left = [&](int width) {
        const int extra = width - rect.width();
        if ((align & Qt::AlignRight) != 0)
            return rect.x() - extra;
        if ((align & Qt::AlignHCenter) != 0)
            return rect.x() - extra / 2;
        return rect.x();
    };
    // Growing keeps the font's look, so it comes first; condensing stays slight.
    for (const int stretch : {100, 96, 92, 88}) {
        QFont f = font;
        if (stretch != 100)
            f.setStretch(stretch);
        if (!fits(f, rect.width() + more))
            continue;
        int lo = rect.width();
        int hi = rect.width() + more; // fits
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (fits(f, mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return {left(hi), hi, f, true};
    }
    return {rect.x(), rect.width(), font, false};
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
