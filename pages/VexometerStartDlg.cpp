#include "pages/VexometerStartDlg.h"

namespace mirel {
namespace {

using Batch = StartVersion::Batch;

// The Vexometer has no batch check box (the batch column is not used) and no version number format.
const StartVersion kVexometerVersions[] = {
    // version, header, batch check box, fixed start, "#.##*" format, version number help
    {12, "Bitte geben Sie an, mit welchen Einstellungen Sie Vexometer - Vollversion gestartet haben.",
     Batch::ForcedOff, false, false, nullptr},
    {13, "Bitte geben Sie an, mit welchen Einstellungen Sie Vexometer - Demoversion gestartet haben.",
     Batch::ForcedOff, false, false, nullptr},
};

const StartProduct kVexometerProduct{
    "CVexometerStartDlg",
    "Vexometer Version",
    "Von welchem Medium aus wurde Vexometer gestartet?",
    false,
    "Bitte tragen Sie die Vexometer-Versionsnummer ein",
    "Bitte tragen Sie ein, von welchem Medium Vexometer gebootet wurde.",
    kVexometerVersions,
    {-1, nullptr, Batch::ForcedOff, false, false, nullptr},
};

} // namespace

CVexometerStartDlg::CVexometerStartDlg(ReportRecord* pRecord) : CTestStartDlg(pRecord, kVexometerProduct) {}

} // namespace mirel
