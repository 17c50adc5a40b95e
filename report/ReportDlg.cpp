#include "report/ReportDlg.h"

#include <array>

#include "platform/Services.h"
#include "platform/Text.h"
#include "report/BuildReport.h"
#include "report/TextConvert.h"
#include "res/templates/Template160.h"

namespace mirel {
namespace {

const char* const kSaveFilter = "Textdatei (*.txt)|*.txt|Alle Dateien (*.*)|*.*||";
const char* const kOpenFilter =
    "Textdatei (*.txt)|*.txt|HTML-Dateien (*.htm, *.html)|*.htm; *.html|"
    "Quorix*Skript (*.qts)|*.qts|QuorTest INI (*.ini)|*.ini|Alle Dateien (*.*)|*.*||";

const char* const kHint =
    "Mit den von Ihnen gemachten Angaben wurde ein Report erstellt. Bitte fügen Sie "
    "diesem noch die ausführliche Systemübersicht des Problemrechners sowie Skript- und "
    "Ausgabedateien im Text- oder HTML-Format hinzu.\n\n"
    "ACHTUNG: Bitte hängen Sie Screenshots, Bilder oder andere Dateien DIREKT an die "
    "E-Mail und NICHT an den Report."
    "   Vielen Dank!";
const char* const kInfo = "Bitte speichern Sie den Report nachdem Sie die nötigen Dateien angefügt haben.";

// Why a file to append could not be read, as the message box tells it.
struct ReadFailure {
    ReadResult::Status status;
    const char* reason;
};
constexpr std::array<ReadFailure, 4> kReadFailures = {{
    {ReadResult::Status::Missing, "Die Datei ist nicht vorhanden."},
    {ReadResult::Status::IsFolder, "Es handelt sich um einen Ordner, nicht um eine Datei."},
    {ReadResult::Status::Unreadable, "Die Datei kann nicht gelesen werden."},
    {ReadResult::Status::TooLarge, "Die Datei ist größer als 64 MB."},
}};

// A path or name as a control can show it: characters that cp1252 cannot hold (and bytes that
// are no UTF-8) become '?'.
std::string Shown(const std::string& text) {
    return Cp1252ToUtf8(Utf8ToCp1252(text));
}

std::string FileNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A file name takes at most 255 bytes (in UTF-8 on Linux; on Windows 255 characters, never more
// than the UTF-8 bytes). The save dialog adds ".txt" to a name without an extension, so the
// proposed name leaves room for it.
constexpr std::size_t kMaxProposedBytes = 255 - 4;

// "Report von " + company, with every character that a file name on Linux or Windows cannot
// hold replaced by "_", cut at a character's start to fit a file system.
std::string ProposedName(const std::string& company) {
    std::string name = "Report von " + company;
    for (char& c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    }
    if (name.size() > kMaxProposedBytes) {
        std::size_t cut = kMaxProposedBytes;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) // a continuation byte
            --cut;
        name.resize(cut);
    }
    return name;
}

// The bytes of the report file: cp1252, every CR removed and every LF written as CR LF.
std::string ReportFileBytes(const std::string& text) {
    std::string bytes = Utf8ToCp1252(text);
    RemoveCr(bytes);
    return LfToCrLf(bytes);
}

} // namespace

void CReportDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id160::kInfoBox, m_strInfo, 400);
    dx.Text(id160::kStatus, m_strStatus, 500);
    dx.Text(id160::kHint, m_strHint, 500);
    // The report box may hold many megabytes: it is only written when its text differs, so a
    // refresh of the other controls keeps the user's place in it. Writing clears the box's
    // modified flag; an unchanged box has it cleared all the same.
    if (dx.Saving()) {
        m_strReportText = GetItemText(id160::kReport);
    } else if (GetItemText(id160::kReport) != m_strReportText) {
        SetItemText(id160::kReport, m_strReportText);
    } else {
        SetModify(id160::kReport, false);
    }
}

void CReportDlg::OnShowWindow() {
    ShowCommon();
    m_strHint = LfToCrLf(kHint);
    m_strStatus.clear();
    m_strInfo = kInfo;
    UpdateData(false);
    RebuildReport();
}

void CReportDlg::OnCommand(int id, Notify code) {
    switch (id) {
    case id160::kSave:
        if (code == Notify::Clicked)
            SaveReport();
        break;
    case id160::kEdit:
        if (code == Notify::Clicked)
            OnEditReport();
        break;
    case id160::kAppend:
        if (code == Notify::Clicked)
            OnAppendFile();
        break;
    case id160::kReport:
        if (code == Notify::SetFocus)
            OnReportFocus();
        else if (code == Notify::Change)
            m_bUnsaved = 1;
        break;
    default:
        CPageDlg::OnCommand(id, code);
        break;
    }
}

void CReportDlg::SyncModifiedFlag(bool toMember) {
    if (toMember)
        m_bUnsaved = GetModify(id160::kReport) ? 1 : 0;
    else
        SetModify(id160::kReport, m_bUnsaved != 0);
}

void CReportDlg::RebuildReport() {
    UpdateData(true);
    m_strReport = BuildReport(*m_pRecord, GetServices().Now());
    m_strReportText = m_strReport;
    SetModify(id160::kReport, true);
    SyncModifiedFlag(true);
    UpdateData(false);
}

CReportDlg::SaveResult CReportDlg::SaveReport() {
    UpdateData(true);
    SyncModifiedFlag(false);
    if (!GetModify(id160::kReport)) {
        m_strStatus = "Keine Änderung vorhanden";
        UpdateData(false);
        return SaveResult::NoChange;
    }
    const bool savedBefore = !m_strFilePath.empty();
    std::string path = m_strFilePath;
    if (!savedBefore) {
        const std::optional<std::string> chosen =
            GetServices().SaveFileDialog(kSaveFilter, "txt", ProposedName(m_pRecord->m_strCompany));
        if (!chosen)
            return SaveResult::Cancelled;
        path = *chosen;
    }

    SaveResult result = SaveResult::Failed;
    switch (GetServices().WriteFile(path, ReportFileBytes(m_strReportText))) {
    case WriteStatus::Ok:
        m_strFilePath = path;
        m_strStatus = "Der Report wurde unter " + Shown(path) + " gespeichert.";
        result = SaveResult::Saved;
        break;
    case WriteStatus::OpenFailed:
        m_strStatus = savedBefore
                          ? "Fehler: In die Datei " + Shown(path) + " konnte nicht gespeichert werden!"
                          : "Fehler: Die Datei " + Shown(path) + " konnte nicht erstellt werden!";
        break;
    case WriteStatus::CloseFailed:
        m_strStatus = "Fehler: Der Report konnte nicht geschlossen werden!";
        break;
    }
    // Only a text that is in its file counts as saved; after a failure it stays unsaved, so the
    // next Save writes it again and Next asks before it is lost.
    if (result == SaveResult::Saved) {
        SetModify(id160::kReport, false);
        SyncModifiedFlag(true);
    }
    SetReadOnly(id160::kReport, true);
    UpdateData(false);
    return result;
}

void CReportDlg::OnEditReport() {
    SetReadOnly(id160::kReport, false);
    SetFocusItem(id160::kReport);
}

void CReportDlg::OnReportFocus() {
    UpdateData(true);
    m_strStatus.clear();
    UpdateData(false);
}

void CReportDlg::OnAppendFile() {
    const std::optional<std::string> path = GetServices().OpenFileDialog(kOpenFilter, "txt");
    if (!path)
        return;
    UpdateData(true);

    ReadResult file = GetServices().ReadFile(*path, kMaxAppendBytes);
    if (file.status != ReadResult::Status::Ok) {
        for (const ReadFailure& failure : kReadFailures) {
            if (failure.status == file.status) {
                GetServices().MessageBox("Textdatei anfügen",
                                         "Die Datei \"" + Shown(*path) +
                                             "\" konnte nicht angefügt werden.\n\n" + failure.reason,
                                         MsgButtons::Ok, MsgIcon::Exclamation);
            }
        }
        return;
    }

    const std::string name = Shown(FileNameOf(*path));
    m_strReportText += "\r\n" + std::string(59, '=') + "\r\nAngefügte Datei \"" + name + "\"\r\n\r\n";
    AppendConvertedFile(std::move(file.bytes), m_strReportText);

    m_strStatus = "Die Datei \"" + name + "\" wurde dem Report hinzugefügt.";
    SetModify(id160::kReport, true);
    SyncModifiedFlag(true);
    UpdateData(false);
}

void CReportDlg::LeavePage(bool back) {
    if (back)
        m_pRecord->m_bBack = 1;
    StoreWindowRect();
    EndPage();
}

void CReportDlg::OnBack() {
    SyncModifiedFlag(false);
    if (GetModify(id160::kReport)) {
        const MsgAnswer answer = GetServices().MessageBox(
            "Änderungen speichern",
            "Der Report wurden noch nicht gespeichert. Wenn Sie zurückgehen, werden die von Ihnen gemachten "
            "Änderungen verworfen.\n\nSoll der Report jetzt gespeichert werden?",
            MsgButtons::YesNoCancel, MsgIcon::Exclamation);
        if (answer == MsgAnswer::Cancel)
            return;
        // A save that did not reach its file keeps the page, so the status line is seen and
        // nothing typed is lost.
        if (answer == MsgAnswer::Yes && SaveReport() != SaveResult::Saved)
            return;
    }
    LeavePage(true);
}

void CReportDlg::OnNext() {
    Services& services = GetServices();
    if (m_strFilePath.empty()) {
        services.Beep(BeepKind::Question);
        const MsgAnswer answer = services.MessageBox("Report speichern",
                                                     "Der Report wurden noch nicht gespeichert. Sie müssen "
                                                     "den Report speichern bevor sie weiter gehen "
                                                     "können.\n\nSoll der Report jetzt gespeichert werden?",
                                                     MsgButtons::YesNo, MsgIcon::Question);
        if (answer == MsgAnswer::Yes)
            SaveReport();
        return;
    }
    SyncModifiedFlag(false);
    if (GetModify(id160::kReport)) {
        services.Beep(BeepKind::Question);
        const MsgAnswer answer = services.MessageBox(
            "Änderungen speichern",
            "Die Änderungen wurden noch nicht gespeichert.\n\nSoll der Report jetzt gespeichert werden?",
            MsgButtons::YesNoCancel, MsgIcon::Question);
        if (answer == MsgAnswer::Cancel)
            return;
        if (answer == MsgAnswer::Yes && SaveReport() != SaveResult::Saved)
            return;
    }
    LeavePage(false);
}

} // namespace mirel
