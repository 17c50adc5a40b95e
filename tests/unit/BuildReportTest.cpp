// The report text for every product and version, with the exact labels, tabs and fillers, and
// what building it writes into the record.
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
                          "Reportdatei vom 05.12.2026  09:05\n"
                          "===========================================================\n"
                          "\n"
                          "Persönliche Daten:\n"
                          "    Firma:\t\t\tMüller & Söhne\n"
                          "    Kundennummer:\t\t4711\n"
                          "    Ansprechpartner:\t\tFrau Weiß\n"
                          "    Telefon:    \t\t030 123\n"
                          "    Fax:\t\t\t030 124\n"
                          "    E-Mail:\t\t\tw@example.com\n"
                          "\n"
                          "Programminfo:\n";

// The expected text is written with LF; the report has CR LF everywhere.
std::string Expected(const std::string& lf) {
    return LfToCrLf(lf);
}

TEST(BuildReport, HeaderAndPersonalData) {
    struct Case {
        const char* what;
        std::function<void(ReportRecord&)> change;
        LocalTime now;
        std::string personal; // the lines between "Persönliche Daten:" and "Programminfo:"
        const char* clock;
    };
    const std::vector<Case> cases = {
        {"all fields", [](ReportRecord&) {}, kNoon,
         "    Firma:\t\t\tMüller & Söhne\n    Kundennummer:\t\t4711\n    Ansprechpartner:\t\tFrau Weiß\n"
         "    Telefon:    \t\t030 123\n    Fax:\t\t\t030 124\n    E-Mail:\t\t\tw@example.com\n\n",
         "09:05"},
        {"no customer number and no fax leave out their lines",
         [](ReportRecord& r) {
             r.m_strCustomerNo.clear();
             r.m_strFax.clear();
         },
         LocalTime{2026, 1, 2, 23, 59, 0},
         "    Firma:\t\t\tMüller & Söhne\n    Ansprechpartner:\t\tFrau Weiß\n    Telefon:    \t\t030 123\n"
         "    E-Mail:\t\t\tw@example.com\n\n",
         "23:59"},
        {"other empty fields keep their labels",
         [](ReportRecord& r) {
             r.m_strCompany.clear();
             r.m_strContact.clear();
             r.m_strPhone.clear();
             r.m_strEmail.clear();
         },
         LocalTime{2026, 1, 2, 0, 0, 0},
         "    Firma:\t\t\t\n    Kundennummer:\t\t4711\n    Ansprechpartner:\t\t\n    Telefon:    \t\t\n"
         "    Fax:\t\t\t030 124\n    E-Mail:\t\t\t\n\n",
         "00:00"},
    };
    for (const Case& c : cases) {
        ReportRecord r = ContactRecord();
        c.change(r);
        const std::string text = BuildReport(r, c.now);
        const std::string expected = "Varenta Support Bericht - Version 1.22+\nReportdatei vom 05.12.2026  " +
                                     std::string(c.clock) + "\n" + std::string(59, '=') +
                                     "\n\nPersönliche Daten:\n" + c.personal + "Programminfo:\n";
        EXPECT_EQ(text, Expected(expected)) << c.what;
    }
}

struct ProductCase {
    const char* what;
    int version;
    std::function<void(ReportRecord&)> setup;
    std::string block;       // everything after "Programminfo:\n"
    std::string productName; // m_strProductName afterwards
    std::string versionNo;   // m_strVersionNo afterwards
};

void FillTest(ReportRecord& r, int startDos, int otherMedium) {
    r.m_nTestStartDos = startDos;
    r.m_nTestOtherMedium = otherMedium;
    r.m_nTestReproducible = 0;
    r.m_strTestVersion = "7.1";
    r.m_strTestDosVersion = "6.22";
    r.m_strTestMedium = "USB-Stick";
    r.m_nTestDosType = 0;
}

void FillInfo(ReportRecord& r, int env, int windows, const char* detail) {
    r.m_nInfoStartEnv = env;
    r.m_nInfoWinVersion = windows;
    r.m_strInfoDetail = detail;
    r.m_strInfoVersion = "3.0";
}

void FillWin(ReportRecord& r, int admin, int adminSame) {
    r.m_strWinVersion = "2.5";
    r.m_strWinOs = "Windows XP";
    r.m_strWinIeVersion = "6.0";
    r.m_nWinAdmin = admin;
    r.m_bWinAdminSame = adminSame;
    r.m_nWinReproducible = 2;
}

TEST(BuildReport, ProgramInformationOfEveryProduct) {
    const std::vector<ProductCase> cases = {
        {"test product, self-booting from diskette", 0, [](ReportRecord& r) { FillTest(r, 0, 0); },
         "    Version:    \t\tQuorix*Test - Vollversion 7.1\n"
         "    Programmstart:\t\tselbstbootend\n"
         "    Startmedium:\t\tDiskette\n"
         "    Der Fehler ist:\t\tidentisch reproduzierbar\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Test - Vollversion", "7.1"},
        {"test product under DOS from another medium, from a batch file", 3,
         [](ReportRecord& r) {
             FillTest(r, 1, 1);
             r.m_nTestDosType = 7;
             r.m_bTestFloppySame = 1;
             r.m_bTestFromBatch = 1;
             r.m_nTestReproducible = 1;
             r.m_strTestNote = "erste Zeile\r\nzweite Zeile";
         },
         "    Version:    \t\tQuorix*Test - Händlertestversion 7.1\n"
         "    Programmstart:\t\tunter DOS\n"
         "    DOS-Typ:    \t\tSiehe \"Anmerkung\"\n"
         "    DOS-Version:\t\t6.22\n"
         "    Startmedium:\t\tUSB-Stick\n"
         "    Bei Diskettenstart: \tselber Fehler\n"
         "    Start aus Batch heraus:\tJa\n"
         "    Der Fehler ist:\t\tähnlich reproduzierbar\n"
         "    Anmerkung:  \t\terste Zeile\nzweite Zeile\n\n",
         "Quorix*Test - Händlertestversion", "7.1"},
        {"test product, answers outside the lists print nothing after the label", 1,
         [](ReportRecord& r) {
             FillTest(r, 1, 1);
             r.m_nTestDosType = -1;
             r.m_nTestReproducible = -1;
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
        {"Vexometer under DOS from another medium has no batch line", 12,
         [](ReportRecord& r) {
             FillTest(r, 1, 1);
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
         [](ReportRecord& r) { FillInfo(r, 0, 1, ""); },
         "    Version:    \t\tQuorix*Info - Vollversion 3.0\n"
         "    Programmstart:\t\tunter Windows XP\n"
         "    Service Pack:\t\t\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Info - Vollversion", "3.0"},
        {"info product under Windows ME has no service pack line", 5,
         [](ReportRecord& r) {
             FillInfo(r, 0, 5, "SP2");
             r.m_strInfoBatch = "qinfo /b";
             r.m_strInfoNote = "Hinweis";
         },
         "    Version:    \t\tQuorix*Info - Demoversion 3.0\n"
         "    Programmstart:\t\tunter Windows ME\n"
         "    Aufruf Batch-Modus: \tqinfo /b\n"
         "    Anmerkung:  \t\tHinweis\n\n",
         "Quorix*Info - Demoversion", "3.0"},
        {"info product under DOS", 4, [](ReportRecord& r) { FillInfo(r, 1, 1, "6.22"); },
         "    Version:    \t\tQuorix*Info - Vollversion 3.0\n"
         "    Programmstart:\t\tunter DOS 6.22\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Info - Vollversion", "3.0"},
        {"info product in the self-booting test product", 5,
         [](ReportRecord& r) { FillInfo(r, 2, -1, "5.1"); },
         "    Version:    \t\tQuorix*Info - Demoversion 3.0\n"
         "    Programmstart:\t\tunter selbstbootendem Quorix*Test 5.1\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Info - Demoversion", "3.0"},
        {"Windows product, administrator question not answered", 6,
         [](ReportRecord& r) { FillWin(r, -1, 1); },
         "    Version:    \t\tQuorix*Win - Professional 2.5\n"
         "    Programmstart:\t\tvon Festplatte\n"
         "    Betriebssystem:\t\tWindows XP\n"
         "    IE-Version: \t\t6.0\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Der Fehler ist:\t\tnicht reproduzierbar\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Win - Professional", "2.5"},
        {"Windows product with administrator rights never prints the second line", 7,
         [](ReportRecord& r) {
             FillWin(r, 0, 1);
             r.m_nWinStartFrom = 1;
             r.m_strWinMedium = "CD";
             r.m_strWinServicePack = "SP2";
             r.m_strWinBatch = "qwin.exe /auto";
             r.m_strWinNote = "Notiz";
         },
         "    Version:    \t\tQuorix*Win - Personal Edition 2.5\n"
         "    Programmstart:\t\tvon CD\n"
         "    Betriebssystem:\t\tWindows XP\n"
         "    Service Pack:\t\tSP2\n"
         "    IE-Version: \t\t6.0\n"
         "    Aufruf Batch-Modus: \tqwin.exe /auto\n"
         "    Administrator Rechte:  \tJa\n"
         "    Der Fehler ist:\t\tnicht reproduzierbar\n"
         "    Anmerkung:  \t\tNotiz\n\n",
         "Quorix*Win - Personal Edition", "2.5"},
        {"Windows product without rights, problem also with rights", 8,
         [](ReportRecord& r) { FillWin(r, 1, 1); },
         "    Version:    \t\tQuorix*Win - Demoversion 2.5\n"
         "    Programmstart:\t\tvon Festplatte\n"
         "    Betriebssystem:\t\tWindows XP\n"
         "    IE-Version: \t\t6.0\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Administrator Rechte:  \tNein\n"
         "    Mit Admin-Rechten:  \tDas Problem tritt ebenfalls auf\n"
         "    Der Fehler ist:\t\tnicht reproduzierbar\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Win - Demoversion", "2.5"},
        {"Windows product without rights, problem not with rights", 8,
         [](ReportRecord& r) { FillWin(r, 1, 0); },
         "    Version:    \t\tQuorix*Win - Demoversion 2.5\n"
         "    Programmstart:\t\tvon Festplatte\n"
         "    Betriebssystem:\t\tWindows XP\n"
         "    IE-Version: \t\t6.0\n"
         "    Aufruf Batch-Modus: \tKeiner\n"
         "    Administrator Rechte:  \tNein\n"
         "    Der Fehler ist:\t\tnicht reproduzierbar\n"
         "    Anmerkung:  \t\tKeine\n\n",
         "Quorix*Win - Demoversion", "2.5"},
        {"Lumicard: the card text without its CRs, no version line", 9,
         [](ReportRecord& r) { r.m_strPostCardText = "POST-Karte:\r\n  LEDs: aus\r\n"; },
         "POST-Karte:\n  LEDs: aus\n\n\n", "Quorix*Board - Lumicard", "alt"},
        {"another maker's card", 11,
         [](ReportRecord& r) {
             r.m_strOtherCard = "PostProbe 3";
             r.m_strPostCardText = "x";
         },
         "x\n\n", "Quorix*Board - PostProbe 3", "alt"},
        {"another maker's card without a name keeps the blank", 11, [](ReportRecord&) {}, "\n\n",
         "Quorix*Board - ", "alt"},
        {"no version chosen: no name and no block", -1, [](ReportRecord&) {}, "", "", "alt"},
        {"an index past the table", 14, [](ReportRecord& r) { FillTest(r, 0, 0); }, "", "", "alt"},
    };
    for (const ProductCase& c : cases) {
        ReportRecord r = ContactRecord();
        r.m_strVersionNo = "alt";
        r.m_strProductName = "alt";
        r.m_nVersion = c.version;
        c.setup(r);
        EXPECT_EQ(BuildReport(r, kNoon), Expected(kHead + c.block)) << c.what;
        EXPECT_EQ(r.m_strProductName, c.productName) << c.what;
        EXPECT_EQ(r.m_strVersionNo, c.versionNo) << c.what;
        EXPECT_EQ(r.m_strPostCardText.find('\r'), std::string::npos) << c.what;
    }
}

TEST(BuildReport, ProductNameAndVersionNumberOfEveryIndex) {
    struct Case {
        int version;
        std::string name;
        std::string versionNo;
    };
    const std::vector<Case> cases = {
        {0, "Quorix*Test - Vollversion", "T"},
        {1, "Quorix*Test - Demoversion", "T"},
        {2, "Quorix*Test - OEM-Version", "T"},
        {3, "Quorix*Test - Händlertestversion", "T"},
        {4, "Quorix*Info - Vollversion", "I"},
        {5, "Quorix*Info - Demoversion", "I"},
        {6, "Quorix*Win - Professional", "W"},
        {7, "Quorix*Win - Personal Edition", "W"},
        {8, "Quorix*Win - Demoversion", "W"},
        {9, "Quorix*Board - Lumicard", "alt"},
        {10, "Quorix*Board - Lumicard plus", "alt"},
        {11, "Quorix*Board - Karte X", "alt"},
        {12, "Vexometer - Vollversion", "T"},
        {13, "Vexometer - Demoversion", "T"},
        {-1, "", "alt"},
        {14, "", "alt"},
    };
    for (const Case& c : cases) {
        ReportRecord r = ContactRecord();
        r.m_nVersion = c.version;
        r.m_strTestVersion = "T";
        r.m_strInfoVersion = "I";
        r.m_strWinVersion = "W";
        r.m_strOtherCard = "Karte X";
        r.m_strVersionNo = "alt";
        BuildReport(r, kNoon);
        EXPECT_EQ(r.m_strProductName, c.name) << c.version;
        EXPECT_EQ(r.m_strVersionNo, c.versionNo) << c.version;
    }
}

TEST(BuildReport, AppendedBlocks) {
    struct Case {
        const char* what;
        int exceptionPage;
        std::string tail;
    };
    const std::vector<Case> cases = {
        {"no exception page: an old exception block stays out", 0, "Fragen\nHardware\n"},
        {"self-booting exception page", 1, "Fragen\nException\nHardware\n"},
        {"DOS exception page", 2, "Fragen\nException\nHardware\n"},
    };
    for (const Case& c : cases) {
        ReportRecord r = ContactRecord();
        r.m_nVersion = 0;
        FillTest(r, 0, 0);
        r.m_strQuestionText = "Fragen\n";
        r.m_astrDosException[18] = "Exception\n";
        r.m_astrHardware[0] = "Hardware\r\n";
        r.m_nExceptionPage = c.exceptionPage;
        const std::string text = BuildReport(r, kNoon);
        const std::string tail = LfToCrLf(c.tail);
        ASSERT_GE(text.size(), tail.size()) << c.what;
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << c.what;
        EXPECT_NE(text.find("Anmerkung:  \t\tKeine\r\n\r\nFragen"), std::string::npos) << c.what;
    }
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
