#include "pages/WinEnvDlg.h"

#include <algorithm>
#include <string_view>

#include "pages/TestStartDlg.h"
#include "platform/Text.h"
#include "res/templates/Template152.h"

namespace mirel {
namespace {

struct WinVersion {
    int version; // m_nVersion
    const char* header;
    bool batch; // the batch command line exists for this version
};
const WinVersion kVersions[] = {
    {6, "Bitte geben Sie an, unter welcher Umgebung Quorix*Win Professional gestartet wurde.", true},
    {7, "Bitte geben Sie an, unter welcher Umgebung Quorix*Win Personal Edition gestartet wurde.", false},
    {8, "Bitte geben Sie an, unter welcher Umgebung Quorix*Win Demoversion gestartet wurde.", false},
};

// Entries of list id152::kWindows that belong to the NT family (exact texts).
constexpr std::string_view kNtFamily[] = {"Windows NT 4.0", "Windows 2000", "Windows XP",
                                          "Windows Server 2003"};

// Service pack label and field, and the user-rights controls except check box id152::kAdminSame.
constexpr int kNtControls[] = {id152::kServicePackLabel, id152::kServicePack, id152::kRightsFrame,
                               id152::kAdminQuestion,    id152::kAdminYes,    id152::kAdminNo};

constexpr const char* kRightsHelp =
    "Durch eingeschränkte Rechte kann es zu Fehlern beim auslesen mancher Systeminformationen kommen.";

bool IsNtFamily(const std::string& os) {
    return std::ranges::any_of(kNtFamily, [&os](std::string_view nt) { return os == nt; });
}

} // namespace

CWinEnvDlg::CWinEnvDlg(ReportRecord* pRecord) : CPageDlg(152, pRecord) {
    m_bInfoBoxKeepsFocus = true;
}

void CWinEnvDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id152::kVersion, m_strVersion);
    dx.Check(id152::kStartFrom, m_nStartFrom);
    dx.Text(id152::kMedium, m_strMedium, 30);
    dx.ListText(id152::kWindows, m_strOs);
    dx.Text(id152::kServicePack, m_strServicePack, 20);
    dx.Text(id152::kIeVersion, m_strIeVersion, 20);
    dx.Radio(id152::kAdminYes, m_nAdmin);
    dx.Check(id152::kAdminSame, m_bAdminSame);
    dx.Text(id152::kBatch, m_strBatch, 150);
    dx.Radio(id152::kIdentical, m_nReproducible);
    dx.Text(id152::kNote, m_strNote, 200);
    dx.Text(id152::kInfoBox, m_strInfo, 250);
}

void CWinEnvDlg::OnShowWindow() {
    ShowCommon();
    const ReportRecord& r = *m_pRecord;
    m_strVersion = r.m_strWinVersion;
    m_nStartFrom = r.m_nWinStartFrom;
    m_strMedium = r.m_strWinMedium;
    m_strOs = r.m_strWinOs;
    m_strIeVersion = r.m_strWinIeVersion;
    m_strServicePack = r.m_strWinServicePack;
    m_nAdmin = r.m_nWinAdmin;
    m_bAdminSame = r.m_bWinAdminSame;
    m_strBatch = r.m_strWinBatch;
    m_strNote = r.m_strWinNote;
    m_nReproducible = r.m_nWinReproducible;

    if (m_nStartFrom != 0)
        EnableItem(id152::kMedium, true);
    if (IsNtFamily(m_strOs))
        EnableNtControls(true);
    for (const WinVersion& v : kVersions) {
        if (v.version != r.m_nVersion)
            continue;
        SetItemText(id152::kHeader, v.header);
        if (!v.batch) {
            EnableItem(id152::kBatchLabel, false);
            EnableItem(id152::kBatch, false);
            m_strBatch.clear();
        }
    }
    // Without a stored Windows version the list shows no entry.
    UpdateData(false);
}

void CWinEnvDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id152::kStartFrom:
        if (code == Notify::Clicked) {
            // The medium name stays when the check box is cleared; it is still saved.
            UpdateData(true);
            EnableItem(id152::kMedium, m_nStartFrom != 0);
            UpdateData(false);
        }
        return;
    case id152::kWindows:
        if (code == Notify::SelChange)
            OnWindowsVersion();
        return;
    case id152::kAdminYes:
    case id152::kAdminNo:
        if (code == Notify::Clicked)
            OnAdminAnswer();
        return;
    case id152::kIdentical:
    case id152::kSimilar:
    case id152::kNotReproducible:
        if (code == Notify::Clicked)
            SetInfo(kReproducibleHelp[id - id152::kIdentical]);
        return;
    default:
        break;
    }
    CPageDlg::OnCommand(id, code);
}

void CWinEnvDlg::EnableNtControls(bool nt) {
    for (int id : kNtControls)
        EnableItem(id, nt);
    EnableItem(id152::kAdminSame, nt && m_nAdmin == 1);
}

void CWinEnvDlg::OnWindowsVersion() {
    UpdateData(true);
    const bool nt = IsNtFamily(m_strOs);
    if (!nt) {
        m_strServicePack.clear();
        m_nAdmin = -1;
        m_bAdminSame = 0;
    }
    EnableNtControls(nt);
    UpdateData(false);
}

void CWinEnvDlg::OnAdminAnswer() {
    // One refresh after all changes, so that the cleared check box id152::kAdminSame is not read back.
    UpdateData(true);
    if (m_nAdmin == 0)
        m_bAdminSame = 0;
    EnableItem(id152::kAdminSame, m_nAdmin == 1);
    m_strInfo = kRightsHelp;
    UpdateData(false);
}

void CWinEnvDlg::OnNext() {
    UpdateData(true);
    const bool nt = IsNtFamily(m_strOs);
    constexpr const char* kIncomplete = "Unvollständige Angaben";
    // Texts are tested as typed, except the service pack, where blanks only count as empty.
    NextAfterChecks({
        {m_strVersion.empty(), kIncomplete, "Bitte tragen Sie die Quorix*Win Versionsnummer ein.",
         id152::kVersion},
        {m_strOs.empty(), kIncomplete, "Bitte wählen Sie Ihre Windows-Version aus.", id152::kWindows},
        {m_strIeVersion.empty(), kIncomplete, "Bitte tragen Sie die Version Ihres Internet Explorers ein.",
         id152::kIeVersion},
        {m_nStartFrom != 0 && m_strMedium.empty(), "Angabe Medium",
         "Bitte tragen Sie ein von welchem Medium Quorix*Win gestartet wurde.", id152::kMedium},
        {nt && m_nAdmin < 0, "Rechtevergabe", "Bitte selektrieren Sie Ihre Administratorrechte",
         id152::kAdminYes},
        {nt && IsBlank(m_strServicePack), "Service Pack",
         "Bitte tragen Sie den installierten Service Pack ein", id152::kServicePack},
        {m_nReproducible < 0, kIncomplete, "Bitte tragen Sie ein ob der Fehler reproduzierbar ist.",
         id152::kIdentical},
    });
}

void CWinEnvDlg::SaveToRecord() {
    UpdateData(true);
    ReportRecord& r = *m_pRecord;
    r.m_strWinVersion = Trimmed(m_strVersion);
    r.m_strWinMedium = Trimmed(m_strMedium);
    r.m_strWinBatch = Trimmed(m_strBatch);
    r.m_strWinIeVersion = Trimmed(m_strIeVersion);
    r.m_strWinServicePack = Trimmed(m_strServicePack);
    r.m_strWinOs = m_strOs;
    r.m_strWinNote = m_strNote;
    r.m_nWinStartFrom = m_nStartFrom;
    r.m_nWinAdmin = m_nAdmin;
    r.m_bWinAdminSame = m_bAdminSame;
    r.m_nWinReproducible = m_nReproducible;
    StoreWindowRect();
}

} // namespace mirel
