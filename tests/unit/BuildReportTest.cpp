// The report text in the cases the scenario scripts do not reach: empty contact fields, answers
// outside the lists, lines that depend on flags left over from an earlier pass, indexes outside the
// product table, and the line ends of multi-line values.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "report/BuildReport.h"

namespace mirel {
namespace {

const LocalTime kNoon{2026, 12, 5, 9, 5, 0};

ReportRecord ContactRecord() {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    r.m_strDate = "05.12.2026";
    r.m_strCustomerNo = "4711";
    r.m_strPhone = "030 123";
    r.m_strFax = "030 124";
    r.m_strCompany = "Müller & Söhne";
    r.m_strContact = "Frau Weiß";
    r.m_strEmail = "w@example.com";
    return r;
}

const std::string kHead = "Varenta Support Bericht - Version 1.22+\n"
                          "Reportdatei vom 05.12.2026  09:05\n" +
                          std::string(59, '=') +
                          "\n\nPersönliche Daten:\n"
                          "    Firma:\t\t\tMüller & Söhne\n"
                          "    Kundennummer:\t\t4711\n"
                          "    Ansprechpartner:\t\tFrau Weiß\n"
                          "    Telefon:    \t\t030 123\n"
                          "    Fax:\t\t\t030 124\n"
                          "    E-Mail:\t\t\tw@example.com\n"
                          "\nProgramminfo:\n";

TEST(BuildReport, EmptyFieldsKeepTheirLabelsExceptCustomerNumberAndFax) {
    ReportRecord r;
    ResetForRun(r);
    r.m_strTitle = "T";
    r.m_strDate = "02.01.2026";
    EXPECT_EQ(BuildReport(r, LocalTime{2026, 1, 2, 0, 0, 0}),
              LfToCrLf("T\nReportdatei vom 02.01.2026  00:00\n" + std::string(59, '=') +
                       "\n\nPersönliche Daten:\n    Firma:\t\t\t\n    Ansprechpartner:\t\t\n"
                       "    Telefon:    \t\t\n    E-Mail:\t\t\t\n\nProgramminfo:\n"));
}

void FillTest(ReportRecord& r) {
    r.m_nTestStartDos = 1;
    r.m_nTestOtherMedium = 1;
    r.m_strTestVersion = "7.1";
    r.m_strTestDosVersion = "6.22";
    r.m_strTestMedium = "USB-Stick";
}

void FillWin(ReportRecord& r, int admin) {
    r.m_strWinVersion = "2.5";
    r.m_strWinOs = "Windows XP";
    r.m_strWinIeVersion = "6.0";
    r.m_nWinAdmin = admin;
    r.m_nWinReproducible = 2;
}

const std::string kWinHead = "    Programmstart:\t\tvon Festplatte\n"
                             "    Betriebssystem:\t\tWindows XP\n"
                             "    IE-Version: \t\t6.0\n"
                             "    Aufruf Batch-Modus: \tKeiner\n";
const std::string kWinTail = "    Der Fehler ist:\t\tnicht reproduzierbar\n"
                             "    Anmerkung:  \t\tKeine\n\n";

TEST(BuildReport, ProgramInformation) {
    struct Case {
        const char* what;
        int version;
        std::function<void(ReportRecord&)> setup;
        std::string block; // everything after "Programminfo:\n"
        std::string productName;
        std::string versionNo;
    };
    const std::vector<Case> cases = {
        {"answers outside the lists print nothing after the label; a blank note stays", 1,
         [](ReportRecord& r) {
             FillTest(r);
             r.m_strTestNote = "   ";
         },
         "    Version:    \t\tQuorix*Test - Demoversion 7.1\n"
         "    Programmstart:\t\tunter DOS\n"
         "    DOS-Typ:    \t\t\n"
         "    DOS-Version:\t\t6.22\n"
         "    Startmedium:\t\tUSB-Stick\n"
         "    Bei Diskettenstart: \tkein Fehler\n"
         "    Start aus Batch heraus:\tNein\n"
         "    Der Fehler ist:\t\t\n"
         "    Anmerkung:  \t\t   \n\n",
         "Quorix*Test - Demoversion", "7.1"},
        {"Vexometer has no batch line even with the flag set", 12,
         [](ReportRecord& r) {
             FillTest(r);
             r.m_nTestDosType = 5;
             r.m_bTestFromBatch = 1;
             r.m_nTestReproducible = 2;
         },
         "    Version:    \t\tVexometer - Vollversion 7.1\n"
         "    Programmstart:\t\tunter DOS\n"
         "    DOS-Typ:    \t\tFree-DOS\n"
         "    DOS-Version:\t\t6.22\n"
         "    Startmedium:\t\tUSB-Stick\n"
         "    Bei Diskettenstart: \tkein Fehler\n"
         "    Der Fehler ist:\t\tnicht reproduzierbar\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Vexometer - Vollversion", "7.1"},
        {"info product under Windows XP prints the service pack even when empty", 4,
         [](ReportRecord& r) {
             r.m_nInfoStartEnv = 0;
             r.m_nInfoWinVersion = 1;
             r.m_strInfoVersion = "3.0";
         },
         "    Version:    \t\tQuorix*Info - Vollversion 3.0\n"
         "    Programmstart:\t\tunter Windows XP\n"
         "    Service Pack:\t\t\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Info - Vollversion", "3.0"},
        {"with administrator rights the second admin line never shows", 7,
         [](ReportRecord& r) {
             FillWin(r, 0);
             r.m_bWinAdminSame = 1;
         },
         "    Version:    \t\tQuorix*Win - Personal Edition 2.5\n" + kWinHead +
             "    Administrator Rechte:  \tJa\n" + kWinTail,
         "Quorix*Win - Personal Edition", "2.5"},
        {"without rights and the problem gone with them, no second admin line", 8,
         [](ReportRecord& r) { FillWin(r, 1); },
         "    Version:    \t\tQuorix*Win - Demoversion 2.5\n" + kWinHead +
             "    Administrator Rechte:  \tNein\n" + kWinTail,
         "Quorix*Win - Demoversion", "2.5"},
        {"no version chosen: no name and no block", -1, [](ReportRecord&) {}, "", "", "alt"},
        {"an index past the table", 14, FillTest, "", "", "alt"},
    };
    for (const Case& c : cases) {
        ReportRecord r = ContactRecord();
        r.m_strVersionNo = "alt";
        r.m_strProductName = "alt";
        r.m_nVersion = c.version;
        c.setup(r);
        EXPECT_EQ(BuildReport(r, kNoon), LfToCrLf(kHead + c.block)) << c.what;
        EXPECT_EQ(r.m_strProductName, c.productName) << c.what;
        EXPECT_EQ(r.m_strVersionNo, c.versionNo) << c.what;
    }
}

TEST(BuildReport, AnExceptionBlockLeftFromAnEarlierPassStaysOut) {
    ReportRecord r = ContactRecord();
    r.m_nVersion = 0;
    r.m_nTestStartDos = 0;
    r.m_strQuestionText = "Fragen\n";
    r.m_astrDosException[18] = "Exception\n";
    r.m_astrHardware[0] = "Hardware\r\n";
    r.m_nExceptionPage = 0;
    const std::string text = BuildReport(r, kNoon);
    EXPECT_EQ(text.substr(text.find("Anmerkung:")), "Anmerkung:  \t\tKeine\r\n\r\nFragen\r\nHardware\r\n");
}

TEST(BuildReport, EveryLineEndIsOneCrLfAndRebuildingGivesTheSameText) {
    ReportRecord r = ContactRecord();
    r.m_nVersion = 11;
    r.m_strContact = "Zeile 1\r\nZeile 2";
    r.m_strPostCardText = "a\r\n\r\nb\r\n";
    r.m_strQuestionText = "Frage\nNotiz\r\nzwei\n";
    const std::string first = BuildReport(r, kNoon);
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i] == '\r') {
            EXPECT_TRUE(i + 1 < first.size() && first[i + 1] == '\n') << "lone CR at " << i;
        }
        if (first[i] == '\n') {
            EXPECT_TRUE(i > 0 && first[i - 1] == '\r') << "bare LF at " << i;
        }
    }
    EXPECT_NE(first.find("Ansprechpartner:\t\tZeile 1\r\nZeile 2\r\n"), std::string::npos);
    EXPECT_EQ(BuildReport(r, kNoon), first);
    EXPECT_EQ(r.m_strPostCardText, "a\n\nb\n");
}

} // namespace
} // namespace mirel
