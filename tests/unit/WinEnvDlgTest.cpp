// The Windows product's environment page, driven through user actions: the checks in order, the
// NT family enabling service pack and user rights, the admin answer and check box 1144, the
// medium field, the batch line by version, the info box and the values stored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/TestStartDlg.h"
#include "pages/WinEnvDlg.h"
#include "tests/unit/Harness.h"
#include "tools/mirel-scenario/Script.h"

namespace mirel {
namespace {

ReportRecord Prepared(int version) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_rcWindow = {30, 40, 31, 41};
    return r;
}

std::string Refusal(const std::string& caption, const std::string& text) {
    return "beep information\nmessage " + scenario::Quote(caption) + " " + scenario::Quote(text) +
           " ok information -> ok\n";
}

TEST(WinEnvDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    struct Case {
        std::string script;
        const char* caption; // nullptr: every check passes and the page ends
        const char* text;
        int focus;
    };
    const char* const incomplete = "Unvollständige Angaben";
    const char* const servicePack = "Bitte tragen Sie den installierten Service Pack ein";
    const std::string os = "type 1133 \"  \"\nselect 1136 7\n"; // blanks pass the version check
    const std::string medium = os + "type 1049 \"6\"\nclick 1147\ntype 1148 \"CD\"\n";
    const std::vector<Case> cases = {
        {"", incomplete, "Bitte tragen Sie die Quorix*Win Versionsnummer ein.", 1133},
        {"type 1133 \"  \"\n", incomplete, "Bitte wählen Sie Ihre Windows-Version aus.", 1136},
        {os, incomplete, "Bitte tragen Sie die Version Ihres Internet Explorers ein.", 1049},
        {os + "type 1049 \"6\"\nclick 1147\n", "Angabe Medium",
         "Bitte tragen Sie ein von welchem Medium Quorix*Win gestartet wurde.", 1148},
        {medium, "Rechtevergabe", "Bitte selektrieren Sie Ihre Administratorrechte", 1142},
        {medium + "click 1143\n", "Service Pack", servicePack, 1139},
        {medium + "click 1142\ntype 1139 \"  \"\n", "Service Pack", servicePack, 1139},
        {medium + "click 1142\ntype 1139 \"SP2\"\n", incomplete,
         "Bitte tragen Sie ein ob der Fehler reproduzierbar ist.", 1177},
        {medium + "click 1142\ntype 1139 \"SP2\"\nclick 1179\n", nullptr, nullptr, 0},
        // Outside the NT family neither the user rights nor the service pack are asked for.
        {"type 1133 \"1\"\nselect 1136 2\ntype 1049 \"6\"\nclick 1177\n", nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(6);
        CWinEnvDlg page(&r);
        const std::string answer = c.caption != nullptr ? "answer ok\n" : "";
        const auto result = test::RunPage(page, c.script + "focus 1150\nclick 1016\n" + answer);
        if (c.caption == nullptr) {
            EXPECT_EQ(result.log, "page CWinEnvDlg\n") << c.script;
            continue;
        }
        EXPECT_EQ(result.log, "page CWinEnvDlg\n" + Refusal(c.caption, c.text) + "end\n") << c.script;
        EXPECT_EQ(page.GetFocusItem(), c.focus) << c.script;
    }
}

TEST(WinEnvDlg, ControlsFollowWindowsVersionAndAnswers) {
    struct Expect {
        int id, enabled, checked; // checked -1: not looked at
        const char* text;         // nullptr: not looked at
    };
    struct Case {
        int version;
        const char* os; // record of an earlier showing: Windows version, admin "Nein" and 1144 ticked
        std::string script;
        std::vector<Expect> expects;
        int listIndex;
    };
    const std::vector<Expect> ntOff = {{1137, 0, -1, nullptr}, {1139, 0, -1, ""},     {1149, 0, -1, nullptr},
                                       {1141, 0, -1, nullptr}, {1142, 0, 0, nullptr}, {1143, 0, 0, nullptr},
                                       {1144, 0, 0, nullptr}};
    const std::vector<Expect> ntOn = {{1137, 1, -1, nullptr}, {1139, 1, -1, nullptr}, {1149, 1, -1, nullptr},
                                      {1141, 1, -1, nullptr}, {1142, 1, 0, nullptr},  {1143, 1, 0, nullptr},
                                      {1144, 0, 0, nullptr}};
    const std::vector<Case> cases = {
        {6, "", "", ntOff, -1},
        {6, "", "select 1136 2\n", ntOff, 2},
        {6, "", "select 1136 5\n", ntOn, 5},
        {6, "", "select 1136 8\nclick 1143\nclick 1144\n", {{1144, 1, 1, nullptr}}, 8},
        {6, "", "select 1136 8\nclick 1143\nclick 1144\nclick 1142\n", {{1144, 0, 0, nullptr}}, 8},
        {6, "", "select 1136 6\nclick 1143\nclick 1144\ntype 1139 \"SP4\"\nselect 1136 4\n", ntOff, 4},
        {6, "", "click 1147\n", {{1148, 1, -1, nullptr}}, -1},
        {6,
         "",
         "click 1147\ntype 1148 \"CD\"\nclick 1147\n",
         {{1147, 1, 0, nullptr}, {1148, 0, -1, "CD"}},
         -1},
        {6, "", "", {{1145, 1, -1, nullptr}, {1146, 1, -1, "run.cmd"}}, -1},
        {7, "", "", {{1145, 0, -1, nullptr}, {1146, 0, -1, ""}}, -1},
        {8, "", "", {{1145, 0, -1, nullptr}, {1146, 0, -1, ""}}, -1},
        {6, "Windows 2000", "", {{1139, 1, -1, nullptr}, {1143, 1, 1, nullptr}, {1144, 1, 1, nullptr}}, 6},
        {6, "Windows 98", "", {{1143, 0, 1, nullptr}, {1144, 0, 1, nullptr}}, 2},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version);
        r.m_strWinOs = c.os;
        if (c.os[0] != '\0') {
            r.m_nWinAdmin = 1;
            r.m_bWinAdminSame = 1;
        }
        r.m_strWinBatch = "run.cmd";
        CWinEnvDlg page(&r);
        test::RunPage(page, c.script);
        const std::string where = std::to_string(c.version) + " " + c.os + " [" + c.script + "]";
        for (const Expect& e : c.expects) {
            EXPECT_EQ(page.IsItemEnabled(e.id) ? 1 : 0, e.enabled) << where << " control " << e.id;
            EXPECT_TRUE(e.checked < 0 || page.GetCheck(e.id) == e.checked) << where << " control " << e.id;
            EXPECT_TRUE(e.text == nullptr || page.GetItemText(e.id) == e.text)
                << where << " control " << e.id;
        }
        EXPECT_EQ(page.GetCurSel(1136), c.listIndex) << where;
    }
}

TEST(WinEnvDlg, InfoBoxKeepsItsTextAndMayKeepTheFocus) {
    const char* const rights =
        "Durch eingeschränkte Rechte kann es zu Fehlern beim auslesen mancher Systeminformationen kommen.";
    struct Case {
        std::string script;
        std::string info;
    };
    const std::vector<Case> cases = {
        {"select 1136 7\nclick 1142\n", rights},
        {"select 1136 7\nclick 1143\n", rights},
        {"click 1177\n", kReproducibleHelp[0]},
        {"click 1178\n", kReproducibleHelp[1]},
        {"click 1179\n", kReproducibleHelp[2]},
        // Nothing empties it: focus changes, typing and list changes leave the text.
        {"click 1178\nfocus 1133\ntype 1133 \"1\"\nfocus 1049\nselect 1136 2\nfocus 1150\nfocus 1171\n",
         kReproducibleHelp[1]},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(6);
        CWinEnvDlg page(&r);
        test::RunPage(page, c.script);
        EXPECT_EQ(page.GetItemText(1171), c.info) << c.script;
        if (c.script.ends_with("focus 1171\n")) {
            EXPECT_EQ(page.GetFocusItem(), 1171); // no hand-over to the Next button here
        }
    }
}

TEST(WinEnvDlg, NextAndBackStoreTheAnswers) {
    ReportRecord r = Prepared(6);
    {
        CWinEnvDlg page(&r);
        const auto result = test::RunPage(
            page,
            "type 1133 \" 3.1 \"\nclick 1147\ntype 1148 \" CD \"\nclick 1147\nselect 1136 7\n"
            "type 1139 \" SP2 \"\ntype 1049 \" 6.0 \"\nclick 1143\nclick 1144\ntype 1146 \" run.cmd \"\n"
            "click 1178\ntype 1150 \" Notiz \"\nclick 1016\n");
        EXPECT_EQ(result.log, "page CWinEnvDlg\n");
    }
    EXPECT_EQ(r.m_strWinVersion, "3.1");
    EXPECT_EQ(r.m_nWinStartFrom, 0);
    EXPECT_EQ(r.m_strWinMedium, "CD"); // kept although the check box was cleared
    EXPECT_EQ(r.m_strWinOs, "Windows XP");
    EXPECT_EQ(r.m_strWinServicePack, "SP2");
    EXPECT_EQ(r.m_strWinIeVersion, "6.0");
    EXPECT_EQ(r.m_nWinAdmin, 1);
    EXPECT_EQ(r.m_bWinAdminSame, 1);
    EXPECT_EQ(r.m_strWinBatch, "run.cmd");
    EXPECT_EQ(r.m_nWinReproducible, 1);
    EXPECT_EQ(r.m_strWinNote, " Notiz "); // the remarks are stored as typed
    EXPECT_EQ(r.m_bBack, 0);
    EXPECT_EQ(r.m_rcWindow.left, 30);

    // Back to the version type page, Personal Edition chosen: no batch line; Back stores unchecked.
    r.m_nVersion = 7;
    CWinEnvDlg page(&r);
    EXPECT_EQ(test::RunPage(page, "type 1133 \"\"\nselect 1136 0\nclick 1015\n").log, "page CWinEnvDlg\n");
    EXPECT_EQ(r.m_bBack, 1);
    EXPECT_EQ(r.m_strWinVersion, "");
    EXPECT_EQ(r.m_strWinOs, "Windows 95");
    EXPECT_EQ(r.m_strWinServicePack, "");
    EXPECT_EQ(r.m_nWinAdmin, -1);
    EXPECT_EQ(r.m_bWinAdminSame, 0);
    EXPECT_EQ(r.m_strWinBatch, "");
}

} // namespace
} // namespace mirel
