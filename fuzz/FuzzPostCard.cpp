// The POST card page over random answers: the summary box and the stored diagnosis text have
// CR LF line ends only, the marker stands on at most one heading of the box and never in the
// stored text. The typed texts carry no '|', so every marker found is one the page wrote.
#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "bench/QuietSession.h"
#include "fuzz/FuzzCheck.h"
#include "pages/PostCardDlg.h"
#include "platform/Text.h"
#include "report/ReportRecord.h"

namespace {

std::size_t Count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t pos = s.find(what); pos != std::string::npos; pos = s.find(what, pos + 1))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    mirel::ReportRecord r;
    mirel::ResetForRun(r);
    r.m_strTitle = "Mirel";
    r.m_nProduct = 4;
    r.m_nVersion = in.ConsumeIntegralInRange(9, 11);
    r.m_nPostNode = in.ConsumeIntegralInRange(1, 16);
    r.m_dwPostAnswers = in.ConsumeIntegral<std::uint32_t>();
    for (std::string* s : {&r.m_strOtherCard, &r.m_strPostSlot, &r.m_strPostBios, &r.m_strPostBiosDate,
                           &r.m_strPostCodes, &r.m_strPostBeepCode, &r.m_strPostBootMessage,
                           &r.m_strPostProblem, &r.m_strPostDarkLeds, &r.m_strPostOsSymptoms}) {
        *s = mirel::TypedText(in.ConsumeRandomLengthString(120), true, 0);
        std::replace(s->begin(), s->end(), '|', '!');
    }

    // The user reads the box as the page shows it, then presses Next once.
    std::string summary;
    mirel::bench::HeadlessSession session;
    session.Run<mirel::CPostCardDlg>(r, [&summary](mirel::Dialog& page) {
        summary = page.GetItemText(1197);
        page.UserClick(1016);
    });

    FUZZ_CHECK(OnlyCrLf(summary));
    FUZZ_CHECK(Count(summary, "|==> ") <= 1);
    if (!r.m_strPostCardText.empty()) {
        FUZZ_CHECK(OnlyCrLf(r.m_strPostCardText));
        FUZZ_CHECK(r.m_strPostCardText.find("|==> ") == std::string::npos);
    }
    return 0;
}
