// The report text in the cases the scenario scripts do not reach: empty contact fields, answers
// outside the lists, lines that depend on flags left over from an earlier pass, indexes outside the
// product table, and the line ends of multi-line values.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/Text.h"
#include "report/BuildReport.h"

namespace mirel {
namespace {

const LocalTime kNoon{2026, 12, 5, 9, 5, 0};

ReportRecord Record(int version) {
    ReportRecord r;
    ResetForRun(r);
    r.m_nVersion = version;
    r.m_strVersionNo = "alt";
    r.m_strProductName = "alt";
    return r;
}

// The report from the line after "Programminfo:" on.
std::string ProgramInfo(ReportRecord& r) {
    const std::string text = BuildReport(r, kNoon);
    const std::string label = "Programminfo:\r\n";
    return text.substr(text.find(label) + label.size());
}

TEST(BuildReport, EmptyContactFieldsKeepTheirLabelsAndNoVersionGivesNoBlock) {
    // Without a chosen version, or with an index past the table, there is no name and no block.
    for (const int version : {-1, 14}) {
        ReportRecord r = Record(version);
        r.m_strTitle = "T";
        r.m_strDate = "02.01.2026";
        r.m_strTestVersion = "7.1";
        EXPECT_EQ(BuildReport(r, LocalTime{2026, 1, 2, 0, 0, 0}),
                  LfToCrLf("T\nReportdatei vom 02.01.2026  00:00\n" + std::string(59, '=') +
                           "\n\nPersönliche Daten:\n    Firma:\t\t\t\n    Ansprechpartner:\t\t\n"
                           "    Telefon:    \t\t\n    E-Mail:\t\t\t\n\nProgramminfo:\n"))
            << version;
        EXPECT_EQ(r.m_strProductName, "") << version;
        EXPECT_EQ(r.m_strVersionNo, "alt") << version;
    }
}

TEST(BuildReport, ValuesOutsideTheListsAndFlagsLeftFromAnotherAnswer) {
    // Test product under DOS: a DOS type of none and a repeatability past the list print nothing
    // after the label; a blank note stays.
    ReportRecord r = Record(1);
    r.m_nTestStartDos = 1;
    r.m_nTestOtherMedium = 1;
    r.m_strTestVersion = "7.1";
    r.m_strTestDosVersion = "6.22";
    r.m_strTestMedium = "USB-Stick";
    r.m_nTestReproducible = 3;
    r.m_strTestNote = "   ";
    EXPECT_EQ(ProgramInfo(r), LfToCrLf("    Version:    \t\tQuorix*Test - Demoversion 7.1\n"
                                       "    Programmstart:\t\tunter DOS\n"
                                       "    DOS-Typ:    \t\t\n"
                                       "    DOS-Version:\t\t6.22\n"
                                       "    Startmedium:\t\tUSB-Stick\n"
                                       "    Bei Diskettenstart: \tkein Fehler\n"
                                       "    Start aus Batch heraus:\tNein\n"
                                       "    Der Fehler ist:\t\t\n"
                                       "    Anmerkung:  \t\t   \n\n"));
    EXPECT_EQ(r.m_strProductName, "Quorix*Test - Demoversion");
    EXPECT_EQ(r.m_strVersionNo, "7.1");
    // The Vexometer product has no batch line, even with the flag set.
    r.m_nVersion = 12;
    r.m_bTestFromBatch = 1;
    EXPECT_EQ(ProgramInfo(r).find("Batch"), std::string::npos);
    EXPECT_EQ(r.m_strProductName, "Vexometer - Vollversion");

    // The info product under Windows XP prints the service pack line even when it is empty.
    r = Record(4);
    r.m_nInfoStartEnv = 0;
    r.m_nInfoWinVersion = 1;
    r.m_strInfoVersion = "3.0";
    EXPECT_EQ(ProgramInfo(r), LfToCrLf("    Version:    \t\tQuorix*Info - Vollversion 3.0\n"
                                       "    Programmstart:\t\tunter Windows XP\n"
                                       "    Service Pack:\t\t\n"
                                       "    Aufruf Batch-Modus: \tKeiner\n"
                                       "    Anmerkung:  \t\tKeine\n\n"));

    // The Windows product names the problem with administrator rights only for a user without them
    // who said it stays.
    for (const auto& [admin, same] : {std::pair{0, 1}, std::pair{1, 0}, std::pair{-1, 1}}) {
        r = Record(7);
        r.m_nWinAdmin = admin;
        r.m_bWinAdminSame = same;
        EXPECT_EQ(ProgramInfo(r).find("Mit Admin"), std::string::npos) << admin << same;
    }
}

TEST(BuildReport, AnExceptionBlockLeftFromAnEarlierPassStaysOut) {
    ReportRecord r = Record(0);
    r.m_nTestStartDos = 0;
    r.m_strQuestionText = "Fragen\n";
    r.m_astrDosException[18] = "Exception\n";
    r.m_astrHardware[0] = "Hardware\r\n";
    r.m_nExceptionPage = 0;
    const std::string text = ProgramInfo(r);
    EXPECT_EQ(text.substr(text.find("Anmerkung:")), "Anmerkung:  \t\tKeine\r\n\r\nFragen\r\nHardware\r\n");
}

TEST(BuildReport, EveryLineEndIsOneCrLfAndRebuildingGivesTheSameText) {
    ReportRecord r = Record(11);
    r.m_strContact = "Zeile 1\r\nZeile 2";
    r.m_strPostCardText = "a\r\n\r\nb\r\n";
    r.m_strQuestionText = "Frage\nNotiz\r\nzwei\n";
    const std::string first = BuildReport(r, kNoon);
    // No CR outside a CR LF pair, and as many CRs as LFs: no bare LF either.
    EXPECT_EQ(CrLfToLf(first).find('\r'), std::string::npos);
    EXPECT_EQ(std::count(first.begin(), first.end(), '\r'), std::count(first.begin(), first.end(), '\n'));
    EXPECT_NE(first.find("Ansprechpartner:\t\tZeile 1\r\nZeile 2\r\n"), std::string::npos);
    EXPECT_EQ(BuildReport(r, kNoon), first);
    EXPECT_EQ(r.m_strPostCardText, "a\n\nb\n");
}

} // namespace
} // namespace mirel
