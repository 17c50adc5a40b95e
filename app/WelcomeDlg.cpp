#include "app/WelcomeDlg.h"

#include <array>

#include "app/Flow.h"
#include "platform/Services.h"
#include "res/templates/Template135.h"

namespace mirel {
namespace {

struct ProductPicture {
    int control;
    int product;
};
// The product pictures and the product code each one chooses.
constexpr std::array<ProductPicture, 5> kProducts = {{
    {id135::kTestPicture, 1},      // Quorix*Test
    {id135::kInfoPicture, 2},      // Quorix*Info
    {id135::kWinPicture, 3},       // Quorix*Win
    {id135::kBoardPicture, 4},     // Quorix*Board
    {id135::kVexometerPicture, 5}, // Vexometer
}};

} // namespace

CWelcomeDlg::CWelcomeDlg() : Dialog(135) {}

void CWelcomeDlg::DoDataExchange(DataExchange& dx) {
    dx.Text(id135::kIntro, m_strIntro, 150);
    dx.Text(id135::kPurpose, m_strPurpose);
    dx.Text(id135::kPlease, m_strPlease);
    dx.Text(id135::kHint, m_strHint);
    dx.Text(id135::kThanks, m_strThanks);
}

void CWelcomeDlg::OnShowWindow() {
    m_record.m_strTitle = "Varenta Support Bericht - Version 1.22+";
    SetCaption(m_record.m_strTitle);
    SetIcon(128);
    SetItemText(id135::kSupportFrame, "Produktunterstützung");
    SetItemText(id135::kHintFrame, "HINWEIS:");
    m_strIntro = "Dieses Programm unterstützt Sie bei der Erstellung von technischen Reports für die unten "
                 "aufgeführten Produkte.";
    m_strPurpose =
        "Durch diesen Support-Bericht haben die Techniker und Softwareentwickler von Varenta eine "
        "Möglichkeit geschaffen, Ihre Supportanfrage professionell zu erfassen. Dies vereinfacht und "
        "beschleunigt die Lösungsfindung.";
    m_strPlease =
        "Bitte füllen Sie alle nachfolgenden Felder korrekt aus. Nur so ist es möglich, schnell auf Ihr "
        "Problem zu reagieren. Oben links finden Sie zu manchen Fragen eine Information oder eine "
        "Erklärung.";
    m_strHint = "Erst am Ende der Fehlereingrenzung in diesem Bericht können Sie eine Problembeschreibung "
                "eintragen. Somit müssen Sie wichtige Angaben nicht zweimal eingeben.";
    m_strThanks = "Vielen Dank für Ihre Bemühungen\n\nIhr Varenta-Team";
    UpdateData(false);
    SetItemText(id135::kStart, "Beginnen >>");
    SetItemText(id135::kCancel, "Abbrechen");
    ShowItem(id135::kStart, false);
}

void CWelcomeDlg::OnCommand(int id, Notify code) {
    if (code != Notify::Clicked)
        return;
    switch (id) {
    case id135::kCancel:
        EndProcess(0);
    case id135::kStart:
        // The hidden default button starts the wizard only once a product has been chosen.
        if (m_record.m_nProduct >= 1 && m_record.m_nProduct <= 5)
            RunWizard();
        break;
    default:
        for (const ProductPicture& p : kProducts) {
            if (p.control == id) {
                m_record.m_nProduct = p.product;
                RunWizard();
            }
        }
        break;
    }
}

void CWelcomeDlg::RunWizard() {
    ResetForRun(m_record);
    m_record.m_rcWindow = GetWindowRect();
    // The welcome window stays open as the owner of all pages, but out of sight.
    SetWindowVisible(false);
    RunFlow(m_record);
    EndProcess(0);
}

} // namespace mirel
