// The hardware details page: the block it composes from the fields on Weiter and on Zurück, the
// element each field is kept in, the input limit, and what a later visit shows.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "pages/HardwareDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

using Fields = std::vector<std::pair<int, std::string>>; // edit, typed text

// Edit of each element 1..17 of m_astrHardware.
const int kEditOf[18] = {0,    1192, 1092, 1093, 1094, 1095, 1096, 1097, 1098,
                         1222, 1223, 1224, 1225, 1226, 1227, 1228, 1219, 1233};

const std::string kTitle = "Zusätzliche Angaben zur verwendeten Hardware:\n";

std::string Typing(const Fields& fields) {
    std::string script;
    for (const auto& [id, text] : fields)
        script += "type " + std::to_string(id) + " \"" + text + "\"\n";
    return script;
}

TEST(HardwareDlg, BlockFromTheFieldsOnWeiterAndOnZurueck) {
    struct Case {
        const char* what;
        Fields fields;
        std::string block;
    };
    const std::vector<Case> cases = {
        {"nothing", {}, ""},
        {"processor only", {{1219, "Pentium 4"}}, kTitle + "\nProzessor:\n    Modell/Typ: Pentium 4\n"},
        {"mainboard maker and memory size",
         {{1226, "512"}, {1192, "M1"}},
         kTitle + "\nMainboard:\n    Hersteller: M1\n\nArbeitsspeicher:\n    Größe: 512\n"},
        {"blanks only count as filled", {{1226, "   "}}, kTitle + "\nArbeitsspeicher:\n    Größe:    \n"},
        {"taken as typed",
         {{1233, " USB-Hub "}},
         kTitle + "\nSonstige Hardware:\n    Sonstiges:  USB-Hub \n"},
        {"hard disk and BIOS under their block headings",
         {{1096, "80 GB"}, {1222, "03/2002"}, {1094, "Maxtor"}},
         kTitle + "\nFestplatte:\n    Hersteller: Maxtor\n    Kapazität: 80 GB\n\nBIOS:\n    Ausgabedatum: "
                  "03/2002\n"},
    };
    for (const Case& c : cases) {
        for (const char* button : {"1016", "1015"}) {
            ReportRecord record;
            record.m_astrHardware[0] = "old block";
            record.m_rcWindow = {60, 50, 61, 51};
            CHardwareDlg page(&record);
            const test::ScriptResult r = test::RunPage(page, Typing(c.fields) + "click " + button + "\n");
            const std::string where = std::string(c.what) + ", button " + button;
            EXPECT_EQ(r.log, "page CHardwareDlg\n") << where;
            EXPECT_EQ(record.m_astrHardware[0], c.block) << where;
            EXPECT_EQ(record.m_bBack, button == std::string("1015") ? 1 : 0) << where;
            EXPECT_EQ(record.m_rcWindow.left + record.m_rcWindow.top, 110) << where;
        }
    }
}

TEST(HardwareDlg, EveryFieldKeptInItsElementUpToFiftyCharactersAndInItsPlaceInTheBlock) {
    // Typed from the last to the first; the block still follows its own order.
    Fields fields;
    for (int element = 17; element >= 1; --element)
        fields.emplace_back(kEditOf[element], "f" + std::to_string(kEditOf[element]) + std::string(60, 'x'));
    ReportRecord record;
    CHardwareDlg page(&record);
    test::RunPage(page, Typing(fields) + "click 1016\n");
    std::string block =
        kTitle + "\nMainboard:\n    Hersteller: f1192\n    Modell: f1092\n    Chipsatz: f1093\n" +
        "\nFestplatte:\n    Hersteller: f1094\n    Modell/Typ: f1095\n    Kapazität: f1096\n" +
        "\nBIOS:\n    Hersteller: f1097\n    Version: f1098\n    Ausgabedatum: f1222\n" +
        "\nArbeitsspeicher:\n    Hersteller: f1223\n    Typ: f1224\n    Anzahl Module: f1225\n    Größe: "
        "f1226\n" +
        "\nCD-/DVD-Laufwerk:\n    Hersteller: f1227\n    Modell/Typ: f1228\n" +
        "\nProzessor:\n    Modell/Typ: f1219\n" + "\nSonstige Hardware:\n    Sonstiges: f1233\n";
    for (int element = 1; element <= 17; ++element) {
        const std::string kept = "f" + std::to_string(kEditOf[element]) + std::string(45, 'x');
        EXPECT_EQ(record.m_astrHardware[element], kept) << "element " << element;
        block.replace(block.find(kept.substr(0, 5) + "\n"), 6, kept + "\n");
    }
    EXPECT_EQ(record.m_astrHardware[0], block);
}

TEST(HardwareDlg, ALaterVisitShowsTheEntriesAndForgetsAnEmptiedField) {
    ReportRecord record;
    {
        CHardwareDlg page(&record);
        test::RunPage(page, Typing({{1192, "Asus"}, {1219, "Athlon"}, {1233, "Scanner"}}) + "click 1015\n");
    }
    {
        // Zurück kept the entries; this visit empties one of them and goes on.
        CHardwareDlg page(&record);
        EXPECT_EQ(
            test::RunPage(page, "show 1192\nshow 1219\nshow 1233\nshow 1092\ntype 1219 \"\"\nclick 1016\n")
                .log,
            "page CHardwareDlg\n"
            "control 1192 text=\"Asus\" visible=1 enabled=1 readonly=0\n"
            "control 1219 text=\"Athlon\" visible=1 enabled=1 readonly=0\n"
            "control 1233 text=\"Scanner\" visible=1 enabled=1 readonly=0\n"
            "control 1092 text=\"\" visible=1 enabled=1 readonly=0\n");
    }
    EXPECT_EQ(record.m_astrHardware[16], "");
    EXPECT_EQ(record.m_astrHardware[0],
              kTitle + "\nMainboard:\n    Hersteller: Asus\n\nSonstige Hardware:\n    Sonstiges: Scanner\n");
    CHardwareDlg page(&record);
    EXPECT_EQ(test::RunPage(page, "show 1219\n").log,
              "page CHardwareDlg\ncontrol 1219 text=\"\" visible=1 enabled=1 readonly=0\nend\n");
}

TEST(HardwareDlg, InfoBoxShowsTheHintAndPassesTheFocusOn) {
    ReportRecord record;
    CHardwareDlg page(&record);
    EXPECT_EQ(
        test::RunPage(page, "show 1171\nfocus 1171\n").log, // the hint, then the focus moves on to Weiter
        "page CHardwareDlg\ncontrol 1171 text=\"Sie brauchen nur die Daten einzugenben, welche nicht oder "
        "falsch erkannt werden bzw. aus der Systemübersicht nicht ersichtlich sind.\" visible=1 enabled=1 "
        "readonly=0\nend\n");
    EXPECT_EQ(page.GetFocusItem(), 1016);
}

} // namespace
} // namespace mirel
