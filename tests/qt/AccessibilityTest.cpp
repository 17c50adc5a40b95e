// What a screen reader meets on every page, through Qt's accessibility interfaces: radio
// buttons are radio buttons, pictures that act are buttons with a press action, the children
// come in template order, which Tab follows, and the info box and the status line tell of their changes.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

#include "platform/qt/QtSupport.h"
#include "tests/qt/Interactive.h"

namespace mirel::qt::test {
namespace {

const int kTemplates[] = {129, 131, 133, 135, 136, 138, 151, 152, 158, 160, 162, 163, 165};

// A page with no code of its own over template `id` that keeps the clicks it hears of.
struct ListeningPage : Dialog {
    explicit ListeningPage(int id) : Dialog(id) {}
    const char* ClassName() const override { return "CPage"; }
    void OnCommand(int id, Notify code) override {
        if (code == Notify::Clicked)
            clicked.push_back(id);
    }
    std::vector<int> clicked;
};

QAccessibleInterface* Accessible(QWidget* w) {
    return w != nullptr ? QAccessible::queryAccessibleInterface(w) : nullptr;
}

TEST(Accessibility, RolesAndActionsOfEveryControlOnEveryPage) {
    for (const int templateId : kTemplates) {
        SCOPED_TRACE(templateId);
        ListeningPage page(templateId);
        RunInteractive<ListeningPage>(page, [&](ListeningPage& p) {
            for (const ControlTemplate& t : p.Template().controls) {
                if (t.id <= 0)
                    continue;
                SCOPED_TRACE(t.id);
                QAccessibleInterface* iface = Accessible(ControlWidget(t.id));
                ASSERT_NE(iface, nullptr);
                QAccessibleActionInterface* actions = iface->actionInterface();
                switch (t.kind) {
                case ControlKind::RadioButton: {
                    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
                    EXPECT_TRUE(iface->state().checkable);
                    EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty());
                    if (!p.IsItemEnabled(t.id) || !p.IsItemVisible(t.id))
                        break;
                    ASSERT_NE(actions, nullptr);
                    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
                    // Choosing it goes through the page as a click does, and shows as checked.
                    p.clicked.clear();
                    actions->doAction(QAccessibleActionInterface::toggleAction());
                    EXPECT_EQ(p.clicked, std::vector<int>{t.id});
                    EXPECT_EQ(p.GetCheck(t.id), 1);
                    EXPECT_TRUE(iface->state().checked);
                    break;
                }
                case ControlKind::CheckBox:
                    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
                    break;
                case ControlKind::PushButton:
                    EXPECT_EQ(iface->role(), QAccessible::Button);
                    EXPECT_EQ(iface->text(QAccessible::Name).isEmpty(), t.text.empty());
                    break;
                case ControlKind::Picture:
                    if ((t.style & kNotify) == 0) {
                        EXPECT_NE(iface->role(), QAccessible::Button);
                        break;
                    }
                    EXPECT_EQ(iface->role(), QAccessible::Button);
                    EXPECT_EQ(iface->text(QAccessible::Name).toStdString(), t.name);
                    ASSERT_NE(actions, nullptr);
                    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
                    p.clicked.clear();
                    actions->doAction(QAccessibleActionInterface::pressAction());
                    EXPECT_EQ(p.clicked, std::vector<int>{t.id});
                    break;
                case ControlKind::Static:
                    EXPECT_TRUE(iface->role() == QAccessible::StaticText ||
                                iface->role() == QAccessible::StatusBar);
                    break;
                default:
                    break;
                }
            }
        });
    }
}

TEST(Accessibility, ChildrenComeInTemplateOrder) {
    for (const int templateId : kTemplates) {
        SCOPED_TRACE(templateId);
        ListeningPage page(templateId);
        RunInteractive<ListeningPage>(page, [&](ListeningPage& p) {
            QAccessibleInterface* window = Accessible(PageWindow());
            ASSERT_NE(window, nullptr);
            EXPECT_EQ(window->role(), QAccessible::Dialog);
            // Every control of the template is a child, in template order, and its parent
            // knows its place.
            std::vector<int> read;
            for (int i = 0; i < window->childCount(); ++i) {
                QAccessibleInterface* child = window->child(i);
                ASSERT_NE(child, nullptr);
                EXPECT_EQ(window->indexOfChild(child), i);
                EXPECT_EQ(child->parent(), window);
                bool isNumber = false;
                const int id = child->object()->objectName().toInt(&isNumber);
                if (isNumber)
                    read.push_back(id);
            }
            std::vector<int> expected;
            for (const ControlTemplate& t : p.Template().controls)
                if (t.id > 0)
                    expected.push_back(t.id);
            EXPECT_EQ(read, expected);
        });
    }
}

// The events Qt hands to the platform's accessibility bridge while `actions` run.
struct Heard {
    QObject* object;
    QAccessible::Event type;
};
std::vector<Heard>* g_heard = nullptr;
void Listen(QAccessibleEvent* event) {
    if (g_heard != nullptr)
        g_heard->push_back({event->object(), event->type()});
}

// Sets the info box and the status line as the pages do. The new text becomes the control's
// description; where Qt passes events on to a screen reader (`heard` not null), the change is
// reported once, and no other text the page changes is reported as news.
void ExpectChangesTold(std::vector<Heard>* heard) {
    struct Case {
        int templateId;
        int id;
        const char* text;
        const char* told;
    } const cases[] = {
        {131, 1171, "HINWEIS: Bitte w\xC3\xA4hlen Sie einen Punkt aus!",
         "HINWEIS: Bitte w\xC3\xA4hlen Sie einen Punkt aus!"},
        {162, 1171, "INFO:\r\nBitte beachten", "INFO: Bitte beachten"},
        // The status line shows a path as it stands: "&&" is two characters there.
        {160, 1206, "Der Report wurde unter /tmp/a && b.txt gespeichert.",
         "Der Report wurde unter /tmp/a && b.txt gespeichert."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ListeningPage page(c.templateId);
        RunInteractive<ListeningPage>(page, [&](ListeningPage& p) {
            g_heard = heard;
            if (heard != nullptr)
                heard->clear();
            p.SetItemText(c.id, c.text);
            QWidget* w = ControlWidget(c.id);
            EXPECT_EQ(Accessible(w)->text(QAccessible::Description).toStdString(), c.told);
            if (heard != nullptr) {
                EXPECT_EQ(std::count_if(heard->begin(), heard->end(),
                                        [&](const Heard& h) {
                                            return h.object == w && h.type == QAccessible::DescriptionChanged;
                                        }),
                          1);
                heard->clear();
            }
            p.SetItemText(c.id, c.text); // the same text again is no news
            for (const ControlTemplate& t : p.Template().controls)
                if (t.id > 0 && t.id != c.id && t.kind == ControlKind::Static)
                    p.SetItemText(t.id, "anders");
            if (heard != nullptr) {
                EXPECT_TRUE(std::none_of(heard->begin(), heard->end(), [](const Heard& h) {
                    return h.type == QAccessible::DescriptionChanged;
                }));
            }
            for (const ControlTemplate& t : p.Template().controls)
                if (t.id > 0 && t.id != c.id) {
                    EXPECT_TRUE(Accessible(ControlWidget(t.id))->text(QAccessible::Description).isEmpty())
                        << t.id;
                }
            g_heard = nullptr;
        });
    }
}

TEST(Accessibility, InfoBoxAndStatusLineTellOfTheirChanges) {
    ExpectChangesTold(nullptr);
}

// Qt passes events on only while a screen reader listens: with the AT-SPI bridge of X11 and an
// accessibility bus (run under dbus-run-session with at-spi-bus-launcher and
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1). Skipped elsewhere.
TEST(Desktop, ScreenReadersHearOfChangesToTheInfoBoxAndTheStatusLine) {
    QElapsedTimer waited;
    waited.start();
    while (!QAccessible::isActive() && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    if (!QAccessible::isActive())
        GTEST_SKIP() << "no screen reader bridge listens (needs an accessibility bus)";
    std::vector<Heard> heard;
    QAccessible::installUpdateHandler(Listen);
    ExpectChangesTold(&heard);
    QAccessible::installUpdateHandler(nullptr);
}

} // namespace
} // namespace mirel::qt::test
