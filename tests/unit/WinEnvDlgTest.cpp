// The Windows product's environment page, driven through user actions: the checks in order, the
// NT family enabling service pack and user rights, the admin answer and check box 1144, the
// medium field, the batch line by version, the info box and the values stored.
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
    const char* const sp = "Bitte tragen Sie den installierten Service Pack ein";
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
            {6, medium + "click 1143\n", "Service Pack", sp, 1139},
            {6, medium + "click 1142\ntype 1139 \"  \"\n", "Service Pack", sp, 1139},
            {6, medium + "click 1142\ntype 1139 \"SP2\"\n", incomplete,
             "Bitte tragen Sie ein ob der Fehler reproduzierbar ist.", 1177},
            {6, medium + "click 1142\ntype 1139 \"SP2\"\nclick 1179\n", nullptr, nullptr, 0},
            // Outside the NT family neither the user rights nor the service pack are asked for.
            {6, "type 1133 \"1\"\nselect 1136 2\ntype 1049 \"6\"\nclick 1177\n", nullptr, nullptr, 0},
        },
        1150, [](ReportRecord& r) { return std::make_unique<CWinEnvDlg>(&r); });
}

TEST(WinEnvDlg, ControlsFollowWindowsVersionAndAnswers) {
    struct Case {
        int version;
        const char* os; // record of an earlier showing: Windows version, admin "Nein" and 1144 ticked
        std::string script, ids, states; // states of `ids`, then the list's selection
    };
    const std::string nt = "1137 1139= 1149 1141 1142 1143 1144";
    const std::string ntOff = "1137d 1139d= 1149d 1141d 1142d 1143d 1144d";
    const std::string ntOn = "1137 1139= 1149 1141 1142 1143 1144d";
    const std::string admin = "select 1136 8\nclick 1143\nclick 1144\n";
    const std::vector<Case> cases = {
        {6, "", "", nt, ntOff + " sel -1"},
        {6, "", "select 1136 2\n", nt, ntOff + " sel 2"},
        {6, "", "select 1136 5\n", nt, ntOn + " sel 5"},
        {6, "", admin, "1144", "1144x sel 8"},
        {6, "", admin + "click 1142\n", "1144", "1144d sel 8"},
        {6, "", "select 1136 6\nclick 1143\nclick 1144\ntype 1139 \"SP4\"\nselect 1136 4\n", nt,
         ntOff + " sel 4"},
        {6, "", "click 1147\n", "1148", "1148 sel -1"},
        {6, "", "click 1147\ntype 1148 \"CD\"\nclick 1147\n", "1147 1148=", "1147 1148d=CD sel -1"},
        {6, "", "", "1145 1146=", "1145 1146=run.cmd sel -1"},
        {7, "", "", "1145 1146=", "1145d 1146d= sel -1"},
        {8, "", "", "1145 1146=", "1145d 1146d= sel -1"},
        {6, "Windows 2000", "", "1139 1143 1144", "1139 1143x 1144x sel 6"},
        {6, "Windows 98", "", "1143 1144", "1143dx 1144dx sel 2"},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(c.version);
        r.m_strWinOs = c.os;
        if (c.os[0] != '\0')
            r.m_nWinAdmin = r.m_bWinAdminSame = 1;
        r.m_strWinBatch = "run.cmd";
        CWinEnvDlg page(&r);
        test::RunPage(page, c.script);
        EXPECT_EQ(test::States(page, c.ids) + " sel " + std::to_string(page.GetCurSel(1136)), c.states)
            << c.version << " " << c.os << " [" << c.script << "]";
    }
}

TEST(WinEnvDlg, InfoBoxKeepsItsTextAndMayKeepTheFocus) {
    const std::string rights =
        "Durch eingeschränkte Rechte kann es zu Fehlern beim auslesen mancher Systeminformationen kommen.";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"select 1136 7\nclick 1142\n", rights},
        {"select 1136 7\nclick 1143\n", rights},
        {"click 1177\n", kReproducibleHelp[0]},
        {"click 1178\n", kReproducibleHelp[1]},
        {"click 1179\n", kReproducibleHelp[2]},
        // Nothing empties it: focus changes, typing and list changes leave the text.
        {"click 1178\nfocus 1133\ntype 1133 \"1\"\nfocus 1049\nselect 1136 2\nfocus 1150\nfocus 1171\n",
         kReproducibleHelp[1]},
    };
    for (const auto& [script, info] : cases) {
        ReportRecord r = test::Prepared(6);
        CWinEnvDlg page(&r);
        test::RunPage(page, script);
        EXPECT_EQ(page.GetItemText(1171), info) << script;
    }
    ReportRecord r = test::Prepared(6);
    CWinEnvDlg page(&r);
    test::RunPage(page, "focus 1171\n");
    EXPECT_EQ(page.GetFocusItem(), 1171); // no hand-over to the Next button here
}

TEST(WinEnvDlg, NextAndBackStoreTheAnswers) {
    ReportRecord r = test::Prepared(6);
    {
        CWinEnvDlg page(&r);
        EXPECT_EQ(test::RunPage(page,
                                "type 1133 \" 3.1 \"\nclick 1147\ntype 1148 \" CD \"\nclick 1147\n"
                                "select 1136 7\ntype 1139 \" SP2 \"\ntype 1049 \" 6.0 \"\nclick 1143\n"
                                "click 1144\ntype 1146 \" run.cmd \"\nclick 1178\ntype 1150 \" Notiz \"\n"
                                "click 1016\n")
                      .log,
                  "page CWinEnvDlg\n");
    }
    // The medium is kept although its check box was cleared; the remarks are stored as typed.
    EXPECT_EQ(r.m_strWinVersion + "|" + r.m_strWinMedium + "|" + r.m_strWinOs + "|" + r.m_strWinServicePack +
                  "|" + r.m_strWinIeVersion + "|" + r.m_strWinBatch + "|" + r.m_strWinNote,
              "3.1|CD|Windows XP|SP2|6.0|run.cmd| Notiz ");
    EXPECT_EQ(r.m_nWinStartFrom, 0);
    EXPECT_EQ(r.m_nWinAdmin, 1);
    EXPECT_EQ(r.m_bWinAdminSame, 1);
    EXPECT_EQ(r.m_nWinReproducible, 1);
    EXPECT_EQ(r.m_bBack, 0);
    EXPECT_EQ(r.m_rcWindow.left, 30);

    // Back to the version type page, Personal Edition chosen: no batch line; Back stores unchecked.
    r.m_nVersion = 7;
    CWinEnvDlg page(&r);
    EXPECT_EQ(test::RunPage(page, "type 1133 \"\"\nselect 1136 0\nclick 1015\n").log, "page CWinEnvDlg\n");
    EXPECT_EQ(r.m_bBack, 1);
    EXPECT_EQ(r.m_strWinVersion + "|" + r.m_strWinOs + "|" + r.m_strWinServicePack + "|" + r.m_strWinBatch,
              "|Windows 95||");
    EXPECT_EQ(r.m_nWinAdmin, -1);
    EXPECT_EQ(r.m_bWinAdminSame, 0);
}

} // namespace
} // namespace mirel
