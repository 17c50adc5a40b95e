#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTranslator>
#include <QUrl>
#include <cstdlib>
#include <vector>

#include "platform/qt/QtSupport.h"
#include "platform/qt/QtWindow.h"

// The resources live in a static library; they must be registered by name from the global
// namespace.
static void InitMirelResources() {
    Q_INIT_RESOURCE(mirel);
}

namespace mirel::qt {
namespace {

// The program keeps no settings, but Qt's file dialog stores its history in the user's
// settings (QtProject.conf). Those settings are placed below /dev/null, a device for every user,
// where no folder can ever be made, not even by root: Qt reads nothing there and its writes fail
// quietly, so nothing is left behind anywhere, however the process ends.
void KeepNoSettings() {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
}

class Environment : public QtEnvironment {
  public:
    Environment(int& argc, char** argv) {
        InitMirelResources();
        KeepNoSettings(); // before anything creates a QSettings
        m_app = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setApplicationName(QStringLiteral("Mirel"));
        QApplication::setDesktopFileName(QStringLiteral("mirel"));
        // The desktop's general font when its theme (qt6ct, a desktop's own) sets one; the
        // pages' dialog units follow it.
        QApplication::setFont(PageFont(QApplication::font()));
        // The program speaks German whatever the desktop's language: Qt's own texts (message
        // box and file dialog buttons, the edits' context menus, key names) and its dates and
        // numbers.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        if (m_translator.load(QStringLiteral("qtbase_de"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QApplication::installTranslator(&m_translator);
        QApplication::setWindowIcon(QIcon(ImageResource(128)));
    }
    ~Environment() override { QApplication::removeTranslator(&m_translator); }
    Host& GetHost() override { return m_host; }

  private:
    std::unique_ptr<QApplication> m_app;
    QTranslator m_translator;
    WidgetHost m_host;
};

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

class QtServices : public Services {
  public:
    MsgAnswer MessageBox(const std::string& caption, const std::string& text, MsgButtons buttons,
                         MsgIcon icon, int defaultButton) override {
        QMessageBox box(DialogParent());
        box.setWindowTitle(ToQString(caption));
        // Plain text that the user can select: a message may carry a path or a mail subject.
        box.setTextFormat(Qt::PlainText);
        box.setText(ToQString(text));
        box.setTextInteractionFlags(Qt::TextSelectableByMouse);
        box.setIcon(icon == MsgIcon::Information ? QMessageBox::Information
                    : icon == MsgIcon::Question  ? QMessageBox::Question
                                                 : QMessageBox::Warning);
        struct Choice {
            QPushButton* button;
            MsgAnswer answer;
        };
        std::vector<Choice> choices;
        auto add = [&](const char* label, QMessageBox::ButtonRole role, MsgAnswer answer) {
            choices.push_back({box.addButton(QString::fromUtf8(label), role), answer});
        };
        switch (buttons) {
        case MsgButtons::Ok:
            add("OK", QMessageBox::AcceptRole, MsgAnswer::Ok);
            break;
        case MsgButtons::YesNo:
            add("&Ja", QMessageBox::YesRole, MsgAnswer::Yes);
            add("&Nein", QMessageBox::NoRole, MsgAnswer::No);
            break;
        case MsgButtons::YesNoCancel:
            add("&Ja", QMessageBox::YesRole, MsgAnswer::Yes);
            add("&Nein", QMessageBox::NoRole, MsgAnswer::No);
            add("Abbrechen", QMessageBox::RejectRole, MsgAnswer::Cancel);
            break;
        }
        const std::size_t def =
            defaultButton >= 1 && static_cast<std::size_t>(defaultButton) <= choices.size()
                ? static_cast<std::size_t>(defaultButton) - 1
                : 0;
        box.setDefaultButton(choices[def].button);
        // Escape answers as the classic box does: OK, Cancel, and for Yes/No the answer No.
        box.setEscapeButton(choices.back().button);
        box.exec();
        for (const Choice& c : choices)
            if (box.clickedButton() == c.button)
                return c.answer;
        return choices.back().answer;
    }

    void Beep(BeepKind) override { QApplication::beep(); }

    std::optional<std::string> SaveFileDialog(const std::string& filter, const std::string& defaultExt,
                                              const std::string& proposedName) override {
        QFileDialog dialog(DialogParent());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
        return Run(dialog, filter, defaultExt, proposedName);
    }

    std::optional<std::string> OpenFileDialog(const std::string& filter,
                                              const std::string& defaultExt) override {
        QFileDialog dialog(DialogParent());
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        return Run(dialog, filter, defaultExt, std::string());
    }

    bool ShellOpen(const std::string& url) override {
        return QDesktopServices::openUrl(
            QUrl::fromEncoded(QByteArray(url.data(), static_cast<qsizetype>(url.size()))));
    }

    LocalTime Now() override {
        const QDateTime now = QDateTime::currentDateTime();
        return LocalTime{now.date().year(), now.date().month(),  now.date().day(),
                         now.time().hour(), now.time().minute(), now.time().second()};
    }

    [[noreturn]] void ExitProcess(int code) override { std::exit(code); }

  private:
    static std::optional<std::string> Run(QFileDialog& dialog, const std::string& filter,
                                          const std::string& defaultExt, const std::string& proposedName) {
        // Qt's own dialog carries Qt's German texts; a desktop's dialog would speak the
        // desktop's language.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QStringList filters = NameFilters(filter);
        if (!filters.isEmpty())
            dialog.setNameFilters(filters);
        QString suffix = ToQString(defaultExt);
        while (suffix.startsWith(u'.'))
            suffix.remove(0, 1);
        dialog.setDefaultSuffix(suffix); // appended when the user typed no extension
        if (!proposedName.empty())
            dialog.selectFile(ToQString(proposedName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return ToStdString(dialog.selectedFiles().constFirst());
    }
};

} // namespace

std::unique_ptr<QtEnvironment> CreateEnvironment(int& argc, char** argv) {
    return std::make_unique<Environment>(argc, argv);
}

std::unique_ptr<Services> CreateServices() {
    return std::make_unique<QtServices>();
}

} // namespace mirel::qt
