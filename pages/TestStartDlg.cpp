#include "pages/TestStartDlg.h"

#include "platform/Text.h"

namespace mirel {

const char* const kReproducibleHelp[3] = {
    "Erklärung:\r\nDer Fehler tritt jedes mal an der selben Stelle auf. Es entstehen die selben Fehlerwerte "
    "(Dump).",
    "Erklärung:\r\nDer Fehler tritt zwar jedes mal an der gleichen Stelle auf, es entstehen aber andere "
    "Fehlerwerte (Dump).",
    "Erklärung:\r\nDer Fehler tritt nur sporadisch auf. Die Fehlerwerte sind unterschiedlich (Dump).",
};

namespace {

using Batch = StartVersion::Batch;

// Label and field of the DOS version and of the DOS type: visible exactly while "unter DOS" is chosen.
constexpr int kDosBlock[] = {1119, 1049, 1126, 1174};

constexpr const char* kVersionHelp =
    "Die Versionsnummer steht nach dem Programmstart in der linken oberen Ecke.";
constexpr const char* kOemVersionHelp =
    "Die Versionsnummer sehen Sie, nach dem Test, im Ergebnisbericht oben links.";

const StartVersion kTestVersions[] = {
    // version, header, batch check box, fixed start, "#.##*" format, version number help
    {0, "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - Vollversion gestartet haben.",
     Batch::UserChoice, false, true, kVersionHelp},
    {1, "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - Demoversion gestartet haben.",
     Batch::ForcedOff, false, true, kVersionHelp},
    {2, "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - OEM-Version gestartet haben.",
     Batch::ForcedOn, true, false, kOemVersionHelp},
    {3, "Bitte geben Sie an, mit welchen Einstellungen Sie Quorix*Test - Händlertestversion gestartet haben.",
     Batch::ForcedOff, true, true, kVersionHelp},
};

const StartProduct kTestProduct{
    "CTestStartDlg",
    "Quorix*Test Version",
    "Von welchem Medium aus wurde Quorix*Test gestartet?",
    true,
    "Bitte tragen Sie die Quorix*Test-Versionsnummer ein",
    "Bitte tragen Sie ein, von welchem Medium Quorix*Test gebootet wurde.",
    kTestVersions,
    {-1, nullptr, Batch::ForcedOff, false, true, kVersionHelp},
};

// "#.##*": the second character is a full stop or a comma (characters, not bytes).
bool SecondCharIsSeparator(const std::string& s) {
    const std::string firstTwo = TruncateChars(s, 2);
    return CharCount(firstTwo) == 2 && (firstTwo.back() == '.' || firstTwo.back() == ',');
}

} // namespace

CTestStartDlg::CTestStartDlg(ReportRecord* pRecord) : CTestStartDlg(pRecord, kTestProduct) {}

CTestStartDlg::CTestStartDlg(ReportRecord* pRecord, const StartProduct& product)
    : CPageDlg(151, pRecord), m_product(product) {}

const StartVersion& CTestStartDlg::Version() const {
    for (const StartVersion& v : m_product.versions)
        if (v.version == m_pRecord->m_nVersion)
            return v;
    return m_product.otherVersion;
}

void CTestStartDlg::DoDataExchange(DataExchange& dx) {
    dx.Radio(1113, m_nStartDos);
    dx.Radio(1123, m_nOtherMedium);
    dx.Text(1125, m_strMedium, 500);
    dx.Check(1127, m_bFloppySame);
    if (m_product.hasBatch)
        dx.Check(1128, m_bFromBatch);
    dx.Text(1129, m_strVersion, 20);
    dx.Text(1049, m_strDosVersion, 30);
    dx.ListIndex(1174, m_nDosType);
    dx.Radio(1163, m_nReproducible);
    dx.Text(1116, m_strNote, 1000);
    dx.Text(1171, m_strInfo, 150);
}

void CTestStartDlg::OnShowWindow() {
    ShowCommon();
    const ReportRecord& r = *m_pRecord;
    m_nStartDos = r.m_nTestStartDos;
    m_nOtherMedium = r.m_nTestOtherMedium;
    m_nReproducible = r.m_nTestReproducible;
    m_strVersion = r.m_strTestVersion;
    m_strDosVersion = r.m_strTestDosVersion;
    m_strMedium = r.m_strTestMedium;
    m_strNote = r.m_strTestNote;
    m_bFloppySame = r.m_bTestFloppySame;
    m_nDosType = r.m_nTestDosType;
    if (m_product.hasBatch)
        m_bFromBatch = r.m_bTestFromBatch;

    SetItemText(1118, m_product.versionLabel);
    SetItemText(1122, m_product.mediumQuestion);
    ShowItem(1128, m_product.hasBatch);
    ShowDosBlock(m_nStartDos == 1);
    if (m_nOtherMedium == 1) {
        EnableItem(1125, true);
        EnableItem(1127, true);
    }

    const StartVersion& v = Version();
    if (v.header != nullptr)
        SetItemText(1085, v.header);
    if (m_product.hasBatch) {
        EnableItem(1128, v.batch == Batch::UserChoice && m_nStartDos == 1);
        if (v.batch != Batch::UserChoice)
            m_bFromBatch = v.batch == Batch::ForcedOn ? 1 : 0;
    }
    if (v.fixedStart) {
        // Only self-booting from diskette is possible: the user chooses the reproducibility, the
        // version number and the remarks.
        EnableItem(1114, false);
        EnableItem(1124, false);
        EnableItem(1125, false);
        EnableItem(1127, false);
        ShowDosBlock(false);
        m_nStartDos = 0;
        m_nOtherMedium = 0;
        m_bFloppySame = 0;
        m_strMedium.clear();
        m_strDosVersion.clear();
    }
    UpdateData(false);
}

void CTestStartDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case 1113:
        if (code == Notify::Clicked)
            OnSelfBooting();
        return;
    case 1114:
        if (code == Notify::Clicked)
            OnUnderDos();
        return;
    case 1123:
        if (code == Notify::Clicked) {
            // The medium name and the diskette answer stay; they are still saved.
            EnableItem(1125, false);
            EnableItem(1127, false);
        }
        return;
    case 1124:
        if (code == Notify::Clicked) {
            EnableItem(1125, true);
            EnableItem(1127, true);
            SetFocusItem(1125);
        }
        return;
    case 1174:
        if (code == Notify::DropDown) {
            SetInfo("Bitte wählen Sie das DOS-Produkt aus, welches Sie benutzen.");
        } else if (code == Notify::SelChange) {
            SetInfo("");
            SetFocusItem(1049);
        }
        return;
    case 1129:
        ShowVersionHelp(code);
        return;
    case 1049:
        ShowDosVersionHelp(code);
        return;
    case 1116:
        if (code == Notify::SetFocus || code == Notify::Change)
            SetInfo("Hier haben Sie zusätzlichen Platz, um weitere Anmerkungen einzutragen.");
        else if (code == Notify::KillFocus)
            SetInfo("");
        return;
    case 1163:
    case 1164:
    case 1165:
        if (code == Notify::Clicked)
            SetInfo(kReproducibleHelp[id - 1163]);
        return;
    default:
        break;
    }
    CPageDlg::OnCommand(id, code);
}

void CTestStartDlg::ShowDosBlock(bool show) {
    for (int id : kDosBlock)
        ShowItem(id, show);
}

void CTestStartDlg::OnSelfBooting() {
    UpdateData(true);
    ShowDosBlock(false);
    // A batch start is possible only under DOS: the box is disabled and cleared, also where the
    // version had ticked it.
    if (m_product.hasBatch) {
        EnableItem(1128, false);
        m_bFromBatch = 0;
    }
    // The controls are refreshed before the focus moves, so that the version number field,
    // which reads the controls when it gets the focus, sees the cleared check box.
    UpdateData(false);
    SetFocusItem(1129);
}

void CTestStartDlg::OnUnderDos() {
    ShowDosBlock(true);
    SetFocusItem(1129);
    if (m_product.hasBatch && Version().batch == Batch::UserChoice)
        EnableItem(1128, true);
}

void CTestStartDlg::ShowVersionHelp(Notify code) {
    const char* help = Version().versionHelp;
    if (help == nullptr)
        return;
    if (code == Notify::SetFocus || code == Notify::Change)
        SetInfo(help);
    else if (code == Notify::KillFocus)
        SetInfo("");
}

void CTestStartDlg::ShowDosVersionHelp(Notify code) {
    if (code == Notify::SetFocus || code == Notify::Change) {
        UpdateData(true);
        m_strInfo = m_nDosType == 7
                        ? "Bitte tragen Sie die genaue DOS-Bezeichnung in das Feld \"Sonstige "
                          "Anmerkungen\" ein."
                        : "Die Versionsnummer ermitteln Sie über den Befehl \"ver\" in der Befehlszeile.";
        UpdateData(false);
    } else if (code == Notify::KillFocus) {
        SetInfo("");
    }
}

void CTestStartDlg::TrimTexts() {
    m_strVersion = Trimmed(m_strVersion);
    m_strDosVersion = Trimmed(m_strDosVersion);
    m_strMedium = Trimmed(m_strMedium);
    m_strNote = Trimmed(m_strNote);
}

void CTestStartDlg::OnNext() {
    UpdateData(true);
    TrimTexts();
    const StartVersion& v = Version();
    const bool underDos = m_nStartDos == 1;
    constexpr const char* kBadNumber = "Die Länge der Quorix*Test-Versionsnummer ist ungültig.\nBitte tragen "
                                       "Sie sie in dem Format #.##* ein";
    NextAfterChecks({
        {m_nStartDos < 0, "Programmstart", "Bitte geben Sie einen Programmstart ein.", 0},
        {m_nOtherMedium < 0, "Bootmedium", "Bitte markieren Sie das Bootmedium.", 0},
        {m_nReproducible < 0, "Nachvollziehbarkeit",
         "Bitte tragen Sie ein, ob der Fehler reproduzierbar ist.", 0},
        {m_strVersion.empty(), "Angabe Version", m_product.noVersionText, 1129},
        {v.checkNumberFormat && CharCount(m_strVersion) < 4, "Ungültige Versionsnummer", kBadNumber, 1129},
        {v.checkNumberFormat && !SecondCharIsSeparator(m_strVersion), "Ungültige Versionsnummer", kBadNumber,
         1129},
        {underDos && m_strDosVersion.empty(), "Angabe Version", "Bitte tragen Sie die DOS-Version ein", 1049},
        {underDos && m_nDosType < 0, "Angabe DOS-Typ", "Bitte tragen Sie den DOS-Typ ein", 1174},
        {m_nOtherMedium == 1 && m_strMedium.empty(), "Bootmedium", m_product.noMediumText, 1125},
    });
}

void CTestStartDlg::SaveToRecord() {
    UpdateData(true);
    TrimTexts();
    ReportRecord& r = *m_pRecord;
    r.m_nTestStartDos = m_nStartDos;
    r.m_nTestOtherMedium = m_nOtherMedium;
    r.m_nTestReproducible = m_nReproducible;
    r.m_strTestVersion = m_strVersion;
    r.m_strTestDosVersion = m_strDosVersion;
    r.m_strTestMedium = m_strMedium;
    r.m_strTestNote = m_strNote;
    r.m_bTestFloppySame = m_bFloppySame;
    if (m_product.hasBatch)
        r.m_bTestFromBatch = m_bFromBatch;
    r.m_nTestDosType = m_nDosType;
    StoreWindowRect();
}

} // namespace mirel
