// The report text: the whole record rendered as the plain-text problem report that the report
// page shows, the user saves and mails to support.
#pragma once

#include <string>

#include "platform/Types.h"
#include "report/ReportRecord.h"

namespace mirel {

// Builds the report from the record at the local time `now` and returns it as UTF-8 text with
// CR LF line ends. Also stores the product name in m_strProductName, the product's version
// number in m_strVersionNo (not for the POST card product) and removes the CRs of
// m_strPostCardText (POST card product only). Calling it again gives the same text.
std::string BuildReport(ReportRecord& record, const LocalTime& now);

} // namespace mirel
