// The contact data page: what it shows first, the input limits and record fields of its edits,
// the checks of Weiter in their order, and the Abbrechen button that goes back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/ContactDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

const std::string kMandatory = "beep information\nmessage \"Unvollständige Angaben\" \"Bitte füllen Sie alle "
                               "Pflichtfelder aus.\" ok information -> ok\n";
const std::string kBadPhone =
    "beep information\nmessage \"Ungültige Telefonnummer\" \"Das Feld Telefon enthält "
    "keine gültige Nummer!\" ok information -> ok\n";
const std::string kBadEmail =
    "beep information\nmessage \"Ungültige E-Mail-Adresse\" \"Das Feld E-Mail enthält "
    "keine gültige Adresse!\" ok information -> ok\n";

std::string Type(int id, const std::string& text) {
    return "type " + std::to_string(id) + " \"" + text + "\"\n";
}

TEST(ContactDlg, FirstShowingOffersTodaysDateAndFocusesTheCompany) {
    ReportRecord record;
    record.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    CContactDlg page(&record);
    EXPECT_EQ(test::RunPage(page, "show 1002\nshow 1009\ncaption\n").log,
              "page CContactDlg\ncontrol 1002 text=\"05.12.2026\" visible=1 enabled=1 readonly=0\n"
              "control 1009 text=\"Abbrechen\" visible=1 enabled=1\n"
              "caption \"Varenta Support Bericht - Version 1.22+\"\nend\n");
    EXPECT_EQ(page.GetFocusItem(), 1003);
}

TEST(ContactDlg, AnEmptiedDateLeftWithBackReturnsAsTheDateOfTheNextShowing) {
    // The first showing empties the date and goes back; the second showing, under the clock set
    // in between, offers that day's date with two-digit day and month.
    struct Case {
        const char* clock;
        const char* date;
    };
    const std::vector<Case> cases = {
        {"2005-02-01 09:00", "01.02.2005"},
        {"1999-12-31 23:59", "31.12.1999"},
        {"2030-10-09 00:00", "09.10.2030"},
    };
    for (const Case& c : cases) {
        ReportRecord record;
        test::Session session(std::string("clock ") + c.clock + "\n" + Type(1002, "  ") +
                              "click 1009\nshow 1002\n");
        CContactDlg first(&record);
        session.RunPage(first);
        EXPECT_EQ(record.m_strDate, "") << c.date;
        CContactDlg second(&record);
        EXPECT_EQ(session.RunPage(second).log,
                  std::string("page CContactDlg\npage CContactDlg\ncontrol 1002 text=\"") + c.date +
                      "\" visible=1 enabled=1 readonly=0\nend\n")
            << c.date;
    }
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
    // Each edit gets a text of its own, longer than any limit; Back stores them unchecked.
    std::string script;
    for (const FieldCase& f : kFields)
        script += Type(f.id, std::to_string(f.id) + std::string(120, 'x'));
    ReportRecord record;
    CContactDlg page(&record);
    test::RunPage(page, script + "click 1009\n");
    for (const FieldCase& f : kFields)
        EXPECT_EQ(record.*f.field, std::to_string(f.id) + std::string(f.limit - 4, 'x')) << f.id;
    EXPECT_EQ(record.m_bBack, 1);
}

TEST(ContactDlg, ShowingAgainFillsTheEditsFromTheRecordTypedDateIncluded) {
    ReportRecord record;
    for (const FieldCase& f : kFields)
        record.*f.field = "v" + std::to_string(f.id);
    std::string script;
    std::string expected = "page CContactDlg\n";
    for (const FieldCase& f : kFields) {
        script += "show " + std::to_string(f.id) + "\n";
        expected += "control " + std::to_string(f.id) + " text=\"v" + std::to_string(f.id) +
                    "\" visible=1 enabled=1 readonly=0\n";
    }
    CContactDlg page(&record);
    EXPECT_EQ(test::RunPage(page, script).log, expected + "end\n");
}

struct Entry {
    std::string date = "05.12.2026";
    std::string company = "Muster GmbH";
    std::string customer = "";
    std::string contact = "Erika Muster";
    std::string phone = "089 123456";
    std::string email = "erika@muster.de";
    std::string fax = "";
};

std::string Typing(const Entry& e) {
    return Type(1002, e.date) + Type(1003, e.company) + Type(1005, e.customer) + Type(1004, e.contact) +
           Type(1006, e.phone) + Type(1008, e.email) + Type(1007, e.fax);
}

Entry With(std::string Entry::*field, const std::string& value) {
    Entry e;
    e.*field = value;
    return e;
}

TEST(ContactDlg, WeiterChecksInOrderAndStopsAtTheFirstFailure) {
    struct Case {
        const char* what;
        Entry entry;
        std::string refusal; // empty: accepted
        int focus;           // focus after the click
    };
    Entry allEmpty;
    allEmpty.date = allEmpty.company = allEmpty.contact = allEmpty.phone = allEmpty.email = "";
    Entry emptyAndBadPhone = With(&Entry::contact, "");
    emptyAndBadPhone.phone = "123";
    Entry badPhoneAndEmail = With(&Entry::phone, "123");
    badPhoneAndEmail.email = "keine";
    const std::vector<Case> cases = {
        {"valid", Entry{}, "", 1003},
        {"all mandatory empty", allEmpty, kMandatory, 1003},
        {"blank date", With(&Entry::date, "   "), kMandatory, 1003},
        {"blank company", With(&Entry::company, "  "), kMandatory, 1003},
        {"blank contact", With(&Entry::contact, " "), kMandatory, 1003},
        {"blank phone", With(&Entry::phone, "    "), kMandatory, 1003},
        {"blank email", With(&Entry::email, "  "), kMandatory, 1003},
        {"empty field before bad phone", emptyAndBadPhone, kMandatory, 1003},
        {"bad phone before bad email", badPhoneAndEmail, kBadPhone, 1006},
        // The telephone number needs a 0 or a + somewhere.
        {"digits 1-9 only", With(&Entry::phone, "123456789"), kBadPhone, 1006},
        {"1-9 with separators", With(&Entry::phone, "12 34-56/789"), kBadPhone, 1006},
        {"letters only", With(&Entry::phone, "abc"), kBadPhone, 1006},
        {"leading plus", With(&Entry::phone, "+49 89 123"), "", 1003},
        {"zero at the end", With(&Entry::phone, "123450"), "", 1003},
        {"a lone zero", With(&Entry::phone, "0"), "", 1003},
        {"plus inside", With(&Entry::phone, "12+3"), "", 1003},
        // The e-mail address needs an @ and a full stop, anywhere and in any order.
        {"no full stop", With(&Entry::email, "erika@muster"), kBadEmail, 1008},
        {"no at sign", With(&Entry::email, "erika.muster.de"), kBadEmail, 1008},
        {"neither", With(&Entry::email, "erika"), kBadEmail, 1008},
        {"full stop first", With(&Entry::email, "erika.muster@de"), "", 1003},
        {"both alone", With(&Entry::email, "@."), "", 1003},
        {"date of any form", With(&Entry::date, "gestern"), "", 1003},
    };
    for (const Case& c : cases) {
        ReportRecord record;
        CContactDlg page(&record);
        const std::string script =
            Typing(c.entry) + "click 1010\n" + (c.refusal.empty() ? "" : "answer ok\n");
        const test::ScriptResult r = test::RunPage(page, script);
        EXPECT_EQ(r.log, "page CContactDlg\n" + c.refusal + (c.refusal.empty() ? "" : "end\n")) << c.what;
        EXPECT_EQ(page.GetFocusItem(), c.focus) << c.what;
        // A refused page has written nothing yet.
        EXPECT_EQ(record.m_strCompany, c.refusal.empty() ? c.entry.company : "") << c.what;
        EXPECT_EQ(record.m_bBack, 0) << c.what;
    }
}

TEST(ContactDlg, RefusalKeepsTheTypedTextAndARetryPasses) {
    ReportRecord record;
    CContactDlg page(&record);
    Entry e = With(&Entry::phone, "  123  ");
    const std::string script =
        Typing(e) + "click 1010\nanswer ok\nshow 1006\n" + Type(1006, "  1230  ") + "click 1010\n";
    EXPECT_EQ(test::RunPage(page, script).log,
              "page CContactDlg\n" + kBadPhone +
                  "control 1006 text=\"  123  \" visible=1 enabled=1 readonly=0\n");
    EXPECT_EQ(record.m_strPhone, "1230");
}

TEST(ContactDlg, WeiterAndBackStoreTheFieldsTrimmed) {
    Entry e;
    e.date = " 05.12.2026\t";
    e.company = "  Muster GmbH, Einkauf  ";
    e.customer = " K-17 ";
    e.contact = "Erika  Muster ";
    e.phone = " 0 89 ";
    e.email = " erika@muster.de ";
    e.fax = "   ";
    for (const char* button : {"1010", "1009"}) {
        ReportRecord record;
        record.m_rcWindow = {70, 80, 71, 81};
        CContactDlg page(&record);
        EXPECT_EQ(test::RunPage(page, Typing(e) + "click " + button + "\n").log, "page CContactDlg\n")
            << button;
        EXPECT_EQ(record.m_strDate, "05.12.2026") << button;
        EXPECT_EQ(record.m_strCompany, "Muster GmbH, Einkauf") << button;
        EXPECT_EQ(record.m_strCustomerNo, "K-17") << button;
        EXPECT_EQ(record.m_strContact, "Erika  Muster") << button;
        EXPECT_EQ(record.m_strPhone, "0 89") << button;
        EXPECT_EQ(record.m_strEmail, "erika@muster.de") << button;
        EXPECT_EQ(record.m_strFax, "") << button;
        EXPECT_EQ(record.m_bBack, button == std::string("1009") ? 1 : 0) << button;
        EXPECT_EQ(record.m_rcWindow.left, 70) << button;
        EXPECT_EQ(record.m_rcWindow.top, 80) << button;
    }
}

} // namespace
} // namespace mirel
