// The version type page where the scenario scripts do not go: Abbrechen ends the program at
// once, and without a product every button refuses.
#include <gtest/gtest.h>

#include <string>

#include "pages/VersionTypeDlg.h"
#include "tests/unit/PageTestSupport.h"

namespace mirel {
namespace {

TEST(VersionTypeDlg, AbbrechenEndsTheProgramAndWithoutAProductEveryButtonIsRefused) {
    EXPECT_EQ(test::RunProgram("click 1274\nclick 1015\n").log,
              "page CWelcomeDlg\npage CVersionTypeDlg\nexit 0\n");
    // There is no base index; an offset alone must not pass for a version.
    ReportRecord record = test::Prepared(-1);
    record.m_nProduct = 0;
    CVersionTypeDlg page(&record);
    const std::string no =
        test::Refusal("Programmauswahl", "Bitte wählen Sie erst eine Programmversion aus.");
    EXPECT_EQ(test::RunPage(page, "click 1277\nanswer ok\nclick 1278\nanswer ok\nclick 1279\nanswer ok\n"
                                  "click 1280\nanswer ok\n")
                  .log,
              "page CVersionTypeDlg\n" + no + no + no + no + "end\n");
    EXPECT_EQ(record.m_nVersion, -1);
}

} // namespace
} // namespace mirel
