// The info product's environment page, driven through user actions: the checks in order, the
// fields of each environment and the forgetting of the others, the demo version without batch
// call, and the one detail stored for the chosen environment.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/InfoEnvDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

TEST(InfoEnvDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    const char* const incomplete = "Unvollständige Angaben";
    const char* const noVersion = "Bitte tragen Sie die Quorix*Info Versionsnummer ein.";
    const char* const noSp = "Bitte tragen Sie den installierten Service Pack ein.";
    const std::string win = "click 1152\ntype 1155 \"   \"\n"; // blanks pass the version check
    const std::string dos = "click 1114\ntype 1155 \"1.0\"\ntype 1049 ";
    const std::string test = "click 1154\ntype 1155 \"1.0\"\n";
    test::ExpectChecks(
        {
            {4, "", incomplete, "Bitte wählen Sie eine Startumgebung aus.", 1116},
            {4, "click 1152\n", incomplete, noVersion, 1155},
            {4, "click 1114\n", incomplete, noVersion, 1155},
            {4, "click 1154\n", incomplete, noVersion, 1155},
            {4, win, "Windows Version", "Bitte wählen Sie eine Windows Version aus.", 1136},
            {4, win + "select 1136 4\n", "Service Pack", noSp, 1139},
            {4, win + "select 1136 0\ntype 1139 \"  \"\n", "Service Pack", noSp, 1139},
            {4, win + "select 1136 0\ntype 1139 \"SP1\"\n", nullptr, nullptr, 0},
            {4, win + "select 1136 5\n", nullptr, nullptr, 0},
            {4, dos + "\" \"\n", "DOS Version", "Bitte tragen Sie die DOS Version ein.", 1049},
            {4, dos + "\"6.22\"\n", nullptr, nullptr, 0},
            {4, test + "type 1129 \"  \"\n", "Quorix*Test Version",
             "Bitte tragen Sie die Quorix*Test Version ein.", 1129},
            {4, test + "type 1129 \"5.01\"\n", nullptr, nullptr, 0},
        },
        1116, [](ReportRecord& r) { return std::make_unique<CInfoEnvDlg>(&r); });
}

TEST(InfoEnvDlg, EnvironmentShowsItsFieldsAndForgetsTheOthers) {
    struct Case {
        int version, env, winVersion; // env, winVersion, detail: record of an earlier showing
        const char* detail;
        std::string script, ids, states; // states of `ids`, then the list's selection
    };
    const std::string sp2 = "click 1152\nselect 1136 1\ntype 1139 \"SP2\"\n";
    const std::vector<Case> cases = {
        {4, -1, -1, "", "", "1158 1119 1118", "1158h 1119h 1118h sel -1"},
        {4, -1, -1, "", "click 1152\n", "1158 1136 1139", "1158 1136 1139h sel -1"},
        {4, -1, -1, "", "click 1152\nselect 1136 1\n", "1137 1139", "1137 1139 sel 1"},
        {4, -1, -1, "", sp2 + "select 1136 7\n", "1137 1139=", "1137h 1139h= sel 7"},
        {4, -1, -1, "", sp2 + "click 1114\n",
         "1158 1136 1139= 1119 1049=", "1158h 1136h 1139h= 1119 1049= sel -1"},
        {4, -1, -1, "", "click 1114\ntype 1049 \"6.22\"\ntype 1146 \"a.bat\"\nclick 1154\n",
         "1049= 1118 1129= 1145 1146=", "1049h= 1118 1129= 1145d 1146d= sel -1"},
        {4, -1, -1, "", "click 1154\ntype 1129 \"5.0\"\nclick 1114\n", "1129= 1146", "1129h= 1146 sel -1"},
        {4, -1, -1, "", "click 1154\ntype 1129 \"5.0\"\nclick 1152\n", "1129= 1146", "1129h= 1146 sel -1"},
        {5, -1, -1, "", "click 1114\n", "1145 1146=", "1145d 1146d= sel -1"},
        // Shown again: the stored environment with its detail in the matching field.
        {4, 0, 2, "SP4", "", "1136 1139= 1049= 1129=", "1136 1139=SP4 1049h= 1129h= sel 2"},
        {4, 0, -1, "", "", "1139=", "1139= sel -1"},
        {4, 0, 8, "SP4", "", "1136 1139=", "1136 1139h= sel 8"},
        {4, 1, 2, "7.1", "", "1049= 1136 1139= 1146", "1049=7.1 1136h 1139h= 1146 sel -1"},
        {4, 2, -1, "5.0", "", "1129= 1049= 1146", "1129=5.0 1049h= 1146d sel -1"},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(c.version);
        r.m_nInfoStartEnv = c.env;
        r.m_nInfoWinVersion = c.winVersion;
        r.m_strInfoDetail = c.detail;
        r.m_strInfoBatch = "q.bat";
        CInfoEnvDlg page(&r);
        test::RunPage(page, c.script);
        EXPECT_EQ(test::States(page, c.ids) + " sel " + std::to_string(page.GetCurSel(1136)), c.states)
            << c.version << " env " << c.env << " [" << c.script << "]";
    }
}

TEST(InfoEnvDlg, StoresTheDetailOfTheChosenEnvironment) {
    struct Case {
        int version;
        std::string script;
        int env, winVersion;
        const char* detail;
        const char* batch;
    };
    // The record holds Windows NT 4.0 from an earlier pass; the detail is stored as typed.
    const std::vector<Case> cases = {
        {4, "click 1152\nselect 1136 1\ntype 1139 \" SP2\"\nclick 1016\n", 0, 1, " SP2", "a.bat"},
        {4, "click 1152\nselect 1136 6\nclick 1016\n", 0, 6, "", "a.bat"},
        {4, "click 1114\ntype 1049 \"6.22\"\nclick 1016\n", 1, 3, "6.22", "a.bat"},
        {4, "click 1154\ntype 1129 \"5.01\"\nclick 1016\n", 2, 3, "5.01", ""},
        {4, "click 1152\nselect 1136 1\ntype 1139 \"SP2\"\nclick 1114\ntype 1049 \"6.22\"\nclick 1016\n", 1,
         3, "6.22", "a.bat"},
        {5, "click 1114\ntype 1049 \"6\"\nclick 1016\n", 1, 3, "6", ""},
        {4, "click 1114\ntype 1049 \"6.22\"\nclick 1152\nclick 1015\n", 0, -1, "", "a.bat"},
        {4, "click 1114\nclick 1015\n", 1, 3, "", "a.bat"},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(c.version);
        r.m_nInfoWinVersion = 3;
        CInfoEnvDlg page(&r);
        const auto result = test::RunPage(
            page, "type 1155 \" 1.2 \"\ntype 1146 \" a.bat \"\ntype 1116 \" Notiz\\n\"\n" + c.script);
        const char* const demo = c.version == 5 ? "ignored type 1146 (disabled)\n" : ""; // no batch mode
        EXPECT_EQ(result.log, std::string("page CInfoEnvDlg\n") + demo) << c.script;
        EXPECT_EQ(r.m_nInfoStartEnv, c.env) << c.script;
        EXPECT_EQ(r.m_nInfoWinVersion, c.winVersion) << c.script;
        EXPECT_EQ(r.m_strInfoDetail, c.detail) << c.script;
        EXPECT_EQ(r.m_strInfoBatch, c.batch) << c.script;
        EXPECT_EQ(r.m_bBack, c.script.ends_with("1015\n") ? 1 : 0) << c.script;
        EXPECT_EQ(r.m_strInfoVersion + "|" + r.m_strInfoNote, "1.2|Notiz") << c.script;
        EXPECT_EQ(r.m_rcWindow.left, 30) << c.script;
    }
    // An info product version of blanks only passes and is stored empty.
    ReportRecord r = test::Prepared(4);
    CInfoEnvDlg page(&r);
    test::RunPage(page, "click 1114\ntype 1155 \"  \"\ntype 1049 \"6\"\nclick 1016\n");
    EXPECT_EQ(r.m_nInfoStartEnv, 1);
    EXPECT_EQ(r.m_strInfoVersion, "");
}

} // namespace
} // namespace mirel
