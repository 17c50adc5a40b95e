// The version type page: the edition buttons of every product reached from its welcome picture,
// the version index each button gives, the quit button and the close confirmation.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "pages/VersionTypeDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

struct ProductCase {
    int product;
    int picture;                      // control of the product's picture on the welcome page
    std::array<const char*, 4> label; // buttons 1277..1280; nullptr = hidden
    std::array<int, 4> version;       // index each button gives; -1 = hidden
};

const std::vector<ProductCase> kProducts = {
    {1, 1077, {"Vollversion", "Demoversion", "OEM-Version", "Händer-Testversion"}, {0, 1, 2, 3}},
    {2, 1085, {"Vollversion", "Demoversion", nullptr, nullptr}, {4, 5, -1, -1}},
    {3, 1276, {"Professional", "Personal Edition", "Demoversion", nullptr}, {6, 7, 8, -1}},
    {4,
     1275,
     {"Lumicard PCI", "Lumicard PCI plus (Q*Board)", "Andere Diagnosekarten", nullptr},
     {9, 10, 11, -1}},
    {5, 1274, {"Vollversion", "Demoversion", nullptr, nullptr}, {12, 13, -1, -1}},
};

constexpr std::array<int, 4> kButtons = {1277, 1278, 1279, 1280};

std::string ShownButton(int id, const char* label, const char* hiddenText) {
    return "control " + std::to_string(id) + " text=\"" + (label != nullptr ? label : hiddenText) +
           "\" visible=" + (label != nullptr ? "1" : "0") + " enabled=1\n";
}

TEST(VersionTypeDlg, EveryWelcomePictureLeadsToItsProductsEditions) {
    const std::array<const char*, 4> templateText = {"Vollversion", "Demoversion", "OEM-Version",
                                                     "Händler-\\nTestversion"};
    for (const ProductCase& c : kProducts) {
        const std::string script =
            "click " + std::to_string(c.picture) +
            "\nshow 1101\nshow 1277\nshow 1278\nshow 1279\nshow 1280\nshow 1016\nshow 1015\n";
        std::string expected =
            "page CWelcomeDlg\npage CVersionTypeDlg\n"
            "control 1101 text=\"Bitte wählen Sie den Versions-Typ Ihres Programmes aus:\" "
            "visible=1 enabled=1\n";
        for (std::size_t i = 0; i < kButtons.size(); ++i)
            expected += ShownButton(kButtons[i], c.label[i], templateText[i]);
        expected += "control 1016 text=\"&Weiter >>\" visible=0 enabled=1\n"
                    "control 1015 text=\"&Abbrechen\" visible=1 enabled=1\nend\n";
        EXPECT_EQ(test::RunProgram(script).log, expected) << "product " << c.product;
    }
}

TEST(VersionTypeDlg, EachButtonGivesItsVersionIndexAndEndsThePage) {
    for (const ProductCase& c : kProducts) {
        for (std::size_t i = 0; i < kButtons.size(); ++i) {
            ReportRecord record;
            ResetForRun(record);
            record.m_nProduct = c.product;
            record.m_rcWindow = {40, 30, 41, 31};
            CVersionTypeDlg page(&record);
            const std::string click = "click " + std::to_string(kButtons[i]) + "\n";
            const test::ScriptResult r = test::RunPage(page, click);
            const std::string where =
                "product " + std::to_string(c.product) + " button " + std::to_string(kButtons[i]);
            if (c.version[i] < 0) {
                EXPECT_EQ(r.log, "page CVersionTypeDlg\nignored " + click.substr(0, click.size() - 1) +
                                     " (hidden)\nend\n")
                    << where;
                EXPECT_EQ(record.m_nVersion, -1) << where;
                continue;
            }
            EXPECT_EQ(r.log, "page CVersionTypeDlg\n") << where;
            EXPECT_EQ(record.m_nVersion, c.version[i]) << where;
            EXPECT_EQ(record.m_bQuit, 0) << where;
            // The next page opens where this one was.
            EXPECT_EQ(record.m_rcWindow.left, 40) << where;
            EXPECT_EQ(record.m_rcWindow.top, 30) << where;
            EXPECT_GT(record.m_rcWindow.Width(), 1) << where;
        }
    }
}

TEST(VersionTypeDlg, ANewVisitStartsFromTheBaseAndReplacesTheEarlierChoice) {
    ReportRecord record;
    ResetForRun(record);
    record.m_nProduct = 3;
    const std::vector<std::pair<int, int>> visits = {{1279, 8}, {1277, 6}, {1278, 7}, {1278, 7}};
    for (const auto& [button, version] : visits) {
        CVersionTypeDlg page(&record);
        test::RunPage(page, "click " + std::to_string(button) + "\n");
        EXPECT_EQ(record.m_nVersion, version) << button;
    }
}

TEST(VersionTypeDlg, LeavingWithoutAChoice) {
    struct Case {
        const char* script;
        const char* log;
        int quit;
    };
    const std::vector<Case> cases = {
        // Abbrechen ends at once, without a question.
        {"click 1015\n", "page CVersionTypeDlg\n", 1},
        {"close\nanswer yes\n",
         "page CVersionTypeDlg\nbeep question\nmessage \"Mirel beenden\" \"Wollen Sie das Programm wirklich "
         "beenden?\\n\\nWenn Sie das Programm jetzt beenden, werden alle Angaben verworfen.\" yesno question "
         "-> yes\n",
         1},
        // No keeps the page, and it still works afterwards.
        {"close\nanswer no\nkey escape\nclick 1016\n",
         "page CVersionTypeDlg\nbeep question\nmessage \"Mirel beenden\" \"Wollen Sie das Programm wirklich "
         "beenden?\\n\\nWenn Sie das Programm jetzt beenden, werden alle Angaben verworfen.\" yesno question "
         "-> no\n"
         "ignored click 1016 (hidden)\nend\n",
         0},
    };
    for (const Case& c : cases) {
        ReportRecord record;
        ResetForRun(record);
        record.m_nProduct = 2;
        CVersionTypeDlg page(&record);
        EXPECT_EQ(test::RunPage(page, c.script).log, c.log) << c.script;
        EXPECT_EQ(record.m_bQuit, c.quit) << c.script;
        EXPECT_EQ(record.m_nVersion, -1) << c.script;
    }
    EXPECT_EQ(test::RunProgram("click 1274\nclick 1015\n").log,
              "page CWelcomeDlg\npage CVersionTypeDlg\nexit 0\n");
}

TEST(VersionTypeDlg, UnknownProductKeepsTheTemplateAndRefusesEveryButton) {
    // Without a product there is no base index; an offset alone must not pass for a version.
    for (int button : kButtons) {
        ReportRecord record;
        ResetForRun(record);
        record.m_nProduct = 0;
        CVersionTypeDlg page(&record);
        const std::string script = "show 1280\nclick " + std::to_string(button) + "\nanswer ok\n";
        EXPECT_EQ(
            test::RunPage(page, script).log,
            "page CVersionTypeDlg\n"
            "control 1280 text=\"Händler-\\nTestversion\" visible=1 enabled=1\n"
            "beep information\n"
            "message \"Programmauswahl\" \"Bitte wählen Sie erst eine Programmversion aus.\" ok information "
            "-> ok\nend\n")
            << button;
        EXPECT_EQ(record.m_nVersion, -1) << button;
    }
}

} // namespace
} // namespace mirel
