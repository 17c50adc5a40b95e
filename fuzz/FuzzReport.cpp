// BuildReport over a random record whose texts are what controls can hold: the saved bytes
// have CR LF line ends only, and building twice gives the same text.
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "platform/Text.h"
#include "report/BuildReport.h"
#include "report/ReportRecord.h"

namespace {

using mirel::ReportRecord;

std::string* const* Strings(ReportRecord& r, std::size_t& count) {
    static std::string* fields[80];
    std::size_t n = 0;
    for (std::string* s : {&r.m_strVersionNo,
                           &r.m_strDate,
                           &r.m_strCustomerNo,
                           &r.m_strPhone,
                           &r.m_strFax,
                           &r.m_strCompany,
                           &r.m_strContact,
                           &r.m_strEmail,
                           &r.m_strTestVersion,
                           &r.m_strTestDosVersion,
                           &r.m_strTestMedium,
                           &r.m_strTestNote,
                           &r.m_strWinVersion,
                           &r.m_strWinMedium,
                           &r.m_strWinOs,
                           &r.m_strWinIeVersion,
                           &r.m_strWinServicePack,
                           &r.m_strWinBatch,
                           &r.m_strWinNote,
                           &r.m_strInfoDetail,
                           &r.m_strInfoVersion,
                           &r.m_strInfoBatch,
                           &r.m_strInfoNote,
                           &r.m_strOtherCard,
                           &r.m_strPostCardText,
                           &r.m_strQuestionText})
        fields[n++] = s;
    for (std::string& s : r.m_astrBootException)
        fields[n++] = &s;
    for (std::string& s : r.m_astrDosException)
        fields[n++] = &s;
    for (std::string& s : r.m_astrHardware)
        fields[n++] = &s;
    count = n;
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ReportRecord r;
    int* const numbers[] = {
        &r.m_nVersion,        &r.m_nTestStartDos,  &r.m_nTestOtherMedium, &r.m_nTestReproducible,
        &r.m_bTestFloppySame, &r.m_bTestFromBatch, &r.m_nTestDosType,     &r.m_nWinStartFrom,
        &r.m_nWinAdmin,       &r.m_bWinAdminSame,  &r.m_nWinReproducible, &r.m_nInfoStartEnv,
        &r.m_nInfoWinVersion, &r.m_nExceptionPage, &r.m_bScreenshot,      &r.m_nProduct};
    for (int* n : numbers)
        *n = in.ConsumeIntegralInRange(-2, 15);
    r.m_dwPostAnswers = in.ConsumeIntegral<std::uint32_t>();
    std::size_t count = 0;
    std::string* const* fields = Strings(r, count);
    for (std::size_t i = 0; i < count && in.remaining_bytes() > 0; ++i)
        *fields[i] = mirel::TypedText(in.ConsumeRandomLengthString(200), true, 0);

    const mirel::LocalTime now{2026, 12, 5, 14, 7, 0};
    const std::string text = mirel::BuildReport(r, now);
    FUZZ_CHECK(mirel::BuildReport(r, now) == text);
    // The file as the report page writes it: every CR removed, every LF written as CR LF.
    std::string noCr;
    for (char c : text)
        if (c != '\r')
            noCr.push_back(c);
    const std::string file = mirel::Utf8ToCp1252(mirel::LfToCrLf(noCr));
    FUZZ_CHECK(OnlyCrLf(file));
    FUZZ_CHECK(file.find('\0') == std::string::npos);
    return 0;
}
