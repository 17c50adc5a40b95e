// The start settings pages of the test and Vexometer products where the scenario scripts do not
// go: the order and focus of the checks, the version number rules by version, the batch start by
// version and answers, the info box texts and the values stored on Next and on Back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/TestStartDlg.h"
#include "pages/VexometerStartDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

std::unique_ptr<CTestStartDlg> MakePage(ReportRecord& r) {
    if (r.m_nVersion >= 12)
        return std::make_unique<CVexometerStartDlg>(&r);
    return std::make_unique<CTestStartDlg>(&r);
}

TEST(TestStartDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    // Each script answers the rules before the expected one and leaves the later ones failing
    // too, so a check out of order shows another message. The first two rules leave the focus on
    // the Next button that was clicked.
    const std::string dos = "click 1114\nclick 1124\nclick 1163\n";
    const std::string number = dos + "type 1129 \"2.10\"\n";
    const std::string self = "click 1113\nclick 1123\nclick 1164\ntype 1129 \"";
    const char* const noNumber = "Bitte tragen Sie die Quorix*Test-Versionsnummer ein";
    const char* const bad = "Ungültige Versionsnummer";
    const char* const badText = "Die Länge der Quorix*Test-Versionsnummer ist ungültig.\nBitte tragen Sie "
                                "sie in dem Format #.##* ein";
    test::ExpectChecks(
        {
            {0, "click 1114\n", "Bootmedium", "Bitte markieren Sie das Bootmedium.", 1016},
            {0, "click 1114\nclick 1124\n", "Nachvollziehbarkeit",
             "Bitte tragen Sie ein, ob der Fehler reproduzierbar ist.", 1016},
            {0, dos, "Angabe Version", noNumber, 1129},
            {0, dos + "type 1129 \"   \"\n", "Angabe Version", noNumber, 1129},
            {0, number + "type 1049 \" \"\n", "Angabe Version", "Bitte tragen Sie die DOS-Version ein", 1049},
            {0, number + "type 1049 \"6.22\"\n", "Angabe DOS-Typ", "Bitte tragen Sie den DOS-Typ ein", 1174},
            {0, number + "type 1049 \"6.22\"\nselect 1174 7\ntype 1125 \"  \"\n", "Bootmedium",
             "Bitte tragen Sie ein, von welchem Medium Quorix*Test gebootet wurde.", 1125},
            {12, "click 1113\nclick 1124\nclick 1165\n", "Angabe Version",
             "Bitte tragen Sie die Vexometer-Versionsnummer ein", 1129},
            // The version number format by version; characters are counted, not bytes.
            {0, self + "ä.10\"\n", nullptr, nullptr, 0},
            {0, self + "ä.1\"\n", bad, badText, 1129},
            {1, self + "2.1\"\n", bad, badText, 1129},
        },
        1116, MakePage);
}

TEST(TestStartDlg, ControlsFollowVersionAndAnswers) {
    const auto shown = [](int version, const std::string& script, const std::string& ids) {
        ReportRecord r = test::Prepared(version);
        CTestStartDlg page(&r);
        test::RunPage(page, script);
        return test::States(page, ids);
    };
    // "selbstbootend" clears the batch start even when the version number field, which reads the
    // controls when it gets the focus, takes the focus on the way.
    EXPECT_EQ(shown(0, "click 1114\nclick 1128\nfocus 1116\nclick 1113\n", "1128"), "1128d");
    EXPECT_EQ(shown(1, "click 1114\n", "1128"), "1128d"); // no batch start for the demo version
    // The OEM version's ticked batch start, cleared by "selbstbootend", is in the oem-batch script.
    EXPECT_EQ(shown(0, "click 1124\nclick 1127\nclick 1123\n", "1125 1127"), "1125d 1127dx");
}

TEST(TestStartDlg, InfoBoxTexts) {
    const auto info = [](int version, const std::string& script) {
        ReportRecord r = test::Prepared(version);
        auto page = MakePage(r);
        test::RunPage(*page, script);
        return page->GetItemText(1171);
    };
    // The Vexometer's version number field neither sets nor empties the info box.
    const std::string vexo = "focus 1016\nclick 1163\nfocus 1129\ntype 1129 \"3\"\nfocus 1016\n";
    EXPECT_EQ(info(0, vexo), "");
    EXPECT_EQ(info(12, vexo), kReproducibleHelp[0]);
    EXPECT_EQ(info(2, "focus 1016\ntype 1129 \"2\"\n"),
              "Die Versionsnummer sehen Sie, nach dem Test, im Ergebnisbericht oben links.");
    EXPECT_EQ(info(0, "click 1114\nselect 1174 0\n"),
              "Die Versionsnummer ermitteln Sie über den Befehl \"ver\" in der Befehlszeile.");
    // Opening the DOS type list without picking an entry.
    ReportRecord r = test::Prepared(0);
    CTestStartDlg page(&r);
    test::RunPage(page, "click 1114\nfocus 1171\n");
    page.UserSelect(1174, -1);
    EXPECT_EQ(page.GetItemText(1171), "Bitte wählen Sie das DOS-Produkt aus, welches Sie benutzen.");
}

TEST(TestStartDlg, NextStoresTrimmedAnswersAndBackStoresUnchecked) {
    ReportRecord r = test::Prepared(0);
    const auto run = [&r](const std::string& script) {
        auto page = MakePage(r);
        test::RunPage(*page, script);
    };
    run("click 1114\nclick 1124\ntype 1125 \" CD-ROM\\nLaufwerk \"\nclick 1128\ntype 1129 \" 2.10 \"\n"
        "type 1049 \" 6.22 \"\nselect 1174 5\nclick 1164\ntype 1116 \"  Anmerkung\\n\"\nclick 1016\n");
    EXPECT_EQ(r.m_strTestMedium + "|" + r.m_strTestVersion + "|" + r.m_strTestDosVersion + "|" +
                  r.m_strTestNote + "|" + std::to_string(r.m_bTestFromBatch),
              "CD-ROM\r\nLaufwerk|2.10|6.22|Anmerkung|1");
    // Back stores without the checks; the Vexometer page neither reads nor writes the batch start.
    r.m_nVersion = 12;
    run("type 1129 \"  \"\nclick 1015\n");
    EXPECT_EQ(r.m_strTestVersion + "|" + std::to_string(r.m_bTestFromBatch) + std::to_string(r.m_bBack),
              "|11");
}

} // namespace
} // namespace mirel
