// Accessible names: what a screen reader says for each control of a real page window.
#include <QAccessible>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/WelcomeDlg.h"
#include "tests/qt/Interactive.h"
#include "tests/unit/Gallery.h"

namespace mirel::qt::test {
namespace {

struct Named {
    int id;
    const char* name;
};

// The name the accessibility layer reports for control `id`; "<none>" for a missing control.
std::string SpokenName(int id) {
    QWidget* w = ControlWidget(id);
    if (w == nullptr)
        return "<none>";
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface != nullptr ? iface->text(QAccessible::Name).toStdString() : "<no interface>";
}

template <class Page>
std::vector<std::string> NamesOn(
    Page& page, const std::vector<Named>& expected, const std::function<void(Page&)>& before = [](Page&) {}) {
    std::vector<std::string> names;
    RunInteractive<Page>(page, [&](Page& p) {
        before(p);
        for (const Named& n : expected)
            names.push_back(SpokenName(n.id));
    });
    return names;
}

std::vector<std::string> Expected(const std::vector<Named>& expected) {
    std::vector<std::string> names;
    for (const Named& n : expected)
        names.emplace_back(n.name);
    return names;
}

TEST(Accessibility, EveryControlOfTheGalleryIsNamedAfterItsLabel) {
    const std::vector<Named> cases = {
        {1171, ""}, // nothing before it names it
        {1100, "Label text"},
        {1101, "Label text"},
        {1102, "Label text"},
        {1103, "Label text"},
        {1110, "Group"},
        {1111, "One"},
        {1112, "Two"},
        {1113, "between"},
        {1114, "Three"},
        {1120, "Other group"},
        {1121, "Hidden"},
        {1130, "Check"},
        {1140, "between"}, // the nearest static before the list in template order
        {1150, "Quorix*Test"},
        {1151, "between"},
        {1015, "<< Zurück"},
        {1016, "Weiter >>"},
    };
    mirel::test::GalleryDlg page;
    EXPECT_EQ(NamesOn<mirel::test::GalleryDlg>(page, cases), Expected(cases));
}

// Labels with line breaks, '&&', group boxes, a template name, a label the page changes, and
// fields listed before their labels.
enum : int {
    kFirst = 10,     // edit before any label
    kLabel = 11,     // "&Firma:\nName"
    kCompany = 12,   // edit
    kAddress = 13,   // group box "&Anschrift"
    kStreet = 14,    // edit
    kStreetLbl = 15, // "Straße"
    kNamed = 16,     // edit with a name of its own
    kOsLabel = 17,   // "Betriebs&system:"
    kOs = 18,        // list
    kYes = 19,       // radio "&Ja && Nein"
    kLong = 20,      // check box with a line break
    kLater = 21,     // static the page renames
    kLaterEdit = 22, // edit after it
    kFixedLabel = 0, // static without id before kFixedEdit
    kFixedEdit = 23,
    kByRow = 24,   // edit whose label comes later in the template, left of it
    kByAbove = 25, // edit whose label comes later in the template, above it
};

const DialogTemplate& NamesTemplate() {
    using K = ControlKind;
    static const DialogTemplate t{
        9102,
        "Namen",
        100,
        100,
        358,
        280,
        {
            {kFirst, K::Edit, "", kTabStop, 5, 5, 100, 12},
            {kByRow, K::Edit, "", kTabStop, 200, 5, 60, 12},
            {kByAbove, K::Edit, "", kTabStop, 200, 40, 60, 12},
            {0, K::Static, "Zeile:", kRight, 160, 6, 38, 10},
            {0, K::Static, "Darüber:", kNone, 200, 28, 60, 10},
            {kLabel, K::Static, "&Firma:\nName", kNone, 5, 20, 60, 20},
            {kCompany, K::Edit, "", kTabStop, 70, 20, 100, 12},
            {kAddress, K::GroupBox, "&Anschrift", kNone, 5, 45, 200, 50},
            {kStreet, K::Edit, "", kTabStop, 10, 55, 100, 12},
            {kStreetLbl, K::Static, "Straße", kNone, 10, 70, 40, 10},
            {kNamed, K::Edit, "", kTabStop, 60, 70, 100, 12, 0, {}, "Hausnummer"},
            {kOsLabel, K::Static, "Betriebs&system:", kNone, 5, 100, 60, 10},
            {kOs, K::ComboBox, "", kTabStop, 70, 100, 100, 60, 0, {"MS-DOS", "Windows"}},
            {kYes, K::RadioButton, "&Ja && Nein", kGroup | kTabStop, 5, 120, 80, 10},
            {kLong, K::CheckBox, "Lange\r\nBeschriftung", kGroup | kTabStop | kMultiline, 5, 135, 80, 20},
            {kLater, K::Static, "Alt:", kNone, 5, 160, 60, 10},
            {kLaterEdit, K::Edit, "", kTabStop, 70, 160, 100, 12},
            {kFixedLabel, K::Static, "Fest && klar:", kNone, 5, 180, 60, 10},
            {kFixedEdit, K::Edit, "", kTabStop, 70, 180, 100, 12},
        },
    };
    return t;
}

class NamesPage : public Dialog {
  public:
    NamesPage() : Dialog((RegisterTemplate(NamesTemplate()), NamesTemplate().id)) {}
    const char* ClassName() const override { return "CNamesPage"; }
};

TEST(Accessibility, NamesComeFromTheLabelAsShown) {
    const std::vector<Named> cases = {
        {kFirst, ""}, // no label before it, none to its left or above
        {kByRow, "Zeile:"},
        {kByAbove, "Darüber:"},
        {kCompany, "Firma: Name"},
        {kStreet, "Anschrift"},
        {kNamed, "Hausnummer"},
        {kOs, "Betriebssystem:"},
        {kYes, "Ja & Nein"},
        {kLong, "Lange Beschriftung"},
        {kLaterEdit, "Neu & besser:"}, // the page renamed its label
        {kFixedEdit, "Fest & klar:"},
    };
    NamesPage page;
    EXPECT_EQ(NamesOn<NamesPage>(page, cases, [](NamesPage& p) { p.SetItemText(kLater, "Neu && besser:"); }),
              Expected(cases));
}

TEST(Accessibility, ProductPicturesCarryTheProductNames) {
    const std::vector<Named> cases = {
        {1077, "Quorix*Test"},  {1276, "Quorix*Win"}, {1085, "Quorix*Info"},
        {1275, "Quorix*Board"}, {1274, "Vexometer"},
    };
    CWelcomeDlg welcome;
    EXPECT_EQ(NamesOn<CWelcomeDlg>(welcome, cases), Expected(cases));
}

} // namespace
} // namespace mirel::qt::test
