// The POST card page over random answers: the summary box and the stored diagnosis text have
// CR LF line ends only, the marker stands on at most one heading of the box and never in the
// stored text. The typed texts carry no '|', so every marker found is one the page wrote.
#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <optional>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "pages/PostCardDlg.h"
#include "platform/Agent.h"
#include "platform/Services.h"
#include "platform/Text.h"
#include "platform/headless/HeadlessHost.h"
#include "report/ReportRecord.h"

namespace {

// Reads the summary box when the page is shown, then presses Next at the last node.
class Reader : public mirel::Agent {
  public:
    void PageShown(mirel::Dialog& page) override { m_strSummary = page.GetItemText(1197); }
    void Step(mirel::Dialog& page) override {
        if (!m_bNext) {
            m_bNext = true;
            page.UserClick(1016);
        }
        if (page.IsOpen())
            page.EndDialog(mirel::kIdCancel);
    }
    std::string m_strSummary;
    bool m_bNext = false;
};

class Quiet : public mirel::Services {
  public:
    mirel::MsgAnswer MessageBox(const std::string&, const std::string&, mirel::MsgButtons, mirel::MsgIcon,
                                int) override {
        return mirel::MsgAnswer::Ok;
    }
    void Beep(mirel::BeepKind) override {}
    std::optional<std::string> SaveFileDialog(const std::string&, const std::string&,
                                              const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFileDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void ShellOpen(const std::string&) override {}
    mirel::LocalTime Now() override { return {}; }
    [[noreturn]] void ExitProcess(int code) override { throw mirel::ProcessExit{code}; }
};

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

    mirel::HeadlessHost host;
    Reader reader;
    Quiet services;
    mirel::SetHost(&host);
    mirel::SetAgent(&reader);
    mirel::SetServices(&services);
    {
        mirel::CPostCardDlg page(&r);
        page.DoModal();
    }
    mirel::SetServices(nullptr);
    mirel::SetAgent(nullptr);
    mirel::SetHost(nullptr);

    FUZZ_CHECK(OnlyCrLf(reader.m_strSummary));
    FUZZ_CHECK(Count(reader.m_strSummary, "|==> ") <= 1);
    if (!r.m_strPostCardText.empty()) {
        FUZZ_CHECK(OnlyCrLf(r.m_strPostCardText));
        FUZZ_CHECK(r.m_strPostCardText.find("|==> ") == std::string::npos);
    }
    return 0;
}
