#include "pages/QuestionDlg.h"

namespace mirel {

void CQuestionDlg::OnShowWindow() {
    m_pRecord->m_bBack = 0;
    CPageDlg::OnShowWindow();
}

} // namespace mirel
