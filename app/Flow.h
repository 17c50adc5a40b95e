// The order of the wizard's pages: which page each step shows, when it is shown, and where
// Back and Next lead.
#pragma once

#include <functional>
#include <memory>

#include "platform/Dialog.h"
#include "report/ReportRecord.h"

namespace mirel {

enum class Step { Version, Start, Question, Exception, Hardware, Contact, Report, Mail, End };

struct FlowRow {
    Step step;
    bool (*shown)(const ReportRecord&); // false: the flow goes straight on to `next`
    Step (*back)(const ReportRecord&);  // where Back leads
    Step next;                          // where Next leads
    bool clearsBack;                    // m_bBack is cleared before the page is built
};

const FlowRow& FlowRowOf(Step step);

// The page of a step for the record's current version and exception page.
std::unique_ptr<Dialog> CreatePage(Step step, ReportRecord& record);

using PageFactory = std::function<std::unique_ptr<Dialog>(Step, ReportRecord&)>;

// Runs the pages from the version type page on; returns when a page asked to quit or the final
// page has closed.
void RunFlow(ReportRecord& record, const PageFactory& factory = CreatePage);

} // namespace mirel
