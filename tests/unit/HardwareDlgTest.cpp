// The hardware details page where the scenario scripts do not go: Zurück stores the fields and
// composes the block as Weiter does, and fields are taken as typed.
#include <gtest/gtest.h>

#include <string>

#include "pages/HardwareDlg.h"
#include "tests/unit/Harness.h"

namespace mirel {
namespace {

TEST(HardwareDlg, WeiterAndZurueckComposeTheSameBlock) {
    for (const std::string button : {"1016", "1015"}) {
        ReportRecord record;
        record.m_astrHardware[0] = "old block";
        CHardwareDlg page(&record);
        test::RunPage(page, "type 1096 \"80 GB\"\ntype 1222 \"03/2002\"\ntype 1094 \" Maxtor \"\nclick " +
                                button + "\n");
        EXPECT_EQ(record.m_astrHardware[0],
                  "Zusätzliche Angaben zur verwendeten Hardware:\n\nFestplatte:\n    "
                  "Hersteller:  Maxtor \n    Kapazität: 80 GB\n\nBIOS:\n    "
                  "Ausgabedatum: 03/2002\n")
            << button;
        EXPECT_EQ(record.m_astrHardware[4], " Maxtor ") << button;
        EXPECT_EQ(record.m_bBack, button == "1015" ? 1 : 0) << button;
    }
}

} // namespace
} // namespace mirel
