#include "lists/add_barcodes.h"

#include <exception>

#include <QDialog>
#include <QFile>
#include <QStringList>

#include "app/interaction.h"
#include "app/look.h"
#include "app/session.h"
#include "lists/barcode_run.h"
#include "lists/field_guess.h"
#include "lists/field_id_dialog.h"
#include "lists/identify.h"
#include "lists/progress_display.h"
#include "lists/source.h"
#include "settings/prefs.h"

namespace zolvane::gui::lists {

namespace core = zolvane::lists;
using app::Beep;
using app::MessageIcon;
using settings::PrefLine;

namespace {

const char* const kOpenTitle = "Find the file that holds your mailing list:";
const char* const kSaveTitle = "Choose a file (or name a new file) for the barcodes:";

void ShowNotice(app::Session& session, QWidget* window, const core::Notice& notice) {
    MessageIcon icon = MessageIcon::Warning;
    if (notice.icon == core::NoticeIcon::Error) icon = MessageIcon::Error;
    if (notice.icon == core::NoticeIcon::Information) icon = MessageIcon::Information;
    Beep beep = Beep::None;
    if (notice.beep == core::NoticeBeep::Warning) beep = Beep::Warning;
    if (notice.beep == core::NoticeBeep::Error) beep = Beep::Error;
    QString text = app::ShownText(notice.text);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    session.Ui().Message(window, text, icon, beep);
}

std::filesystem::path PathOf(const QString& chosen) {
    return std::filesystem::path(QFile::encodeName(chosen).toStdString());
}

QString ShownPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.string().c_str());
}

// The list to open: the command line's, or the file-open dialog's choice
// (remembered in prefs line 21 for next time). Empty when none.
std::filesystem::path ChooseList(app::Session& session, QWidget* window) {
    if (session.Arguments().Present()) return session.Arguments().ListPath();
    settings::Prefs& prefs = session.Prefs();
    const std::string& last = prefs.Get(PrefLine::LastListPath);
    app::FileRequest request;
    request.title = QString::fromLatin1(kOpenTitle);
    if (!last.empty()) request.folder = ShownPath(std::filesystem::path(last).parent_path());
    request.filters =
        QStringList{QStringLiteral("All Files (*)"), QStringLiteral("Access (*.mdb *.accdb)"),
                    QStringLiteral("Ascii (*.txt *.csv)"), QStringLiteral("dBase (*.dbf)"),
                    QStringLiteral("Excel (*.xls *.xlsx)")};
    const QString chosen = session.Ui().OpenFile(window, request);
    if (chosen.isEmpty()) return {};
    const std::filesystem::path path = PathOf(chosen);
    if (path.string() != last) {
        prefs.Put(PrefLine::LastListPath, path.string());
        session.SavePrefsOrReport(window);
    }
    return path;
}

class AnimationObserver final : public core::RunObserver {
  public:
    AnimationObserver(ProgressDisplay& display, QString listName)
        : m_display(display), m_listName(std::move(listName)) {}

    void Stage(int stage) override {
        if (!m_started) {
            m_started = true;
            m_display.RunStarted(m_listName);
        }
        m_display.ShowStage(stage);
    }

  private:
    ProgressDisplay& m_display;
    QString m_listName;
    bool m_started = false;
};

void Run(app::Session& session, core::ListSource& source, const core::FieldAssignment& fields,
         ProgressDisplay& display) {
    settings::Prefs& prefs = session.Prefs();
    QWidget* window = display.Window();
    core::RunOutput output;
    output.barcodesOnly = prefs.Get(PrefLine::BarcodeOutput) == "1";
    if (output.barcodesOnly) {
        if (prefs.Get(PrefLine::BarcodesOnlyName) == "1") {
            app::FileRequest request;
            request.title = QString::fromLatin1(kSaveTitle);
            request.folder = ShownPath(source.Path().parent_path());
            request.filters = QStringList{QStringLiteral("text files (*.txt)")};
            request.defaultSuffix = QStringLiteral("txt");
            const QString chosen = session.Ui().SaveFile(window, request);
            if (chosen.isEmpty()) return;
            output.barcodesOnlyPath = PathOf(chosen);
            output.barcodesOnlyName = output.barcodesOnlyPath.string();
        } else {
            output.barcodesOnlyPath = source.Path().parent_path() / "Barcode.txt";
            output.barcodesOnlyName = "Barcode.txt";
        }
    }

    AnimationObserver observer(display,
                               QFile::decodeName(core::LowerCaseFileName(source.Path()).c_str()));
    core::RunHooks hooks;
    hooks.observer = &observer;
    hooks.saveNextSerial = [&](std::int64_t next) {
        prefs.Put(PrefLine::NextSerial, std::to_string(next));
        return session.SavePrefs();
    };
    display.Hourglass(true);
    const core::RunResult result = core::RunBarcodes(source, fields, prefs, output, hooks);
    display.RunEnded();
    display.Hourglass(false);
    if (!result.completed) {
        for (const auto& failure : result.failures) ShowNotice(session, window, failure);
        return;
    }
    if (!session.Arguments().NoStop())
        ShowNotice(session, window,
                   {result.summary, core::NoticeIcon::Information, core::NoticeBeep::Warning});
}

void OpenIdentifyAndRun(app::Session& session, const std::filesystem::path& path,
                        const IdentificationDialogs& dialogs, ProgressDisplay& display) {
    settings::Prefs& prefs = session.Prefs();
    QWidget* window = display.Window();
    display.Hourglass(true);
    core::OpenResult opened =
        core::OpenMailingList(path, core::OpenOptions{session.Arguments().TableName()});
    if (!opened.notices.empty()) display.Hourglass(false);
    for (const auto& notice : opened.notices) ShowNotice(session, window, notice);
    if (!opened.source) return;
    core::ListSource& source = *opened.source;

    const core::FieldAssignment guess = core::GuessFields(source, prefs);
    display.Hourglass(false);
    const bool imb = prefs.Get(PrefLine::BarcodeKind) == "0";
    FieldIdDialog& dialog = imb ? dialogs.intelligent : dialogs.postnet;
    core::IdentifyHooks hooks;
    hooks.showDialog = [&](std::vector<std::string>& memo) {
        dialog.Prepare(source);
        dialog.SetMemoLines(memo);
        const bool accepted = session.Ui().ShowModal(dialog) == QDialog::Accepted;
        memo = dialog.MemoLines();
        return accepted;
    };
    hooks.showNotice = [&](const core::Notice& notice) { ShowNotice(session, window, notice); };
    hooks.noStop = session.Arguments().NoStop();
    const auto fields = core::IdentifyAndCheck(source, guess, prefs, hooks);
    if (fields) Run(session, source, *fields, display);
}

}  // namespace

void OpenMailingList(app::Session& session, const IdentificationDialogs& dialogs,
                     ProgressDisplay& display) {
    const std::filesystem::path path = ChooseList(session, display.Window());
    if (!path.empty()) {
        try {
            OpenIdentifyAndRun(session, path, dialogs, display);
        } catch (const std::exception&) {
            display.RunEnded();
            display.Hourglass(false);
            ShowNotice(session, display.Window(), core::CouldNotReadNotice(path));
        }
    }
    display.Rest();
}

}  // namespace zolvane::gui::lists
