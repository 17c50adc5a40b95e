// The contact data page: seven one-line edits with right-aligned labels; Weiter and a button
// labelled Abbrechen that goes back.
#include "res/templates/Template129.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {
namespace {

constexpr std::uint32_t kField = kTabStop | kAutoHScroll;

} // namespace

const DialogTemplate& Template129() {
    static const DialogTemplate t{
        129,
        "Fallakte",
        100,
        100,
        358,
        280,
        {
            frame::HeaderRect(205),
            frame::Logo(206),
            frame::Separator(0),
            frame::Separator(158),
            {id129::kIntro, ControlKind::Static,
             "Bitte tragen Sie hier Ihre Daten ein, damit unser Support Ihre Anfrage schnell bearbeiten "
             "kann.",
             kNone, 10, 45, 320, 15},
            {id129::kRequiredNote, ControlKind::Static,
             "Die mit einem * gekennzeichneten Felder müssen ausgefüllt werden.", kNone, 10, 65, 320, 15},
            {id129::kDateLabel, ControlKind::Static, "Datum*", kRight, 30, 95, 35, 10},
            {id129::kDate, ControlKind::Edit, "", kField, 70, 90, 70, 15},
            {id129::kCompanyLabel, ControlKind::Static, "Firmenname,*\nAbteilung  ", kRight, 145, 90, 60, 20},
            {id129::kCompany, ControlKind::Edit, "", kField, 210, 90, 125, 15},
            {id129::kCustomerNoLabel, ControlKind::Static, "Kundennummer", kRight, 5, 126, 60, 10},
            {id129::kCustomerNo, ControlKind::Edit, "", kField, 70, 120, 70, 15},
            {id129::kContactLabel, ControlKind::Static, "Ansprechpartner*", kRight, 145, 125, 60, 10},
            {id129::kContact, ControlKind::Edit, "", kField, 210, 120, 125, 15},
            {id129::kPhoneLabel, ControlKind::Static, "Telefonnummer*", kRight, 0, 161, 65, 10},
            {id129::kPhone, ControlKind::Edit, "", kField, 70, 155, 70, 15},
            {id129::kEmailLabel, ControlKind::Static, "E-Mail-Adresse*", kRight, 150, 160, 55, 10},
            {id129::kEmail, ControlKind::Edit, "", kField, 210, 155, 125, 15},
            {id129::kFaxLabel, ControlKind::Static, "Faxnummer", kRight, 20, 195, 45, 10},
            {id129::kFax, ControlKind::Edit, "", kField, 70, 190, 70, 15},
            // Weiter comes before Abbrechen in the tab order.
            {id129::kNext, ControlKind::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20},
            {id129::kBack, ControlKind::PushButton, "&Abbrechen", kTabStop, 95, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
