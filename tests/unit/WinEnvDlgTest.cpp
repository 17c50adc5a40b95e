// The Windows product's environment page where the scenario scripts do not go: the order and
// focus of the checks, the NT family controls, also from an earlier record, the info box that
// keeps its text and its focus, and the values stored on Next and on Back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/TestStartDlg.h"
#include "pages/WinEnvDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

TEST(WinEnvDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    const char* const incomplete = "Unvollständige Angaben";
    const std::string os = "type 1133 \"  \"\nselect 1136 7\n"; // blanks pass the version check
    const std::string medium = os + "type 1049 \"6\"\nclick 1147\ntype 1148 \"CD\"\n";
    test::ExpectChecks(
        {
            {6, "", incomplete, "Bitte tragen Sie die Quorix*Win Versionsnummer ein.", 1133},
            {6, "type 1133 \"  \"\n", incomplete, "Bitte wählen Sie Ihre Windows-Version aus.", 1136},
            {6, os, incomplete, "Bitte tragen Sie die Version Ihres Internet Explorers ein.", 1049},
            {6, os + "type 1049 \"6\"\nclick 1147\n", "Angabe Medium",
             "Bitte tragen Sie ein von welchem Medium Quorix*Win gestartet wurde.", 1148},
            {6, medium, "Rechtevergabe", "Bitte selektrieren Sie Ihre Administratorrechte", 1142},
            {6, medium + "click 1142\ntype 1139 \"  \"\n", "Service Pack",
             "Bitte tragen Sie den installierten Service Pack ein", 1139},
            {6, medium + "click 1142\ntype 1139 \"SP2\"\n", incomplete,
             "Bitte tragen Sie ein ob der Fehler reproduzierbar ist.", 1177},
        },
        1150, [](ReportRecord& r) { return std::make_unique<CWinEnvDlg>(&r); });
}

TEST(WinEnvDlg, ControlsFollowWindowsVersionAndAnswers) {
    const auto shown = [](const std::string& script, const std::string& ids, const char* os = "") {
        ReportRecord r = test::Prepared(6);
        r.m_strWinOs = os; // an earlier showing, with admin "Nein" and 1144 ticked
        if (*os != '\0')
            r.m_nWinAdmin = r.m_bWinAdminSame = 1;
        CWinEnvDlg page(&r);
        test::RunPage(page, script);
        return test::States(page, ids) + " sel " + std::to_string(page.GetCurSel(1136));
    };
    const std::string nt = "1137 1139= 1149 1141 1142 1143 1144";
    const std::string ntOff = "1137d 1139d= 1149d 1141d 1142d 1143d 1144d";
    EXPECT_EQ(shown("", nt), ntOff + " sel -1");
    EXPECT_EQ(shown("select 1136 5\n", nt), "1137 1139= 1149 1141 1142 1143 1144d sel 5");
    EXPECT_EQ(shown("select 1136 8\nclick 1143\nclick 1144\nclick 1142\n", "1144"), "1144d sel 8");
    EXPECT_EQ(shown("select 1136 6\nclick 1143\nclick 1144\ntype 1139 \"SP4\"\nselect 1136 4\n", nt),
              ntOff + " sel 4");
    EXPECT_EQ(shown("", "1143 1144", "Windows 98"), "1143dx 1144dx sel 2");
}

TEST(WinEnvDlg, InfoBoxKeepsItsTextAndItsFocus) {
    // Nothing empties it, and it keeps the focus it gets.
    ReportRecord r = test::Prepared(6);
    CWinEnvDlg page(&r);
    test::RunPage(
        page, "click 1178\nfocus 1133\ntype 1133 \"1\"\nfocus 1049\nselect 1136 2\nfocus 1150\nfocus 1171\n");
    EXPECT_EQ(page.GetItemText(1171), kReproducibleHelp[1]);
    EXPECT_EQ(page.GetFocusItem(), 1171);
}

TEST(WinEnvDlg, NextStoresTrimmedAnswersAndBackStoresUnchecked) {
    ReportRecord r = test::Prepared(6);
    const auto run = [&r](const std::string& script) {
        CWinEnvDlg page(&r);
        test::RunPage(page, script);
    };
    run("type 1133 \" 3.1 \"\nselect 1136 7\ntype 1139 \" SP2 \"\ntype 1049 \"6\"\nclick 1143\nclick 1178\n"
        "type 1146 \"run.cmd\"\ntype 1150 \" Notiz \"\nclick 1016\n");
    // The remarks are stored as typed.
    EXPECT_EQ(r.m_strWinVersion + "|" + r.m_strWinServicePack + "|" + r.m_strWinBatch + "|" + r.m_strWinNote +
                  "|" + std::to_string(r.m_bBack),
              "3.1|SP2|run.cmd| Notiz |0");
    // Back to the version type page, Personal Edition chosen: no batch line; Back stores unchecked.
    r.m_nVersion = 7;
    run("type 1133 \"\"\nselect 1136 0\nclick 1015\n");
    EXPECT_EQ(r.m_strWinVersion + "|" + r.m_strWinOs + "|" + r.m_strWinServicePack + "|" + r.m_strWinBatch +
                  "|" + std::to_string(r.m_nWinAdmin) + std::to_string(r.m_bBack),
              "|Windows 95|||-11");
}

} // namespace
} // namespace mirel
