// Welcome page.
#include "res/templates/Template135.h"
#include "res/templates/Frame.h"
#include "res/templates/Templates.h"

namespace mirel {

const DialogTemplate& Template135() {
    using K = ControlKind;
    static const DialogTemplate t{
        135,
        "Mirel",
        100,
        100,
        358,
        280,
        {
            {0, K::WhiteRect, "", kNone, 0, 0, 205, 38},
            {0, K::Picture, "", kNone, 205, 0, 152, 38, 150},
            {0, K::Picture, "", kNone, 0, 39, 200, 1, 153},
            {0, K::Picture, "", kNone, 158, 39, 200, 1, 153},
            {id135::kIntro, K::Static, "", kNone, 5, 45, 345, 18},
            {id135::kSupportFrame, K::GroupBox, "", kNone, 5, 65, 120, 170},
            {0, K::Static, "Bitte w\xC3\xA4hlen Sie Ihr Produkt durch anklicken aus.", kNone, 15, 80, 95, 18},
            {id135::kTestPicture,
             K::Picture,
             "",
             kNotify | kTabStop,
             15,
             105,
             99,
             17,
             169,
             {},
             "Quorix*Test"},
            {id135::kWinPicture, K::Picture, "", kNotify | kTabStop, 15, 131, 99, 17, 170, {}, "Quorix*Win"},
            {id135::kInfoPicture,
             K::Picture,
             "",
             kNotify | kTabStop,
             15,
             157,
             99,
             17,
             171,
             {},
             "Quorix*Info"},
            {id135::kBoardPicture,
             K::Picture,
             "",
             kNotify | kTabStop,
             15,
             183,
             99,
             17,
             172,
             {},
             "Quorix*Board"},
            {id135::kVexometerPicture,
             K::Picture,
             "",
             kNotify | kTabStop,
             15,
             209,
             99,
             17,
             177,
             {},
             "Vexometer"},
            {id135::kPurpose, K::Static, "", kNone, 140, 70, 210, 35},
            {id135::kPlease, K::Static, "", kNone, 140, 115, 210, 30},
            {id135::kHintFrame, K::GroupBox, "", kNone, 140, 155, 210, 40},
            {id135::kHint, K::Static, "", kNone, 145, 165, 196, 25},
            {id135::kThanks, K::Static, "", kNone, 140, 210, 210, 25},
            {id135::kCancel, K::PushButton, "", kTabStop, 95, 255, 75, 20},
            {id135::kStart, K::PushButton, "", kDefault | kTabStop, 180, 255, 75, 20},
        },
    };
    return t;
}

} // namespace mirel
