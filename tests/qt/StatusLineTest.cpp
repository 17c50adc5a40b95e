// The report page's status line shows saved paths as they are: an '&' in a path is drawn, and
// Alt with the letter after it reaches no control.
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>
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

} // namespace
} // namespace mirel::qt::test
