#include "pages/TestStartDlg.h"

#include "platform/Text.h"
#include "res/templates/Template151.h"

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
constexpr int kDosBlock[] = {id151::kDosVersionLabel, id151::kDosVersion, id151::kDosTypeLabel,
                             id151::kDosType};

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
    dx.Radio(id151::kSelfBooting, m_nStartDos);
    dx.Radio(id151::kFloppy, m_nOtherMedium);
    dx.Text(id151::kMedium, m_strMedium, 500);
    dx.Check(id151::kFloppySame, m_bFloppySame);
    if (m_product.hasBatch)
        dx.Check(id151::kFromBatch, m_bFromBatch);
    dx.Text(id151::kVersion, m_strVersion, 20);
    dx.Text(id151::kDosVersion, m_strDosVersion, 30);
    dx.ListIndex(id151::kDosType, m_nDosType);
    dx.Radio(id151::kIdentical, m_nReproducible);
    dx.Text(id151::kNote, m_strNote, 1000);
    dx.Text(id151::kInfoBox, m_strInfo, 150);
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

    SetItemText(id151::kVersionLabel, m_product.versionLabel);
    SetItemText(id151::kMediumQuestion, m_product.mediumQuestion);
    ShowItem(id151::kFromBatch, m_product.hasBatch);
    ShowDosBlock(m_nStartDos == 1);
    if (m_nOtherMedium == 1) {
        EnableItem(id151::kMedium, true);
        EnableItem(id151::kFloppySame, true);
    }

    const StartVersion& v = Version();
    if (v.header != nullptr)
        SetItemText(id151::kHeader, v.header);
    if (m_product.hasBatch) {
        EnableItem(id151::kFromBatch, v.batch == Batch::UserChoice && m_nStartDos == 1);
        if (v.batch != Batch::UserChoice)
            m_bFromBatch = v.batch == Batch::ForcedOn ? 1 : 0;
    }
    if (v.fixedStart) {
        // Only self-booting from diskette is possible: the user chooses the reproducibility, the
        // version number and the remarks.
        EnableItem(id151::kUnderDos, false);
        EnableItem(id151::kOtherMedium, false);
        EnableItem(id151::kMedium, false);
        EnableItem(id151::kFloppySame, false);
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
    case id151::kSelfBooting:
        if (code == Notify::Clicked)
            OnSelfBooting();
        return;
    case id151::kUnderDos:
        if (code == Notify::Clicked)
            OnUnderDos();
        return;
    case id151::kFloppy:
        if (code == Notify::Clicked) {
            // The medium name and the diskette answer stay; they are still saved.
            EnableItem(id151::kMedium, false);
            EnableItem(id151::kFloppySame, false);
        }
        return;
    case id151::kOtherMedium:
        if (code == Notify::Clicked) {
            EnableItem(id151::kMedium, true);
            EnableItem(id151::kFloppySame, true);
            SetFocusItem(id151::kMedium);
        }
        return;
    case id151::kDosType:
        if (code == Notify::DropDown) {
            SetInfo("Bitte wählen Sie das DOS-Produkt aus, welches Sie benutzen.");
        } else if (code == Notify::SelChange) {
            SetInfo("");
            SetFocusItem(id151::kDosVersion);
        }
        return;
    case id151::kVersion:
        ShowVersionHelp(code);
        return;
    case id151::kDosVersion:
        ShowDosVersionHelp(code);
        return;
    case id151::kNote:
        if (code == Notify::SetFocus || code == Notify::Change)
            SetInfo("Hier haben Sie zusätzlichen Platz, um weitere Anmerkungen einzutragen.");
        else if (code == Notify::KillFocus)
            SetInfo("");
        return;
    case id151::kIdentical:
    case id151::kSimilar:
    case id151::kNotReproducible:
        if (code == Notify::Clicked)
            SetInfo(kReproducibleHelp[id - id151::kIdentical]);
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
        EnableItem(id151::kFromBatch, false);
        m_bFromBatch = 0;
    }
    // The controls are refreshed before the focus moves, so that the version number field,
    // which reads the controls when it gets the focus, sees the cleared check box.
    UpdateData(false);
    SetFocusItem(id151::kVersion);
}

void CTestStartDlg::OnUnderDos() {
    ShowDosBlock(true);
    SetFocusItem(id151::kVersion);
    if (m_product.hasBatch && Version().batch == Batch::UserChoice)
        EnableItem(id151::kFromBatch, true);
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
        {m_strVersion.empty(), "Angabe Version", m_product.noVersionText, id151::kVersion},
        {v.checkNumberFormat && CharCount(m_strVersion) < 4, "Ungültige Versionsnummer", kBadNumber,
         id151::kVersion},
        {v.checkNumberFormat && !SecondCharIsSeparator(m_strVersion), "Ungültige Versionsnummer", kBadNumber,
         id151::kVersion},
        {underDos && m_strDosVersion.empty(), "Angabe Version", "Bitte tragen Sie die DOS-Version ein",
         id151::kDosVersion},
        {underDos && m_nDosType < 0, "Angabe DOS-Typ", "Bitte tragen Sie den DOS-Typ ein", id151::kDosType},
        {m_nOtherMedium == 1 && m_strMedium.empty(), "Bootmedium", m_product.noMediumText, id151::kMedium},
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
