#include "pages/WinEnvDlg.h"

#include <algorithm>
#include <string_view>

#include "pages/TestStartDlg.h"
#include "platform/Text.h"

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

// Entries of list 1136 that belong to the NT family (exact texts).
constexpr std::string_view kNtFamily[] = {"Windows NT 4.0", "Windows 2000", "Windows XP",
                                          "Windows Server 2003"};

// Service pack label and field, and the user-rights controls except check box 1144.
constexpr int kNtControls[] = {1137, 1139, 1149, 1141, 1142, 1143};

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
    dx.Text(1133, m_strVersion);
    dx.Check(1147, m_nStartFrom);
    dx.Text(1148, m_strMedium, 30);
    dx.ListText(1136, m_strOs);
    dx.Text(1139, m_strServicePack, 20);
    dx.Text(1049, m_strIeVersion, 20);
    dx.Radio(1142, m_nAdmin);
    dx.Check(1144, m_bAdminSame);
    dx.Text(1146, m_strBatch, 150);
    dx.Radio(1177, m_nReproducible);
    dx.Text(1150, m_strNote, 200);
    dx.Text(1171, m_strInfo, 250);
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
        EnableItem(1148, true);
    if (IsNtFamily(m_strOs))
        EnableNtControls(true);
    for (const WinVersion& v : kVersions) {
        if (v.version != r.m_nVersion)
            continue;
        SetItemText(1101, v.header);
        if (!v.batch) {
            EnableItem(1145, false);
            EnableItem(1146, false);
            m_strBatch.clear();
        }
    }
    // Without a stored Windows version the list shows no entry.
    UpdateData(false);
}

void CWinEnvDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case 1147:
        if (code == Notify::Clicked) {
            // The medium name stays when the check box is cleared; it is still saved.
            UpdateData(true);
            EnableItem(1148, m_nStartFrom != 0);
            UpdateData(false);
        }
        return;
    case 1136:
        if (code == Notify::SelChange)
            OnWindowsVersion();
        return;
    case 1142:
    case 1143:
        if (code == Notify::Clicked)
            OnAdminAnswer();
        return;
    case 1177:
    case 1178:
    case 1179:
        if (code == Notify::Clicked)
            SetInfo(kReproducibleHelp[id - 1177]);
        return;
    default:
        break;
    }
    CPageDlg::OnCommand(id, code);
}

void CWinEnvDlg::EnableNtControls(bool nt) {
    for (int id : kNtControls)
        EnableItem(id, nt);
    EnableItem(1144, nt && m_nAdmin == 1);
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
    // One refresh after all changes, so that the cleared check box 1144 is not read back.
    UpdateData(true);
    if (m_nAdmin == 0)
        m_bAdminSame = 0;
    EnableItem(1144, m_nAdmin == 1);
    m_strInfo = kRightsHelp;
    UpdateData(false);
}

void CWinEnvDlg::OnNext() {
    UpdateData(true);
    const bool nt = IsNtFamily(m_strOs);
    constexpr const char* kIncomplete = "Unvollständige Angaben";
    // Texts are tested as typed, except the service pack, where blanks only count as empty.
    NextAfterChecks({
        {m_strVersion.empty(), kIncomplete, "Bitte tragen Sie die Quorix*Win Versionsnummer ein.", 1133},
        {m_strOs.empty(), kIncomplete, "Bitte wählen Sie Ihre Windows-Version aus.", 1136},
        {m_strIeVersion.empty(), kIncomplete, "Bitte tragen Sie die Version Ihres Internet Explorers ein.",
         1049},
        {m_nStartFrom != 0 && m_strMedium.empty(), "Angabe Medium",
         "Bitte tragen Sie ein von welchem Medium Quorix*Win gestartet wurde.", 1148},
        {nt && m_nAdmin < 0, "Rechtevergabe", "Bitte selektrieren Sie Ihre Administratorrechte", 1142},
        {nt && IsBlank(m_strServicePack), "Service Pack",
         "Bitte tragen Sie den installierten Service Pack ein", 1139},
        {m_nReproducible < 0, kIncomplete, "Bitte tragen Sie ein ob der Fehler reproduzierbar ist.", 1177},
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
