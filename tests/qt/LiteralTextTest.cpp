// Texts that hold what the user typed or chose are shown as they are: the report page's status
// line draws an '&' in a path, and Alt with the letter after it reaches no control; a message box
// shows markup as plain text that the mouse can select (the final page's message carries the
// company name in the mail subject).
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "tests/qt/Interactive.h"
#include "tests/qt/TestPage.h"

namespace mirel::qt::test {
namespace {

struct BarePage : Dialog {
    explicit BarePage(int id) : Dialog(id) {}
    const char* ClassName() const override { return "CPage"; }
};

// Width in pixels from the first to the last column of control `id` that holds dark ink.
int InkWidth(int id) {
    QWidget* w = ControlWidget(id);
    if (w == nullptr)
        return -1;
    const QImage image = w->grab().toImage();
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (QColor(image.pixel(x, y)).lightness() < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return last < first ? 0 : last - first + 1;
}

TEST(StatusLine, AnAmpersandInAPathIsDrawnAndIsNoMnemonic) {
    // The status line draws "&x&y" wider than "xy"; a label with mnemonics draws both alike
    // (underlines take no room), which shows that the measure sees the difference.
    struct Case {
        int templateId;
        int id;
        bool literal;
    } const cases[] = {{160, 1206, true}, {TestTemplate().id, kLabel, false}};
    for (const Case& c : cases) {
        RegisterTemplate(TestTemplate());
        BarePage page(c.templateId);
        int marked = 0;
        int plain = 0;
        RunInteractive<Dialog>(page, [&](Dialog& p) {
            p.SetItemText(c.id, "&x&y");
            marked = InkWidth(c.id);
            p.SetItemText(c.id, "xy");
            plain = InkWidth(c.id);
        });
        ASSERT_GT(plain, 0) << c.id;
        if (c.literal)
            EXPECT_GT(marked, plain * 2) << c.id;
        else
            EXPECT_EQ(marked, plain) << c.id;
    }
}

TEST(StatusLine, AltWithTheLetterAfterAnAmpersandInThePathMovesNoFocus) {
    BarePage page(160);
    std::vector<int> focus;
    RunInteractive<Dialog>(page, [&](Dialog& p) {
        p.SetItemText(1206, "Der Report wurde unter /tmp/A&Q/r.txt gespeichert.");
        p.SetFocusItem(1210);
        Press(Qt::Key_Q, Qt::AltModifier, QStringLiteral("q"));
        focus.push_back(p.GetFocusItem());
        // The page's own mnemonics still work.
        Press(Qt::Key_E, Qt::AltModifier, QStringLiteral("e"));
        focus.push_back(p.GetFocusItem());
    });
    EXPECT_EQ(focus, (std::vector<int>{1210, 1208}));
}

TEST(MessageText, MarkupStaysPlainAndTheTextCanBeSelected) {
    const std::unique_ptr<Services> services = CreateServices();
    const std::string text = "<b>Müller & Söhne</b>\n\n[Mirel] Q*Test; #; <i>x</i>";
    QString shown;
    Qt::TextFormat format = Qt::RichText;
    Qt::TextInteractionFlags flags;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            shown = label->text();
            format = label->textFormat();
            flags = label->textInteractionFlags();
        }
        box->accept();
    });
    services->MessageBox("E-Mail verschicken", text, MsgButtons::Ok, MsgIcon::Information);
    EXPECT_EQ(shown.toStdString(), text);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse));
}

} // namespace
} // namespace mirel::qt::test
