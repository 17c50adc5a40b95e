// The info product's environment page, driven through user actions: the checks in order, the
// fields of each environment and the forgetting of the others, the demo version without batch
// call, and the one detail stored for the chosen environment.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/InfoEnvDlg.h"
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

TEST(InfoEnvDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    struct Case {
        std::string script;
        const char* caption; // nullptr: every check passes and the page ends
        const char* text;
        int focus;
    };
    const char* const incomplete = "Unvollständige Angaben";
    const char* const noVersion = "Bitte tragen Sie die Quorix*Info Versionsnummer ein.";
    const char* const noServicePack = "Bitte tragen Sie den installierten Service Pack ein.";
    const std::string windows = "click 1152\ntype 1155 \"   \"\n"; // blanks pass the version check
    const std::vector<Case> cases = {
        {"", incomplete, "Bitte wählen Sie eine Startumgebung aus.", 1116},
        {"click 1152\n", incomplete, noVersion, 1155},
        {"click 1114\n", incomplete, noVersion, 1155},
        {"click 1154\n", incomplete, noVersion, 1155},
        {windows, "Windows Version", "Bitte wählen Sie eine Windows Version aus.", 1136},
        {windows + "select 1136 4\n", "Service Pack", noServicePack, 1139},
        {windows + "select 1136 0\ntype 1139 \"  \"\n", "Service Pack", noServicePack, 1139},
        {windows + "select 1136 0\ntype 1139 \"SP1\"\n", nullptr, nullptr, 0},
        {windows + "select 1136 5\n", nullptr, nullptr, 0},
        {"click 1114\ntype 1155 \"1.0\"\ntype 1049 \" \"\n", "DOS Version",
         "Bitte tragen Sie die DOS Version ein.", 1049},
        {"click 1114\ntype 1155 \"1.0\"\ntype 1049 \"6.22\"\n", nullptr, nullptr, 0},
        {"click 1154\ntype 1155 \"1.0\"\ntype 1129 \"  \"\n", "Quorix*Test Version",
         "Bitte tragen Sie die Quorix*Test Version ein.", 1129},
        {"click 1154\ntype 1155 \"1.0\"\ntype 1129 \"5.01\"\n", nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(4);
        CInfoEnvDlg page(&r);
        const std::string answer = c.caption != nullptr ? "answer ok\n" : "";
        const auto result = test::RunPage(page, c.script + "focus 1116\nclick 1016\n" + answer);
        if (c.caption == nullptr) {
            EXPECT_EQ(result.log, "page CInfoEnvDlg\n") << c.script;
            continue;
        }
        EXPECT_EQ(result.log, "page CInfoEnvDlg\n" + Refusal(c.caption, c.text) + "end\n") << c.script;
        EXPECT_EQ(page.GetFocusItem(), c.focus) << c.script;
    }
}

TEST(InfoEnvDlg, EnvironmentShowsItsFieldsAndForgetsTheOthers) {
    struct Expect {
        int id, visible, enabled;
        const char* text; // nullptr: not looked at
    };
    struct Case {
        int version;
        int env, winVersion; // record of an earlier showing
        const char* detail;
        std::string script;
        std::vector<Expect> expects;
        int listIndex;
    };
    const std::vector<Case> cases = {
        {4, -1, -1, "", "", {{1158, 0, 1, nullptr}, {1119, 0, 1, nullptr}, {1118, 0, 1, nullptr}}, -1},
        {4,
         -1,
         -1,
         "",
         "click 1152\n",
         {{1158, 1, 1, nullptr}, {1136, 1, 1, nullptr}, {1139, 0, 1, nullptr}},
         -1},
        {4, -1, -1, "", "click 1152\nselect 1136 1\n", {{1137, 1, 1, nullptr}, {1139, 1, 1, nullptr}}, 1},
        {4,
         -1,
         -1,
         "",
         "click 1152\nselect 1136 1\ntype 1139 \"SP2\"\nselect 1136 7\n",
         {{1137, 0, 1, nullptr}, {1139, 0, 1, ""}},
         7},
        {4,
         -1,
         -1,
         "",
         "click 1152\nselect 1136 1\ntype 1139 \"SP2\"\nclick 1114\n",
         {{1158, 0, 1, nullptr},
          {1136, 0, 1, nullptr},
          {1139, 0, 1, ""},
          {1119, 1, 1, nullptr},
          {1049, 1, 1, ""}},
         -1},
        {4,
         -1,
         -1,
         "",
         "click 1114\ntype 1049 \"6.22\"\ntype 1146 \"a.bat\"\nclick 1154\n",
         {{1049, 0, 1, ""}, {1118, 1, 1, nullptr}, {1129, 1, 1, ""}, {1145, 1, 0, nullptr}, {1146, 1, 0, ""}},
         -1},
        {4,
         -1,
         -1,
         "",
         "click 1154\ntype 1129 \"5.0\"\nclick 1114\n",
         {{1129, 0, 1, ""}, {1146, 1, 1, nullptr}},
         -1},
        {4,
         -1,
         -1,
         "",
         "click 1154\ntype 1129 \"5.0\"\nclick 1152\n",
         {{1129, 0, 1, ""}, {1146, 1, 1, nullptr}},
         -1},
        {5, -1, -1, "", "click 1114\n", {{1145, 1, 0, nullptr}, {1146, 1, 0, ""}}, -1},
        // Shown again: the stored environment with its detail in the matching field.
        {4,
         0,
         2,
         "SP4",
         "",
         {{1136, 1, 1, nullptr}, {1139, 1, 1, "SP4"}, {1049, 0, 1, ""}, {1129, 0, 1, ""}},
         2},
        {4, 0, -1, "", "", {{1139, 1, 1, ""}}, -1},
        {4, 0, 8, "SP4", "", {{1136, 1, 1, nullptr}, {1139, 0, 1, ""}}, 8},
        {4,
         1,
         2,
         "7.1",
         "",
         {{1049, 1, 1, "7.1"}, {1136, 0, 1, nullptr}, {1139, 0, 1, ""}, {1146, 1, 1, nullptr}},
         -1},
        {4, 2, -1, "5.0", "", {{1129, 1, 1, "5.0"}, {1049, 0, 1, ""}, {1146, 1, 0, nullptr}}, -1},
    };
    for (const Case& c : cases) {
        ReportRecord r = Prepared(c.version);
        r.m_nInfoStartEnv = c.env;
        r.m_nInfoWinVersion = c.winVersion;
        r.m_strInfoDetail = c.detail;
        r.m_strInfoBatch = "q.bat";
        CInfoEnvDlg page(&r);
        test::RunPage(page, c.script);
        const std::string where =
            std::to_string(c.version) + " [" + c.script + "] env " + std::to_string(c.env);
        for (const Expect& e : c.expects) {
            EXPECT_EQ(page.IsItemVisible(e.id) ? 1 : 0, e.visible) << where << " control " << e.id;
            EXPECT_EQ(page.IsItemEnabled(e.id) ? 1 : 0, e.enabled) << where << " control " << e.id;
            EXPECT_TRUE(e.text == nullptr || page.GetItemText(e.id) == e.text)
                << where << " control " << e.id;
        }
        EXPECT_EQ(page.GetCurSel(1136), c.listIndex) << where;
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
        ReportRecord r = Prepared(c.version);
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
        EXPECT_EQ(r.m_strInfoVersion, "1.2") << c.script;
        EXPECT_EQ(r.m_strInfoNote, "Notiz") << c.script;
        EXPECT_EQ(r.m_rcWindow.left, 30) << c.script;
    }
    // An info product version of blanks only passes and is stored empty.
    ReportRecord r = Prepared(4);
    CInfoEnvDlg page(&r);
    test::RunPage(page, "click 1114\ntype 1155 \"  \"\ntype 1049 \"6\"\nclick 1016\n");
    EXPECT_EQ(r.m_nInfoStartEnv, 1);
    EXPECT_EQ(r.m_strInfoVersion, "");
}

} // namespace
} // namespace mirel
