#include "pages/VersionTypeDlg.h"

namespace mirel {

void CVersionTypeDlg::OnCommand(int id, Notify code) {
    if (id == 1015 && code == Notify::Clicked) {
        m_pRecord->m_bQuit = 1;
        StoreWindowRect();
        EndPage();
        return;
    }
    if (id == 1016 && code == Notify::Clicked) {
        static const int kBase[] = {-1, 0, 4, 6, 9, 12};
        const int product = m_pRecord->m_nProduct;
        m_pRecord->m_nVersion = product >= 1 && product <= 5 ? kBase[product] : 0;
        StoreWindowRect();
        EndPage();
        return;
    }
    CPageDlg::OnCommand(id, code);
}

} // namespace mirel
