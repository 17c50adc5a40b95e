#include "pages/InfoEnvDlg.h"

#include "platform/Text.h"
#include "res/templates/Template158.h"

namespace mirel {
namespace {

constexpr int kWindows = 0;
constexpr int kDos = 1;
constexpr int kSelfBooting = 2;

// The three environments in the order of the radio group.
struct Environment {
    int radio;
    int label; // label and field shown while the environment is chosen
    int field;
    bool batch; // a batch-mode call is possible (in the full version)
};
// The details are edited in the service pack field (shown by the Windows list), the DOS version
// and the test program version.
constexpr Environment kEnvironments[] = {
    {id158::kWindows, id158::kWindowsLabel, id158::kWindowsVersion, true},
    {id158::kDos, id158::kDosVersionLabel, id158::kDosVersion, true},
    {id158::kSelfBooting, id158::kTestVersionLabel, id158::kTestVersion, false},
};

// Windows versions from this list index on have no service packs.
constexpr int kFirstWithoutServicePack = 5;

} // namespace

void CInfoEnvDlg::DoDataExchange(DataExchange& dx) {
    dx.Radio(id158::kWindows, m_nStartEnv);
    dx.ListIndex(id158::kWindowsVersion, m_nWinVersion);
    dx.Text(id158::kServicePack, m_astrDetail[kWindows], 20);
    dx.Text(id158::kDosVersion, m_astrDetail[kDos], 20);
    dx.Text(id158::kTestVersion, m_astrDetail[kSelfBooting], 20);
    dx.Text(id158::kVersion, m_strVersion, 20);
    dx.Text(id158::kBatch, m_strBatch, 500);
    dx.Text(id158::kNote, m_strNote, 500);
}

void CInfoEnvDlg::OnShowWindow() {
    ShowCommon();
    const ReportRecord& r = *m_pRecord;
    m_strVersion = r.m_strInfoVersion;
    m_strBatch = r.m_strInfoBatch;
    m_strNote = r.m_strInfoNote;
    m_nStartEnv = r.m_nInfoStartEnv;

    if (IsFullVersion()) {
        SetItemText(
            id158::kHeader,
            "Bitte wählen Sie aus, unter welcher Umgebung  Quorix*Info - Vollversion gestartet wird.");
    } else {
        // The demo version has no batch mode.
        SetItemText(
            id158::kHeader,
            "Bitte wählen Sie aus, unter welcher Umgebung  Quorix*Info - Demoversion gestartet wird.");
        EnableBatch(false);
        m_strBatch.clear();
    }

    if (m_nStartEnv >= kWindows && m_nStartEnv <= kSelfBooting) {
        const Environment& env = kEnvironments[m_nStartEnv];
        ShowItem(env.label, true);
        ShowItem(env.field, true);
        if (!env.batch)
            EnableBatch(false);
        if (m_nStartEnv == kWindows) {
            m_nWinVersion = r.m_nInfoWinVersion;
            if (m_nWinVersion < kFirstWithoutServicePack) {
                ShowServicePack(true);
                m_astrDetail[kWindows] = r.m_strInfoDetail;
            }
        } else {
            m_astrDetail[m_nStartEnv] = r.m_strInfoDetail;
        }
    }
    UpdateData(false);
}

void CInfoEnvDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id158::kWindows:
    case id158::kDos:
    case id158::kSelfBooting:
        if (code == Notify::Clicked) {
            for (int env = kWindows; env <= kSelfBooting; ++env)
                if (kEnvironments[env].radio == id)
                    ChooseEnvironment(env);
        }
        return;
    case id158::kWindowsVersion:
        if (code == Notify::SelChange)
            OnWindowsVersion();
        return;
    default:
        break;
    }
    CPageDlg::OnCommand(id, code);
}

void CInfoEnvDlg::ShowServicePack(bool show) {
    ShowItem(id158::kServicePackLabel, show);
    ShowItem(id158::kServicePack, show);
}

void CInfoEnvDlg::EnableBatch(bool enable) {
    EnableItem(id158::kBatchLabel, enable);
    EnableItem(id158::kBatch, enable);
}

void CInfoEnvDlg::ChooseEnvironment(int chosen) {
    UpdateData(true);
    // The other environments' fields are hidden and their details forgotten.
    for (int other = kWindows; other <= kSelfBooting; ++other) {
        if (other == chosen)
            continue;
        ShowItem(kEnvironments[other].label, false);
        ShowItem(kEnvironments[other].field, false);
        m_astrDetail[other].clear();
    }
    if (chosen != kWindows) {
        ShowServicePack(false);
        m_nWinVersion = -1;
    }
    const Environment& env = kEnvironments[chosen];
    ShowItem(env.label, true);
    ShowItem(env.field, true);
    if (!env.batch) {
        EnableBatch(false);
        m_strBatch.clear();
    } else if (IsFullVersion()) {
        EnableBatch(true);
    }
    UpdateData(false);
}

void CInfoEnvDlg::OnWindowsVersion() {
    UpdateData(true);
    const bool servicePack = m_nWinVersion < kFirstWithoutServicePack;
    if (!servicePack)
        m_astrDetail[kWindows].clear();
    ShowServicePack(servicePack);
    UpdateData(false);
}

void CInfoEnvDlg::OnNext() {
    UpdateData(true);
    const bool windows = m_nStartEnv == kWindows;
    // The info product version is tested as typed; a detail of blanks only counts as empty.
    NextAfterChecks({
        {m_nStartEnv < 0, "Unvollständige Angaben", "Bitte wählen Sie eine Startumgebung aus.", 0},
        {m_strVersion.empty(), "Unvollständige Angaben",
         "Bitte tragen Sie die Quorix*Info Versionsnummer ein.", id158::kVersion},
        {windows && m_nWinVersion < 0, "Windows Version", "Bitte wählen Sie eine Windows Version aus.",
         id158::kWindowsVersion},
        {windows && m_nWinVersion < kFirstWithoutServicePack && IsBlank(m_astrDetail[kWindows]),
         "Service Pack", "Bitte tragen Sie den installierten Service Pack ein.", id158::kServicePack},
        {m_nStartEnv == kDos && IsBlank(m_astrDetail[kDos]), "DOS Version",
         "Bitte tragen Sie die DOS Version ein.", id158::kDosVersion},
        {m_nStartEnv == kSelfBooting && IsBlank(m_astrDetail[kSelfBooting]), "Quorix*Test Version",
         "Bitte tragen Sie die Quorix*Test Version ein.", id158::kTestVersion},
    });
}

void CInfoEnvDlg::SaveToRecord() {
    UpdateData(true);
    ReportRecord& r = *m_pRecord;
    r.m_nInfoStartEnv = m_nStartEnv;
    r.m_strInfoVersion = Trimmed(m_strVersion);
    r.m_strInfoBatch = Trimmed(m_strBatch);
    r.m_strInfoNote = Trimmed(m_strNote);
    // Only the detail of the chosen environment is kept; without one (Back) it is the test
    // product version, empty unless that environment was chosen.
    if (m_nStartEnv == kWindows) {
        r.m_nInfoWinVersion = m_nWinVersion;
        r.m_strInfoDetail = m_astrDetail[kWindows];
    } else if (m_nStartEnv == kDos) {
        r.m_strInfoDetail = m_astrDetail[kDos];
    } else {
        r.m_strInfoDetail = m_astrDetail[kSelfBooting];
    }
    StoreWindowRect();
}

} // namespace mirel
