// The contact data page where the scenario scripts do not go: the date offered again at the next
// showing, and each rule of Weiter with its focus.
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
    test::Session session(Type(1002, "  ") + "click 1009\nclock 2005-02-01 09:00\nshow 1002\n");
    CContactDlg first(&record);
    session.RunPage(first);
    CContactDlg second(&record);
    EXPECT_EQ(session.RunPage(second).log,
              "page CContactDlg\npage CContactDlg\ncontrol 1002 text=\"01.02.2005\" visible=1 enabled=1 "
              "readonly=0\nend\n");
}

TEST(ContactDlg, WeiterChecksInOrderAndStopsAtTheFirstFailure) {
    // A valid entry with the edits of `set` changed; refusal 0 accepts, 1 mandatory field, 2 phone,
    // 3 e-mail. The phone number needs a 0 or a +, the address an @ and a full stop, in any order.
    const std::string valid = Type(1002, "05.12.2026") + Type(1003, "Muster GmbH") +
                              Type(1004, "Erika Muster") + Type(1006, "089 123456") +
                              Type(1008, "erika@muster.de");
    const std::vector<std::pair<std::string, int>> cases = {
        {Type(1002, "   "), 1},          {Type(1004, "") + Type(1006, "123"), 1},
        {Type(1006, "12 34-56/789"), 2}, {Type(1006, "12+3"), 0},
        {Type(1006, "123450"), 0},       {Type(1008, "erika.muster.de"), 3},
        {Type(1008, "@."), 0},           {Type(1002, "gestern"), 0},
    };
    const std::vector<std::string> refusals = {
        "",
        test::Refusal("Unvollständige Angaben", "Bitte füllen Sie alle Pflichtfelder aus."),
        test::Refusal("Ungültige Telefonnummer", "Das Feld Telefon enthält keine gültige Nummer!"),
        test::Refusal("Ungültige E-Mail-Adresse", "Das Feld E-Mail enthält keine gültige Adresse!"),
    };
    const int kFocus[] = {1010, 1010, 1006,
                          1008}; // the focus stays on the clicked button unless a check moves it
    for (const auto& [set, refusal] : cases) {
        const auto at = static_cast<std::size_t>(refusal);
        ReportRecord record;
        CContactDlg page(&record);
        const auto result =
            test::RunPage(page, valid + set + "click 1010\n" + (refusal > 0 ? "answer ok\n" : ""));
        EXPECT_EQ(result.log, "page CContactDlg\n" + refusals[at] + (refusal > 0 ? "end\n" : "")) << set;
        EXPECT_EQ(page.GetFocusItem(), kFocus[at]) << set;
        EXPECT_EQ(record.m_strCompany, refusal == 0 ? "Muster GmbH" : "") << set; // refused: nothing written
    }
}

} // namespace
} // namespace mirel
