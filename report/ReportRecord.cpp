#include "report/ReportRecord.h"

namespace mirel {

void ResetForRun(ReportRecord& r) {
    r.m_bQuit = 0;
    r.m_nVersion = -1;
    r.m_nTestStartDos = -1;
    r.m_nTestOtherMedium = -1;
    r.m_nTestReproducible = -1;
    r.m_bTestFloppySame = 0;
    r.m_bTestFromBatch = 0;
    r.m_nTestDosType = -1;
    r.m_nWinStartFrom = 0;
    r.m_nWinAdmin = -1;
    r.m_bWinAdminSame = 0;
    r.m_nWinReproducible = -1;
    r.m_nInfoStartEnv = -1;
    r.m_nInfoWinVersion = -1;
    r.m_nPostNode = 0;
    r.m_nExceptionPage = 0;
    r.m_bScreenshot = 0;
}

} // namespace mirel
