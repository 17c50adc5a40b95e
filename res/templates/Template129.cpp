// The contact data page: seven one-line edits with right-aligned labels; Weiter and a button
// labelled Abbrechen that goes back.
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
            {1244, ControlKind::Static,
             "Bitte tragen Sie hier Ihre Daten ein, damit unser Support Ihre Anfrage schnell bearbeiten "
             "kann.",
             kNone, 10, 45, 320, 15},
            {1245, ControlKind::Static, "Die mit einem * gekennzeichneten Felder müssen ausgefüllt werden.",
             kNone, 10, 65, 320, 15},
            {1249, ControlKind::Static, "Datum*", kRight, 30, 95, 35, 10},
            {1002, ControlKind::Edit, "", kField, 70, 90, 70, 15},
            {1253, ControlKind::Static, "Firmenname,*\nAbteilung  ", kRight, 145, 90, 60, 20},
            {1003, ControlKind::Edit, "", kField, 210, 90, 125, 15},
            {1250, ControlKind::Static, "Kundennummer", kRight, 5, 126, 60, 10},
            {1005, ControlKind::Edit, "", kField, 70, 120, 70, 15},
            {1254, ControlKind::Static, "Ansprechpartner*", kRight, 145, 125, 60, 10},
            {1004, ControlKind::Edit, "", kField, 210, 120, 125, 15},
            {1251, ControlKind::Static, "Telefonnummer*", kRight, 0, 161, 65, 10},
            {1006, ControlKind::Edit, "", kField, 70, 155, 70, 15},
            {1255, ControlKind::Static, "E-Mail-Adresse*", kRight, 150, 160, 55, 10},
            {1008, ControlKind::Edit, "", kField, 210, 155, 125, 15},
            {1252, ControlKind::Static, "Faxnummer", kRight, 20, 195, 45, 10},
            {1007, ControlKind::Edit, "", kField, 70, 190, 70, 15},
            // Weiter comes before Abbrechen in the tab order.
            {1010, ControlKind::PushButton, "&Weiter >>", kDefault | kTabStop, 180, 255, 75, 20},
            {1009, ControlKind::PushButton, "&Abbrechen", kTabStop, 95, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
