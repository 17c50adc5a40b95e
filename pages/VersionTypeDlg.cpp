#include "pages/VersionTypeDlg.h"

#include <array>

#include "platform/Services.h"
#include "res/templates/Template138.h"

namespace mirel {
namespace {

// The edition buttons, in the order of their offsets from the product's base index.
constexpr std::array<int, 4> kVersionButtons = {id138::kFull, id138::kDemo, id138::kOem, id138::kDealerTest};

struct ProductVersions {
    int product;
    int base; // version index of the first button
    // Button labels in the order of kVersionButtons; nullptr hides the button.
    std::array<const char*, 4> labels;
};

// The editions of each product. The version index is base + the button's offset.
constexpr std::array<ProductVersions, 5> kVersions = {{
    {1, 0, {"Vollversion", "Demoversion", "OEM-Version", "Händer-Testversion"}},
    {2, 4, {"Vollversion", "Demoversion", nullptr, nullptr}},
    {3, 6, {"Professional", "Personal Edition", "Demoversion", nullptr}},
    {4, 9, {"Lumicard PCI", "Lumicard PCI plus (Q*Board)", "Andere Diagnosekarten", nullptr}},
    {5, 12, {"Vollversion", "Demoversion", nullptr, nullptr}},
}};

const ProductVersions* VersionsOf(int product) {
    for (const ProductVersions& row : kVersions) {
        if (row.product == product)
            return &row;
    }
    return nullptr;
}

} // namespace

CVersionTypeDlg::CVersionTypeDlg(ReportRecord* pRecord)
    : CPageDlg(138, pRecord), m_strPrompt("Bitte wählen Sie den Versions-Typ Ihres Programmes aus:") {}

void CVersionTypeDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id138::kPrompt, m_strPrompt);
}

void CVersionTypeDlg::OnShowWindow() {
    ShowCommon();
    // An unknown product keeps the template's labels and has no base index, so no click can
    // make up a version index for it.
    m_nPageVersion = -1;
    if (const ProductVersions* row = VersionsOf(m_pRecord->m_nProduct)) {
        for (std::size_t i = 0; i < kVersionButtons.size(); ++i) {
            if (row->labels[i] != nullptr)
                SetItemText(kVersionButtons[i], row->labels[i]);
            else
                ShowItem(kVersionButtons[i], false);
        }
        m_nPageVersion = row->base;
    }
    ShowItem(id138::kNext, false);
    UpdateData(false);
}

void CVersionTypeDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id138::kFull:
    case id138::kDemo:
    case id138::kOem:
    case id138::kDealerTest:
        if (code == Notify::Clicked) {
            if (m_nPageVersion >= 0)
                m_nPageVersion += id - kVersionButtons[0];
            OnNext();
        }
        break;
    case id138::kCancel:
        if (code == Notify::Clicked)
            OnQuit();
        break;
    default:
        CPageDlg::OnCommand(id, code);
        break;
    }
}

void CVersionTypeDlg::OnNext() {
    UpdateData(true);
    if (m_nPageVersion == -1) {
        Refuse("Programmauswahl", "Bitte wählen Sie erst eine Programmversion aus.");
        return;
    }
    m_pRecord->m_nVersion = m_nPageVersion;
    StoreWindowRect();
    EndPage();
}

void CVersionTypeDlg::OnQuit() {
    UpdateData(true);
    m_pRecord->m_bQuit = 1;
    StoreWindowRect();
    EndPage();
}

} // namespace mirel
