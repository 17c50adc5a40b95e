// The version type page: the edition buttons of every product reached from its welcome picture,
// the version index each button gives, the quit button and the close confirmation.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "pages/VersionTypeDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

constexpr std::array<int, 4> kButtons = {1277, 1278, 1279, 1280};

TEST(VersionTypeDlg, EveryWelcomePictureLeadsToItsProductsButtonsAndIndices) {
    struct Case {
        int product, picture;             // picture: its control on the welcome page
        std::array<const char*, 4> label; // buttons 1277..1280; nullptr = hidden
        std::array<int, 4> version;       // index each button gives
    };
    const std::vector<Case> cases = {
        {1, 1077, {"Vollversion", "Demoversion", "OEM-Version", "Händer-Testversion"}, {0, 1, 2, 3}},
        {2, 1085, {"Vollversion", "Demoversion", nullptr, nullptr}, {4, 5}},
        {3, 1276, {"Professional", "Personal Edition", "Demoversion", nullptr}, {6, 7, 8}},
        {4,
         1275,
         {"Lumicard PCI", "Lumicard PCI plus (Q*Board)", "Andere Diagnosekarten", nullptr},
         {9, 10, 11}},
        {5, 1274, {"Vollversion", "Demoversion", nullptr, nullptr}, {12, 13}},
    };
    for (const Case& c : cases) {
        std::string script = "click " + std::to_string(c.picture) + "\n";
        std::string expected;
        for (std::size_t i = 0; i < kButtons.size(); ++i) {
            const std::string id = std::to_string(kButtons[i]);
            script += "show " + id + "\n";
            if (c.label[i] != nullptr)
                expected += "control " + id + " text=\"" + c.label[i] + "\" visible=1 enabled=1\n";
            ReportRecord record = test::Prepared(-1);
            record.m_nProduct = c.product;
            CVersionTypeDlg page(&record);
            const auto result = test::RunPage(page, "click " + id + "\n");
            const bool hidden = c.label[i] == nullptr;
            EXPECT_EQ(result.log,
                      "page CVersionTypeDlg\n" + (hidden ? "ignored click " + id + " (hidden)\nend\n" : ""))
                << c.product << " " << id;
            EXPECT_EQ(record.m_nVersion, hidden ? -1 : c.version[i]) << c.product << " " << id;
            EXPECT_EQ(record.m_bQuit, 0);
            EXPECT_EQ(record.m_rcWindow.left, 30) << "the next page opens where this one was";
        }
        const std::string log = test::RunProgram(script).log;
        EXPECT_NE(log.find("page CWelcomeDlg\npage CVersionTypeDlg\n"), std::string::npos) << c.product;
        std::string shown; // only the visible buttons
        for (std::size_t at = log.find("control "); at != std::string::npos;
             at = log.find("control ", at + 1))
            if (const std::string line = log.substr(at, log.find('\n', at) + 1 - at);
                line.find("visible=1") != std::string::npos)
                shown += line;
        EXPECT_EQ(shown, expected) << "product " << c.product;
    }
}

TEST(VersionTypeDlg, ANewVisitStartsFromTheBaseAndReplacesTheEarlierChoice) {
    ReportRecord record = test::Prepared(-1);
    record.m_nProduct = 3;
    for (const auto& [button, version] :
         std::vector<std::pair<int, int>>{{1279, 8}, {1277, 6}, {1278, 7}, {1278, 7}}) {
        CVersionTypeDlg page(&record);
        test::RunPage(page, "click " + std::to_string(button) + "\n");
        EXPECT_EQ(record.m_nVersion, version) << button;
    }
}

TEST(VersionTypeDlg, LeavingWithoutAChoice) {
    const std::string question =
        "page CVersionTypeDlg\nbeep question\nmessage \"Mirel beenden\" \"Wollen Sie das "
        "Programm wirklich beenden?\\n\\nWenn Sie das Programm jetzt beenden, werden alle "
        "Angaben verworfen.\" yesno question -> ";
    const std::vector<std::tuple<std::string, std::string, int>> cases = {
        {"click 1015\n", "page CVersionTypeDlg\n", 1}, // Abbrechen ends at once, without a question
        {"close\nanswer yes\n", question + "yes\n", 1},
        // No keeps the page, and it still works afterwards.
        {"close\nanswer no\nkey escape\nclick 1016\n", question + "no\nignored click 1016 (hidden)\nend\n",
         0},
    };
    for (const auto& [script, log, quit] : cases) {
        ReportRecord record = test::Prepared(-1);
        record.m_nProduct = 2;
        CVersionTypeDlg page(&record);
        EXPECT_EQ(test::RunPage(page, script).log, log) << script;
        EXPECT_EQ(record.m_bQuit, quit) << script;
        EXPECT_EQ(record.m_nVersion, -1) << script;
    }
    EXPECT_EQ(test::RunProgram("click 1274\nclick 1015\n").log,
              "page CWelcomeDlg\npage CVersionTypeDlg\nexit 0\n");
}

TEST(VersionTypeDlg, UnknownProductKeepsTheTemplateAndRefusesEveryButton) {
    // Without a product there is no base index; an offset alone must not pass for a version.
    for (int button : kButtons) {
        ReportRecord record = test::Prepared(-1);
        record.m_nProduct = 0;
        CVersionTypeDlg page(&record);
        EXPECT_EQ(test::RunPage(page, "show 1280\nclick " + std::to_string(button) + "\nanswer ok\n").log,
                  "page CVersionTypeDlg\ncontrol 1280 text=\"Händler-\\nTestversion\" visible=1 enabled=1\n" +
                      test::Refusal("Programmauswahl", "Bitte wählen Sie erst eine Programmversion aus.") +
                      "end\n")
            << button;
        EXPECT_EQ(record.m_nVersion, -1) << button;
    }
}

} // namespace
} // namespace mirel
