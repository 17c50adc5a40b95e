// The look of the pages in our font: labels fit their rectangles without running into their
// neighbours, info boxes show all their lines, a page renders whole, and a screen reader says
// for each control what its label shows.
#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "platform/qt/QtSupport.h"
#include "tests/qt/Interactive.h"

namespace mirel::qt::test {
namespace {

// A page with no code of its own over template `id`, to look at.
struct BarePage : Dialog {
    explicit BarePage(int id) : Dialog(id) {}
    const char* ClassName() const override { return "CPage"; }
};

// A desktop's font and colours for as long as it lives; the pages made meanwhile use them.
class DesktopLook {
  public:
    DesktopLook(int pointSize, bool dark, const char* family = "Liberation Sans")
        : m_font(QApplication::font()), m_palette(QApplication::palette()) {
        QApplication::setFont(QFont(QString::fromLatin1(family), pointSize));
        if (dark)
            QApplication::setPalette(DarkPalette());
    }
    ~DesktopLook() {
        QApplication::setFont(m_font);
        QApplication::setPalette(m_palette);
    }
    DesktopLook(const DesktopLook&) = delete;
    DesktopLook& operator=(const DesktopLook&) = delete;

    static QPalette DarkPalette() {
        QPalette dark(QColor(0x35, 0x35, 0x35)); // button and window colour; the rest derived
        dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
        dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
        return dark;
    }

  private:
    QFont m_font;
    QPalette m_palette;
};

const int kTemplates[] = {129, 131, 133, 135, 136, 138, 151, 152, 158, 160, 162, 163, 165};

// The labels of every template fit their controls and leave their neighbours free, in every
// font size a desktop may choose.
void ExpectLabelsFit(const Dialog& page) {
    const DialogUnits units = UnitsOf(PageWindow()->font());
    for (const ControlTemplate& t : page.Template().controls) {
        const bool labelled = t.kind == ControlKind::Static || t.kind == ControlKind::RadioButton ||
                              t.kind == ControlKind::CheckBox;
        if (t.id <= 0 || !labelled || t.text.empty())
            continue;
        SCOPED_TRACE(std::to_string(page.Template().id) + "/" + std::to_string(t.id));
        QWidget* w = ControlWidget(t.id);
        ASSERT_NE(w, nullptr);
        const QFontMetrics metrics = w->fontMetrics();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            // The style draws the label left and centred in the area beside the mark.
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect area = w->style()->subElementRect(qobject_cast<QRadioButton*>(w) != nullptr
                                                              ? QStyle::SE_RadioButtonContents
                                                              : QStyle::SE_CheckBoxContents,
                                                          &option, w);
            const QRect text = metrics.boundingRect(
                area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, button->text());
            EXPECT_TRUE(area.contains(text)) << button->text().toStdString();
            EXPECT_EQ(w->height(), PxRect(t, units).height());
        } else {
            int flags = Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
            flags |= (t.style & kRight) != 0    ? Qt::AlignRight
                     : (t.style & kCenter) != 0 ? Qt::AlignHCenter
                                                : Qt::AlignLeft;
            const QRect text = metrics.boundingRect(w->rect(), flags, QString::fromStdString(t.text));
            EXPECT_TRUE(w->rect().contains(text)) << t.text;
            EXPECT_LE(text.height(), std::max(PxRect(t, units).height(), metrics.height())) << t.text;
        }
        // Growing sideways must not reach a control the label did not touch before, other
        // than a frame around it.
        for (const ControlTemplate& other : page.Template().controls) {
            const QRect r = PxRect(other, units);
            if (other.id == t.id || r.contains(PxRect(t, units)) || r.intersects(PxRect(t, units)))
                continue;
            EXPECT_FALSE(w->geometry().intersects(r)) << "reaches " << other.id;
        }
    }
}

TEST(Look, LabelsFitTheirRectanglesAndLeaveTheirNeighboursFreeInEveryFontSize) {
    struct Case {
        const char* family;
        int pointSize;
        bool dark;
    } const cases[] = {
        {"Liberation Sans", 8, false},
        {"Liberation Sans", 10, false},
        {"Liberation Sans", 12, true},
        {"DejaVu Sans", 10, true}, // a wider font, as desktops often set
    };
    for (const Case& c : cases) {
        const DesktopLook look(c.pointSize, c.dark, c.family);
        for (const int templateId : kTemplates) {
            SCOPED_TRACE(std::string(c.family) + " " + std::to_string(c.pointSize) + " pt");
            BarePage bare(templateId);
            RunInteractive<Dialog>(bare, [&](Dialog& page) { ExpectLabelsFit(page); });
        }
    }
}

TEST(Look, DialogUnitsFollowThePageFont) {
    // The classic base units of Liberation Sans: 8 pt is today's look (6 x 13).
    struct Case {
        int pointSize;
        int baseX, baseY;
    } const cases[] = {{8, 6, 13}, {10, 8, 15}, {12, 9, 19}};
    const DialogTemplate& tmpl = GetTemplate(131);
    QSize before;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pointSize);
        const DesktopLook look(c.pointSize, false);
        const DialogUnits units = UnitsOf(QApplication::font());
        EXPECT_EQ(std::make_pair(units.baseX, units.baseY), std::make_pair(c.baseX, c.baseY));
        BarePage bare(131);
        QSize size;
        std::map<int, QRect> rects;
        RunInteractive<Dialog>(bare, [&](Dialog&) {
            size = PageWindow()->size();
            for (const ControlTemplate& t : tmpl.controls)
                if (t.id > 0 && t.kind == ControlKind::PushButton)
                    rects[t.id] = ControlWidget(t.id)->geometry();
        });
        EXPECT_EQ(size, QSize(units.X(tmpl.cx), units.Y(tmpl.cy)));
        for (const auto& [id, rect] : rects)
            EXPECT_EQ(rect, PxRect(*tmpl.Find(id), units)) << id;
        EXPECT_TRUE(before.isEmpty() || (size.width() > before.width() && size.height() > before.height()));
        before = size;
    }
    // The 8 pt units are the ones the headless host keeps.
    EXPECT_EQ(DialogUnits{}.X(tmpl.cx), DluToPxX(tmpl.cx));
    EXPECT_EQ(DialogUnits{}.Y(tmpl.cy), DluToPxY(tmpl.cy));
}

TEST(Look, ThePageFontIsTheDesktopsWhenItSetsOne) {
    struct Case {
        QFont app;
        const char* family;
        int pointSize;
    } const cases[] = {
        {QFont(QStringLiteral("Sans Serif"), 9), "Liberation Sans", 8}, // Qt's own fallback
        {QFont(QStringLiteral("DejaVu Sans"), 11), "DejaVu Sans", 11},
        {QFont(QStringLiteral("Sans Serif"), 12), "Sans Serif", 12},
    };
    for (const Case& c : cases) {
        const QFont font = PageFont(c.app);
        EXPECT_EQ(font.family().toStdString(), c.family);
        EXPECT_EQ(font.pointSize(), c.pointSize);
    }
}

TEST(Look, TheHeaderStaysWhiteWithDarkTextAndTheLogoInADarkPalette) {
    for (int id : {128, 150, 153, 169, 170, 171, 172, 177})
        EXPECT_TRUE(QFile::exists(ImageResource(id))) << id;
    const DesktopLook look(8, true);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        int templateId;
        int id;
        const char* text;
    } const cases[] = {
        {131, 1171, "HINWEIS: Bitte w\xC3\xA4hlen Sie einen Punkt aus!"},
        {162, 1171, "INFO:\r\nBitte beachten Sie die LEDs."},
        {160, 1171, "Hier sehen Sie den Report."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        const QString file = dir.filePath(QStringLiteral("page%1.png").arg(c.templateId));
        BarePage page(c.templateId);
        QRect box;
        RunInteractive<Dialog>(page, [&](Dialog& p) {
            p.SetItemText(c.id, c.text);
            box = ControlWidget(c.id)->geometry();
            ASSERT_TRUE(p.GetWindow()->Screenshot(file.toStdString()));
        });
        const QImage image(file);
        ASSERT_FALSE(image.isNull());
        // The box is white and its text dark: plenty of dark ink, and the window around the
        // header keeps the dark colour.
        int white = 0;
        int ink = 0;
        for (int x = box.left(); x <= box.right(); ++x)
            for (int y = box.top(); y <= box.bottom(); ++y) {
                const int lightness = QColor(image.pixel(x, y)).lightness();
                white += lightness > 240 ? 1 : 0;
                ink += lightness < 100 ? 1 : 0;
            }
        EXPECT_GT(white, box.width() * box.height() / 2);
        EXPECT_GT(ink, 60);
        EXPECT_LT(QColor(image.pixel(3, image.height() - 3)).lightness(), 100);
        // The header is white, and the logo at its right draws something that is not.
        EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(Qt::white));
        int logo = 0;
        for (int x = DluToPxX(206); x < DluToPxX(358); ++x)
            for (int y = 0; y < DluToPxY(38); ++y)
                logo += QColor(image.pixel(x, y)).lightness() < 128 ? 1 : 0;
        EXPECT_GT(logo, 100);
    }
}

TEST(Look, InfoBoxShowsFourLinesWhole) {
    const std::string text = "HINWEIS:\r\nDie von Ihnen gemachten Eingaben werden vollst\xC3\xA4ndig "
                             "abgespeichert aber ggf. verk\xC3\xBCrzt dargestellt.";
    for (int templateId : {151, 152, 160, 162}) {
        SCOPED_TRACE(templateId);
        BarePage bare(templateId);
        RunInteractive<Dialog>(bare, [&](Dialog& page) {
            page.SetItemText(1171, text);
            auto* edit = qobject_cast<QTextEdit*>(ControlWidget(1171));
            ASSERT_NE(edit, nullptr);
            const QTextDocument* doc = edit->document();
            EXPECT_EQ(doc->documentLayout()->blockBoundingRect(doc->firstBlock()).top(), 0);
            EXPECT_EQ(doc->firstBlock().layout()->lineCount() + doc->lastBlock().layout()->lineCount(), 4);
            EXPECT_LE(doc->documentLayout()->documentSize().height(), edit->viewport()->height());
        });
    }
}

// Labels with line breaks and '&&', group boxes, names of their own, a label the page renames,
// and fields listed before their labels.
const DialogTemplate& NamesTemplate() {
    using K = ControlKind;
    static const DialogTemplate t = [] {
        DialogTemplate d{9102, "Namen", 100, 100, 358, 280, {}};
        d.controls = {
            {10, K::Edit, "", kTabStop, 5, 5, 100, 12},   // no label before it, none to its left or above
            {11, K::Edit, "", kTabStop, 200, 5, 60, 12},  // its label comes later, left of it
            {12, K::Edit, "", kTabStop, 200, 40, 60, 12}, // its label comes later, above it
            {0, K::Static, "Zeile:", kRight, 160, 6, 38, 10},
            {0, K::Static, "Darüber:", kNone, 200, 28, 60, 10},
            {0, K::Static, "&Firma:\nName", kNone, 5, 20, 60, 20},
            {13, K::Edit, "", kTabStop, 70, 20, 100, 12},
            {0, K::GroupBox, "&Anschrift", kNone, 5, 45, 200, 50},
            {14, K::Edit, "", kTabStop, 10, 55, 100, 12},
            {0, K::Static, "Straße", kNone, 10, 70, 40, 10},
            {15, K::Edit, "", kTabStop, 60, 70, 100, 12, 0, {}, "Hausnummer"},
            {0, K::Static, "Betriebs&system:", kNone, 5, 100, 60, 10},
            {16, K::ComboBox, "", kTabStop, 70, 100, 100, 60, 0, {"MS-DOS", "Windows"}},
            {17, K::RadioButton, "&Ja && Nein", kGroup | kTabStop, 5, 120, 80, 10},
            {18, K::CheckBox, "Lange\r\nBeschriftung", kGroup | kTabStop | kMultiline, 5, 135, 80, 20},
            {19, K::Static, "Alt:", kNone, 5, 160, 60, 10},
            {20, K::Edit, "", kTabStop, 70, 160, 100, 12},
            {21, K::Picture, "", kNotify | kTabStop, 5, 180, 99, 17, 169, {}, "Quorix*Test"},
        };
        return d;
    }();
    return t;
}

TEST(Look, ScreenReadersSayTheLabelsAsShown) {
    RegisterTemplate(NamesTemplate());
    BarePage page(NamesTemplate().id);
    std::vector<std::string> names;
    RunInteractive<Dialog>(page, [&](Dialog& p) {
        p.SetItemText(19, "Neu && besser:");
        for (int id : {10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 21}) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ControlWidget(id));
            names.push_back(iface != nullptr ? iface->text(QAccessible::Name).toStdString() : "<none>");
        }
    });
    EXPECT_EQ(names, (std::vector<std::string>{"", "Zeile:", "Darüber:", "Firma: Name", "Anschrift",
                                               "Hausnummer", "Betriebssystem:", "Ja & Nein",
                                               "Lange Beschriftung", "Neu & besser:", "Quorix*Test"}));
}

} // namespace
} // namespace mirel::qt::test
