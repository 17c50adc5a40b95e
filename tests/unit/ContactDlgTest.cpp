// The contact data page: the date it offers, the input limits and record fields of its edits,
// the checks of Weiter in their order, and the fields stored trimmed by Weiter and Abbrechen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/ContactDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

std::string Type(int id, const std::string& text) {
    return "type " + std::to_string(id) + " \"" + text + "\"\n";
}

TEST(ContactDlg, OffersTheDayOfEachShowingWhileTheRecordHasNoDate) {
    // The date emptied and left with Abbrechen is offered again under the clock of the next showing.
    ReportRecord record;
    record.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    test::Session session("show 1002\ncaption\n" + Type(1002, "  ") +
                          "click 1009\nclock 2005-02-01 09:00\nshow 1002\n");
    CContactDlg first(&record);
    session.RunPage(first);
    EXPECT_EQ(record.m_strDate, "");
    CContactDlg second(&record);
    EXPECT_EQ(session.RunPage(second).log,
              "page CContactDlg\ncontrol 1002 text=\"05.12.2026\" visible=1 enabled=1 readonly=0\n"
              "caption \"Varenta Support Bericht - Version 1.22+\"\npage CContactDlg\n"
              "control 1002 text=\"01.02.2005\" visible=1 enabled=1 readonly=0\nend\n");
    EXPECT_EQ(second.GetFocusItem(), 1003);
}

struct FieldCase {
    int id;
    std::string ReportRecord::*field;
    std::size_t limit;
};
const std::vector<FieldCase> kFields = {
    {1002, &ReportRecord::m_strDate, 15},       {1003, &ReportRecord::m_strCompany, 100},
    {1005, &ReportRecord::m_strCustomerNo, 20}, {1004, &ReportRecord::m_strContact, 50},
    {1006, &ReportRecord::m_strPhone, 30},      {1008, &ReportRecord::m_strEmail, 100},
    {1007, &ReportRecord::m_strFax, 30},
};

TEST(ContactDlg, EveryEditStopsAtItsLimitAndReachesItsOwnField) {
    // Each edit gets a text of its own, longer than any limit; Abbrechen stores them unchecked, and
    // the next showing fills every edit from its field.
    std::string script;
    std::string shows;
    std::string expected = "page CContactDlg\n";
    for (const FieldCase& f : kFields) {
        const std::string id = std::to_string(f.id);
        script += Type(f.id, id + std::string(120, 'x'));
        shows += "show " + id + "\n";
        expected += "control ";
        expected += id;
        expected += " text=\"";
        expected += id;
        expected += std::string(f.limit - 4, 'x');
        expected += "\" visible=1 enabled=1 readonly=0\n";
    }
    ReportRecord record;
    CContactDlg page(&record);
    test::RunPage(page, script + "click 1009\n");
    for (const FieldCase& f : kFields)
        EXPECT_EQ(record.*f.field, std::to_string(f.id) + std::string(f.limit - 4, 'x')) << f.id;
    EXPECT_EQ(record.m_bBack, 1);
    CContactDlg again(&record);
    EXPECT_EQ(test::RunPage(again, shows).log, expected + "end\n");
}

TEST(ContactDlg, WeiterChecksInOrderAndStopsAtTheFirstFailure) {
    // A valid entry with the edits of `set` changed; refusal 0 accepts, 1 mandatory field, 2 phone,
    // 3 e-mail. The phone number needs a 0 or a +, the address an @ and a full stop, in any order.
    const std::string valid = Type(1002, "05.12.2026") + Type(1003, "Muster GmbH") +
                              Type(1004, "Erika Muster") + Type(1006, "089 123456") +
                              Type(1008, "erika@muster.de");
    const std::vector<std::pair<std::string, int>> cases = {
        {"", 0},
        {Type(1002, "") + Type(1003, "") + Type(1004, "") + Type(1006, "") + Type(1008, ""), 1},
        {Type(1002, "   "), 1},
        {Type(1003, "  "), 1},
        {Type(1004, " "), 1},
        {Type(1006, "    "), 1},
        {Type(1008, "  "), 1},
        {Type(1004, "") + Type(1006, "123"), 1},
        {Type(1006, "123") + Type(1008, "keine"), 2},
        {Type(1006, "123456789"), 2},
        {Type(1006, "12 34-56/789"), 2},
        {Type(1006, "abc"), 2},
        {Type(1006, "+49 89 123"), 0},
        {Type(1006, "123450"), 0},
        {Type(1006, "0"), 0},
        {Type(1006, "12+3"), 0},
        {Type(1008, "erika@muster"), 3},
        {Type(1008, "erika.muster.de"), 3},
        {Type(1008, "erika"), 3},
        {Type(1008, "erika.muster@de"), 0},
        {Type(1008, "@."), 0},
        {Type(1002, "gestern"), 0},
    };
    const std::vector<std::string> refusals = {
        "",
        test::Refusal("Unvollständige Angaben", "Bitte füllen Sie alle Pflichtfelder aus."),
        test::Refusal("Ungültige Telefonnummer", "Das Feld Telefon enthält keine gültige Nummer!"),
        test::Refusal("Ungültige E-Mail-Adresse", "Das Feld E-Mail enthält keine gültige Adresse!"),
    };
    const int kFocus[] = {1003, 1003, 1006, 1008};
    for (const auto& [set, refusal] : cases) {
        const auto at = static_cast<std::size_t>(refusal);
        ReportRecord record;
        CContactDlg page(&record);
        const auto result =
            test::RunPage(page, valid + set + "click 1010\n" + (refusal > 0 ? "answer ok\n" : ""));
        EXPECT_EQ(result.log, "page CContactDlg\n" + refusals[at] + (refusal > 0 ? "end\n" : "")) << set;
        EXPECT_EQ(page.GetFocusItem(), kFocus[at]) << set;
        EXPECT_EQ(record.m_strCompany, refusal == 0 ? "Muster GmbH" : "") << set; // refused: nothing written
        EXPECT_EQ(record.m_bBack, 0) << set;
    }
    // The refused page keeps the typed text, and a corrected retry passes.
    ReportRecord record;
    CContactDlg page(&record);
    EXPECT_EQ(test::RunPage(page, valid + Type(1006, "  123  ") + "click 1010\nanswer ok\nshow 1006\n" +
                                      Type(1006, "  1230  ") + "click 1010\n")
                  .log,
              "page CContactDlg\n" + refusals[2] +
                  "control 1006 text=\"  123  \" visible=1 enabled=1 readonly=0\n");
    EXPECT_EQ(record.m_strPhone, "1230");
}

TEST(ContactDlg, WeiterAndAbbrechenStoreTheFieldsTrimmed) {
    const std::vector<std::pair<std::string, std::string>> typedAndStored = {
        {" 05.12.2026\t", "05.12.2026"},
        {"  Muster GmbH, Einkauf  ", "Muster GmbH, Einkauf"},
        {" K-17 ", "K-17"},
        {"Erika  Muster ", "Erika  Muster"},
        {" 0 89 ", "0 89"},
        {" erika@muster.de ", "erika@muster.de"},
        {"   ", ""},
    };
    for (const char* button : {"1010", "1009"}) {
        ReportRecord record;
        record.m_rcWindow = {70, 80, 71, 81};
        std::string script;
        for (std::size_t i = 0; i < kFields.size(); ++i)
            script += Type(kFields[i].id, typedAndStored[i].first);
        CContactDlg page(&record);
        EXPECT_EQ(test::RunPage(page, script + "click " + button + "\n").log, "page CContactDlg\n") << button;
        for (std::size_t i = 0; i < kFields.size(); ++i)
            EXPECT_EQ(record.*kFields[i].field, typedAndStored[i].second) << button << " " << kFields[i].id;
        EXPECT_EQ(record.m_bBack, button == std::string("1009") ? 1 : 0) << button;
        EXPECT_EQ(record.m_rcWindow.left + record.m_rcWindow.top, 150) << button;
    }
}

} // namespace
} // namespace mirel
