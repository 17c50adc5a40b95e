// The info product's environment page where the scenario scripts do not go: the order and focus
// of the checks, the fields an earlier record fills, and the one detail stored for the chosen
// environment on Next and on Back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "pages/InfoEnvDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

TEST(InfoEnvDlg, ChecksComeInOrderWithCaptionTextAndFocus) {
    const char* const noSp = "Bitte tragen Sie den installierten Service Pack ein.";
    const std::string win = "click 1152\ntype 1155 \"   \"\n"; // blanks pass the version check
    test::ExpectChecks(
        {
            {4, "click 1154\n", "Unvollständige Angaben",
             "Bitte tragen Sie die Quorix*Info Versionsnummer ein.", 1155},
            {4, win, "Windows Version", "Bitte wählen Sie eine Windows Version aus.", 1136},
            {4, win + "select 1136 4\n", "Service Pack", noSp, 1139},
            {4, win + "select 1136 0\ntype 1139 \"  \"\n", "Service Pack", noSp, 1139},
            {4, "click 1114\ntype 1155 \"1.0\"\ntype 1049 \" \"\n", "DOS Version",
             "Bitte tragen Sie die DOS Version ein.", 1049},
            {4, "click 1154\ntype 1155 \"1.0\"\ntype 1129 \"  \"\n", "Quorix*Test Version",
             "Bitte tragen Sie die Quorix*Test Version ein.", 1129},
        },
        1116, [](ReportRecord& r) { return std::make_unique<CInfoEnvDlg>(&r); });
}

TEST(InfoEnvDlg, EnvironmentShowsItsFieldsAndForgetsTheOthers) {
    // The record is of an earlier showing: environment, Windows version, and the detail "7.1".
    const auto shown = [](int env, int winVersion, const std::string& script, const std::string& ids) {
        ReportRecord r = test::Prepared(4);
        r.m_nInfoStartEnv = env;
        r.m_nInfoWinVersion = winVersion;
        r.m_strInfoDetail = "7.1";
        CInfoEnvDlg page(&r);
        test::RunPage(page, script);
        return test::States(page, ids);
    };
    EXPECT_EQ(shown(-1, -1, "click 1154\ntype 1129 \"5.0\"\nclick 1114\n", "1129= 1146"), "1129h= 1146");
    EXPECT_EQ(shown(0, 8, "", "1136 1139="), "1136 1139h="); // a Windows version without service packs
    EXPECT_EQ(shown(1, 2, "", "1049= 1136 1139= 1146"), "1049=7.1 1136h 1139h= 1146");
}

TEST(InfoEnvDlg, StoresTheDetailOfTheChosenEnvironment) {
    // The record holds Windows NT 4.0 from an earlier pass. Stored: environment, Windows version,
    // the detail as typed | batch call | info product version | note, and whether Back was taken.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"click 1152\nselect 1136 1\ntype 1139 \" SP2\"\nclick 1016\n", "0 1  SP2|a.bat|1.2|Notiz 0"},
        {"click 1114\ntype 1049 \"6.22\"\nclick 1016\n", "1 3 6.22|a.bat|1.2|Notiz 0"},
        {"click 1154\ntype 1129 \"5.01\"\nclick 1016\n", "2 3 5.01||1.2|Notiz 0"},
        {"click 1114\ntype 1049 \"6.22\"\nclick 1152\nclick 1015\n", "0 -1 |a.bat|1.2|Notiz 1"},
        {"click 1114\ntype 1155 \"  \"\ntype 1049 \"6\"\nclick 1016\n", "1 3 6|a.bat||Notiz 0"},
    };
    for (const auto& [script, stored] : cases) {
        ReportRecord r = test::Prepared(4);
        r.m_nInfoWinVersion = 3;
        CInfoEnvDlg page(&r);
        test::RunPage(page, "type 1155 \" 1.2 \"\ntype 1146 \" a.bat \"\ntype 1116 \" Notiz\\n\"\n" + script);
        EXPECT_EQ(std::to_string(r.m_nInfoStartEnv) + " " + std::to_string(r.m_nInfoWinVersion) + " " +
                      r.m_strInfoDetail + "|" + r.m_strInfoBatch + "|" + r.m_strInfoVersion + "|" +
                      r.m_strInfoNote + " " + std::to_string(r.m_bBack),
                  stored)
            << script;
    }
}

} // namespace
} // namespace mirel
