// The look of the pages in our font: labels fit their rectangles without running into their
// neighbours, info boxes show all their lines, edits show the classic colours and tab stops.
#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

#include "platform/Agent.h"
#include "platform/qt/QtSupport.h"
#include "tests/qt/Interactive.h"
#include "tests/qt/QtTestEnvironment.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

// Shows template `templateId` as a bare page run by a scripted user and calls `inspect` while
// it is open.
void Inspect(int templateId, const std::function<void(Dialog&)>& inspect) {
    class Looker : public Agent {
      public:
        explicit Looker(const std::function<void(Dialog&)>& f) : m_f(f) {}
        void PageShown(Dialog&) override {}
        void Step(Dialog& page) override {
            m_f(page);
            page.EndDialog(kIdOk);
        }

      private:
        const std::function<void(Dialog&)>& m_f;
    } looker(inspect);
    struct Page : Dialog {
        explicit Page(int id) : Dialog(id) {}
        const char* ClassName() const override { return "CPage"; }
    };
    SetHost(&Environment().GetHost());
    SetAgent(&looker);
    Page page(templateId);
    page.DoModal();
    SetAgent(nullptr);
    SetHost(nullptr);
}

const ControlTemplate& TemplateControl(const Dialog& page, int id) {
    for (const ControlTemplate& t : page.Template().controls)
        if (t.id == id)
            return t;
    throw std::out_of_range("no control");
}

TEST(Look, LabelsFitTheirRectanglesAndLeaveTheirNeighboursFree) {
    struct Case {
        int templateId;
        std::vector<int> ids;
    } const cases[] = {
        {151, {1175, 1113, 1114, 1122, 1123, 1124, 1127, 1128, 1163, 1164, 1165, 1115}},
        {152, {1140, 1122, 1147, 1137, 1138, 1141, 1142, 1143, 1144, 1177, 1178, 1179, 1145, 1151}},
        {163, {1261, 1264}},
    };
    for (const Case& c : cases) {
        Inspect(c.templateId, [&](Dialog& page) {
            for (int id : c.ids) {
                SCOPED_TRACE(std::to_string(c.templateId) + "/" + std::to_string(id));
                const ControlTemplate& t = TemplateControl(page, id);
                QWidget* w = ControlWidget(id);
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
                    EXPECT_EQ(w->height(), PxRect(t).height());
                } else {
                    int flags = Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
                    flags |= (t.style & kRight) != 0    ? Qt::AlignRight
                             : (t.style & kCenter) != 0 ? Qt::AlignHCenter
                                                        : Qt::AlignLeft;
                    const QString label = QString::fromStdString(t.text);
                    const QRect text = metrics.boundingRect(w->rect(), flags, label);
                    EXPECT_TRUE(w->rect().contains(text)) << t.text;
                    EXPECT_LE(text.height(), std::max(PxRect(t).height(), metrics.height())) << t.text;
                }
                // Growing sideways must not reach a control the label did not touch before,
                // other than a frame around it.
                for (const ControlTemplate& other : page.Template().controls) {
                    const QRect r = PxRect(other);
                    if (other.id == id || r.contains(PxRect(t)) || r.intersects(PxRect(t)))
                        continue;
                    EXPECT_FALSE(w->geometry().intersects(r)) << "reaches " << other.id;
                }
            }
        });
    }
}

TEST(Look, InfoBoxShowsFourLinesWhole) {
    const std::string text = "HINWEIS:\r\nDie von Ihnen gemachten Eingaben werden vollst\xC3\xA4ndig "
                             "abgespeichert aber ggf. verk\xC3\xBCrzt dargestellt.";
    for (int templateId : {151, 152, 160, 162}) {
        SCOPED_TRACE(templateId);
        Inspect(templateId, [&](Dialog& page) {
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

TEST(Look, MultiLineEditsPutATabStopEvery32DialogUnits) {
    struct Case {
        int templateId;
        int id;
    } const cases[] = {{160, 1207}, {131, 1199}, {160, 1171}, {151, 1116}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Inspect(c.templateId, [&](Dialog&) {
            QWidget* w = ControlWidget(c.id);
            qreal distance = 0;
            if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
                distance = plain->tabStopDistance();
            else if (auto* rich = qobject_cast<QTextEdit*>(w))
                distance = rich->tabStopDistance();
            EXPECT_EQ(distance, DluToPxX(32));
        });
    }
}

// The colour in the lower right corner of an edit, where no text is.
QColor Background(QWidget* w) {
    const QImage image = w->grab().toImage();
    return QColor(image.pixel(image.width() - 6, image.height() - 4));
}

TEST(Look, EditsShowTheClassicBackgrounds) {
    const QColor face = QApplication::palette().color(QPalette::Window);
    const QColor white(Qt::white);
    struct Case {
        int templateId;
        int id;
        const char* state; // "", "disabled" or "readonly"
        QColor expected;
    } const cases[] = {
        {151, 1129, "", white},        {151, 1125, "", face}, // disabled by the template
        {152, 1146, "disabled", face}, {158, 1146, "disabled", face},
        {152, 1133, "readonly", face}, {160, 1207, "", face},          // read-only by the template
        {160, 1171, "", white},        {160, 1171, "readonly", white}, // on the white header
        {160, 1210, "", face},         {165, 1171, "", white},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.templateId) + "/" + std::to_string(c.id) + " " + c.state);
        Inspect(c.templateId, [&](Dialog& page) {
            if (std::string(c.state) == "disabled")
                page.EnableItem(c.id, false);
            if (std::string(c.state) == "readonly")
                page.SetReadOnly(c.id, true);
            EXPECT_EQ(Background(ControlWidget(c.id)).name().toStdString(), c.expected.name().toStdString());
        });
    }
}

// Types `keys` into the focused widget one key press each and returns the slowest press in ms.
qint64 TypeKeys(const QString& keys) {
    qint64 slowest = 0;
    for (QChar ch : keys) {
        QElapsedTimer timer;
        timer.start();
        Press(0, Qt::NoModifier, QString(ch));
        slowest = std::max(slowest, timer.elapsed());
    }
    return slowest;
}

TEST(Look, TypingIntoTenMegabytesStaysQuickAndExact) {
    SetHost(&Environment().GetHost());
    ASSERT_EQ(GetAgent(), nullptr);
    TestPage page;
    // Qt scans every line when the widest one gets narrower; typing goes into another one.
    std::string big = "Die erste Zeile ist die breiteste von allen, damit sie es bleibt\r\n";
    const std::string line = "Zeile mit etwas Text\r\n";
    while (big.size() < 10u << 20)
        big += line;
    const int kAt = 70; // in the second line
    qint64 slowest = -1;
    std::string read;
    int changes = 0;
    QTimer::singleShot(0, [&] {
        page.SetItemText(kMemo, big);
        page.SetFocusItem(kMemo);
        auto* edit = static_cast<QPlainTextEdit*>(ControlWidget(kMemo));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(kAt);
        edit->setTextCursor(cursor);
        page.log.clear();
        slowest = TypeKeys(QString::fromUtf8("ab\xE2\x86\x92"));
        if (qEnvironmentVariableIsSet("MIREL_SHOW_TIMES"))
            std::printf("slowest key press in 10 MiB: %lld ms\n", static_cast<long long>(slowest));
        changes =
            static_cast<int>(std::count(page.log.begin(), page.log.end(), std::to_string(kMemo) + " change"));
        read = page.GetItemText(kMemo);
        page.EndDialog(kIdOk);
    });
    page.DoModal();
    SetHost(nullptr);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(read, big.substr(0, kAt + 1) + "ab?" + big.substr(kAt + 1)); // CR LF is one break in the widget
    // A key press that reads and converts the whole text takes far longer.
    EXPECT_LT(slowest, 250);
}

} // namespace
} // namespace mirel::qt::test
