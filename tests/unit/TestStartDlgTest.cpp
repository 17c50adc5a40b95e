// The start settings pages of the test and Vexometer products, driven through user actions:
// the checks in order, the version number rules, the DOS block and the batch check box by
// version, the info box texts and the values stored on Next and on Back.
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
    // too, so a check out of order shows another message. The first three rules leave the focus.
    const std::string dos = "click 1114\nclick 1124\nclick 1163\n";
    const std::string number = dos + "type 1129 \"2.10\"\n";
    const std::string vexo = "click 1113\nclick 1124\nclick 1165\n";
    const std::string self = "click 1113\nclick 1123\nclick 1164\ntype 1129 \"";
    const char* const noNumber = "Bitte tragen Sie die Quorix*Test-Versionsnummer ein";
    const char* const noDos = "Bitte tragen Sie die DOS-Version ein";
    const char* const bad = "Ungültige Versionsnummer";
    const char* const badText =
        "Die Länge der Quorix*Test-Versionsnummer ist ungültig.\nBitte tragen Sie sie "
        "in dem Format #.##* ein";
    test::ExpectChecks(
        {
            {0, "", "Programmstart", "Bitte geben Sie einen Programmstart ein.", 1116},
            {0, "click 1114\n", "Bootmedium", "Bitte markieren Sie das Bootmedium.", 1116},
            {0, "click 1114\nclick 1124\n", "Nachvollziehbarkeit",
             "Bitte tragen Sie ein, ob der Fehler reproduzierbar ist.", 1116},
            {0, dos, "Angabe Version", noNumber, 1129},
            {0, dos + "type 1129 \"   \"\n", "Angabe Version", noNumber, 1129},
            {0, dos + "type 1129 \" 2.1 \"\n", bad, badText, 1129},
            {0, dos + "type 1129 \"210a\"\n", bad, badText, 1129},
            {0, number, "Angabe Version", noDos, 1049},
            {0, number + "type 1049 \" \"\n", "Angabe Version", noDos, 1049},
            {0, number + "type 1049 \"6.22\"\n", "Angabe DOS-Typ", "Bitte tragen Sie den DOS-Typ ein", 1174},
            {0, number + "type 1049 \"6.22\"\nselect 1174 7\ntype 1125 \"  \"\n", "Bootmedium",
             "Bitte tragen Sie ein, von welchem Medium Quorix*Test gebootet wurde.", 1125},
            {0, number + "type 1049 \"6.22\"\nselect 1174 7\ntype 1125 \"CD\"\n", nullptr, nullptr, 0},
            {12, vexo, "Angabe Version", "Bitte tragen Sie die Vexometer-Versionsnummer ein", 1129},
            {13, vexo + "type 1129 \"x\"\n", "Bootmedium",
             "Bitte tragen Sie ein, von welchem Medium Vexometer gebootet wurde.", 1125},
            {13, vexo + "type 1129 \"x\"\ntype 1125 \"USB\"\n", nullptr, nullptr, 0},
            // The version number format by version; characters are counted, not bytes.
            {0, self + "2,105\"\n", nullptr, nullptr, 0},
            {0, self + "ä.10\"\n", nullptr, nullptr, 0},
            {0, self + "ä.1\"\n", bad, badText, 1129},
            {0, self + "2ä10\"\n", bad, badText, 1129},
            {1, self + "2.1\"\n", bad, badText, 1129},
            {2, self + "1\"\n", nullptr, nullptr, 0},
            {3, self + "1\"\n", bad, badText, 1129},
            {3, self + "2,10\"\n", nullptr, nullptr, 0},
            {12, self + "1\"\n", nullptr, nullptr, 0},
        },
        1116, MakePage);
}

TEST(TestStartDlg, ControlsFollowVersionAndAnswers) {
    struct Case {
        int version;
        bool earlier; // the record holds: under DOS, another medium, same problems from diskette, batch
        std::string script, ids, states;
    };
    const std::vector<Case> cases = {
        {0, false, "", "1128 1125 1127", "1128d 1125d 1127d"},
        {0, false, "click 1114\nclick 1128\n", "1128", "1128x"},
        // "selbstbootend" clears the batch start even when the version number field, which reads
        // the controls when it gets the focus, takes the focus on the way.
        {0, false, "click 1114\nclick 1128\nfocus 1116\nclick 1113\n", "1128", "1128d"},
        {1, false, "click 1114\n", "1128", "1128d"},
        {0, false, "click 1124\n", "1125 1127", "1125 1127"},
        {0, false, "click 1124\nclick 1127\nclick 1123\n", "1125 1127", "1125d 1127dx"},
        {0, true, "", "1114 1124 1125 1127 1128", "1114x 1124x 1125 1127x 1128x"},
        {1, true, "", "1114 1128", "1114x 1128d"},
        // OEM and dealer test versions: self-booting from diskette, fixed; the batch as the version says.
        {2, true, "", "1113 1114 1123 1124 1125 1127 1128", "1113x 1114d 1123x 1124d 1125d 1127d 1128dx"},
        {2, false, "click 1113\nclick 1123\n", "1128", "1128dx"},
        {3, true, "", "1113 1114 1124 1127 1128", "1113x 1114d 1124d 1127d 1128d"},
        {12, true, "click 1113\nclick 1114\n", "1128 1125", "1128hd 1125"},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(c.version);
        if (c.earlier)
            r.m_nTestStartDos = r.m_nTestOtherMedium = r.m_bTestFloppySame = r.m_bTestFromBatch = 1;
        auto page = MakePage(r);
        test::RunPage(*page, c.script);
        const std::string where = std::to_string(c.version) + " [" + c.script + "]";
        EXPECT_EQ(test::States(*page, c.ids), c.states) << where;
        // The DOS block is visible exactly while "unter DOS" is chosen.
        EXPECT_EQ(test::States(*page, "1119 1049 1126 1174"),
                  page->GetCheck(1114) != 0 ? "1119 1049 1126 1174" : "1119h 1049h 1126h 1174h")
            << where;
    }
}

TEST(TestStartDlg, InfoBoxTexts) {
    const char* const versionHelp =
        "Die Versionsnummer steht nach dem Programmstart in der linken oberen Ecke.";
    const char* const verHelp =
        "Die Versionsnummer ermitteln Sie über den Befehl \"ver\" in der Befehlszeile.";
    const char* const noteHelp = "Hier haben Sie zusätzlichen Platz, um weitere Anmerkungen einzutragen.";
    const std::string vexo = "focus 1016\nclick 1163\nfocus 1129\ntype 1129 \"3\"\nfocus 1016\n";
    struct Case {
        int version;
        std::string script, info;
    };
    const std::vector<Case> cases = {
        {0, "focus 1116\nfocus 1129\n", versionHelp},
        {0, "focus 1016\ntype 1129 \"2\"\n", versionHelp},
        {2, "focus 1016\ntype 1129 \"2\"\n",
         "Die Versionsnummer sehen Sie, nach dem Test, im Ergebnisbericht oben links."},
        {0, "focus 1116\nfocus 1129\nfocus 1016\n", ""},
        {0, "focus 1116\n", noteHelp},
        {0, "focus 1016\ntype 1116 \"a\"\n", noteHelp},
        {0, "focus 1116\nfocus 1016\n", ""},
        {0, "click 1114\nfocus 1049\n", verHelp},
        {0, "click 1114\nfocus 1049\nfocus 1016\n", ""},
        {0, "click 1114\nselect 1174 0\n", verHelp},
        {0, "click 1114\nselect 1174 7\n",
         "Bitte tragen Sie die genaue DOS-Bezeichnung in das Feld \"Sonstige Anmerkungen\" ein."},
        {0, "click 1163\n", kReproducibleHelp[0]},
        {0, "click 1164\n", kReproducibleHelp[1]},
        {0, "click 1165\n", kReproducibleHelp[2]},
        // The Vexometer's version number field neither sets nor empties the info box.
        {0, vexo, ""},
        {12, vexo, kReproducibleHelp[0]},
    };
    for (const Case& c : cases) {
        ReportRecord r = test::Prepared(c.version);
        auto page = MakePage(r);
        test::RunPage(*page, c.script);
        EXPECT_EQ(page->GetItemText(1171), c.info) << c.version << " [" << c.script << "]";
    }
    // Opening the DOS type list without picking an entry; the info box hands its focus on.
    ReportRecord r = test::Prepared(0);
    CTestStartDlg page(&r);
    test::RunPage(page, "click 1114\nfocus 1171\n");
    page.UserSelect(1174, -1);
    EXPECT_EQ(page.GetItemText(1171), "Bitte wählen Sie das DOS-Produkt aus, welches Sie benutzen.");
    EXPECT_EQ(page.GetFocusItem(), 1016);
}

TEST(TestStartDlg, NextStoresTrimmedAnswers) {
    ReportRecord r = test::Prepared(0);
    CTestStartDlg page(&r);
    EXPECT_EQ(test::RunPage(page, "click 1114\nclick 1124\ntype 1125 \" CD-ROM\\nLaufwerk \"\nclick 1127\n"
                                  "click 1128\ntype 1129 \" 2.10 \"\ntype 1049 \" 6.22 \"\nselect 1174 5\n"
                                  "click 1164\ntype 1116 \"  Anmerkung\\n\"\nclick 1016\n")
                  .log,
              "page CTestStartDlg\n");
    EXPECT_EQ(r.m_strTestMedium + "|" + r.m_strTestVersion + "|" + r.m_strTestDosVersion + "|" +
                  r.m_strTestNote,
              "CD-ROM\r\nLaufwerk|2.10|6.22|Anmerkung");
    EXPECT_EQ(std::vector<int>({r.m_nTestStartDos, r.m_nTestOtherMedium, r.m_nTestReproducible,
                                r.m_bTestFloppySame, r.m_bTestFromBatch, r.m_nTestDosType, r.m_bBack}),
              std::vector<int>({1, 1, 1, 1, 1, 5, 0}));
    EXPECT_EQ(r.m_rcWindow.left, 30);
    EXPECT_EQ(r.m_rcWindow.top, 40);
}

TEST(TestStartDlg, BackStoresWithoutChecksAndAnotherVersionAppliesItsRules) {
    ReportRecord r = test::Prepared(0);
    {
        CTestStartDlg page(&r);
        EXPECT_EQ(test::RunPage(page, "click 1114\nclick 1128\nclick 1124\ntype 1125 \"Stick\"\n"
                                      "type 1049 \"6\"\ntype 1129 \" x \"\nclick 1015\n")
                      .log,
                  "page CTestStartDlg\n");
    }
    EXPECT_EQ(r.m_bBack, 1);
    EXPECT_EQ(r.m_nTestStartDos, 1);
    EXPECT_EQ(r.m_nTestReproducible, -1);
    EXPECT_EQ(r.m_strTestVersion + "|" + r.m_strTestMedium, "x|Stick");
    EXPECT_EQ(r.m_bTestFromBatch, 1);

    // The Vexometer page neither reads nor writes the batch start.
    r.m_nVersion = 12;
    {
        CVexometerStartDlg page(&r);
        test::RunPage(page, "click 1165\nclick 1015\n");
    }
    EXPECT_EQ(r.m_bTestFromBatch, 1);

    // The dealer test version forces a self-booting start from diskette and forgets the rest.
    r.m_nVersion = 3;
    CTestStartDlg page(&r);
    EXPECT_EQ(test::RunPage(page, "type 1129 \"3.01\"\nclick 1016\n").log, "page CTestStartDlg\n");
    EXPECT_EQ(std::vector<int>({r.m_nTestStartDos, r.m_nTestOtherMedium, r.m_bTestFromBatch}),
              std::vector<int>(3, 0));
    EXPECT_EQ(r.m_strTestMedium + "|" + r.m_strTestDosVersion + "|" + r.m_strTestVersion, "||3.01");
}

} // namespace
} // namespace mirel
