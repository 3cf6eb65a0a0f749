#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QPrinter>
#include <QTimer>

#include "app/imb_setup_dlog.h"
#include "app/interaction.h"
#include "app/look.h"
#include "app/pref_dlog.h"
#include "app/session.h"
#include "app/welcome_dlog.h"
#include "lists/add_barcodes.h"
#include "lists/verify_dlog.h"
#include "lists/verify_imb_dlog.h"
#include "settings/prefs.h"
#include "settings/setup_checks.h"
#include "ui_main_window.h"

namespace zolvane::gui::app {

using settings::PrefLine;

TMainWindow::TMainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent),
      m_ui(std::make_unique<Ui::TMainWindow>()),
      m_session(session),
      m_timer1(new QTimer(this)) {
    m_ui->setupUi(this);
    QPalette teal = m_ui->centralwidget->palette();
    teal.setColor(QPalette::Window, kTeal);
    teal.setColor(QPalette::WindowText, Qt::white);
    m_ui->centralwidget->setPalette(teal);
    for (QLabel* label : {m_ui->TopLabel, m_ui->BottomLabel}) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->hide();
    }
    m_ui->Image1->hide();
    m_ui->Image2->hide();
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    m_ui->centralwidget->setFixedSize(472, 249);
    setFixedSize(472, 249 + menuBar()->sizeHint().height());
    ConnectMenu();
}

TMainWindow::~TMainWindow() = default;

void TMainWindow::SetDialogs(const Dialogs& dialogs) {
    m_dialogs = dialogs;
}

void TMainWindow::ConnectMenu() {
    connect(m_ui->PrinterSetup1, &QAction::triggered, this, [this] { PrinterSetup(); });
    connect(m_ui->Exit1, &QAction::triggered, this, [this] { EndApplication(); });
    connect(m_ui->AddBarcodestoaFile1, &QAction::triggered, this, [this] { AddBarcodes(); });
    const std::pair<QAction*, const char*> pages[] = {
        {m_ui->TableofContents1, "contents.html"},
        {m_ui->ForAccessFiles1, "access.html"},
        {m_ui->ForActFIles1, "act.html"},
        {m_ui->ForAsciiCsvMailMergeorOtherTextFiles1, "ascii.html"},
        {m_ui->FordBaseFiles1, "dbase.html"},
        {m_ui->ForExcelWorksheets1, "excel.html"},
        {m_ui->ForFilemakerProFiles1, "fmp.html"},
        {m_ui->ForOtherFileTypes1, "othersoft.html"},
    };
    for (const auto& [action, page] : pages) {
        const char* name = page;
        connect(action, &QAction::triggered, this, [this, name] { m_session.OpenHelp(name); });
    }
    connect(m_ui->About1, &QAction::triggered, this, [this] {
        if (m_dialogs.welcome) m_dialogs.welcome->ShowAbout();
    });
}

void TMainWindow::EndApplication() {
    if (m_running) return;
    m_session.Terminate(0);
}

void TMainWindow::closeEvent(QCloseEvent* event) {
    if (m_running) {
        event->ignore();
        return;
    }
    event->accept();
    EndApplication();
}

void TMainWindow::PrinterSetup() {
    if (!m_printer) m_printer = std::make_unique<QPrinter>();
    m_session.Ui().PrinterSetup(this, *m_printer);
}

bool TMainWindow::Preferences() {
    TPrefDlog& dialog = *m_dialogs.prefs;
    dialog.Load(m_session.Prefs());
    if (m_session.Ui().ShowModal(dialog) != QDialog::Accepted) return false;
    dialog.Store(m_session.Prefs());
    m_session.SavePrefsOrReport(this);
    return true;
}

bool TMainWindow::IMBSetup() {
    TIMBSetUpDlog& dialog = *m_dialogs.imbSetup;
    dialog.Load(m_session.Prefs());
    for (;;) {
        if (m_session.Ui().ShowModal(dialog) != QDialog::Accepted) return false;
        const ImbSetupForm form = dialog.Form();
        const std::string problem = settings::CheckImbSetup(
            {form.mailerId, form.serialOption, form.startSerial, form.fixedSerial});
        if (!problem.empty())
            m_session.Ui().Message(this, ShownText(problem), MessageIcon::Warning, Beep::Warning);
        TIMBSetUpDlog::Store(form, m_session.Prefs());
        m_session.SavePrefsOrReport(this);
        if (problem.empty()) return true;
    }
}

void TMainWindow::AddBarcodes() {
    if (m_running) return;
    const bool commandLine = m_session.Arguments().Present();
    if (!Preferences()) return;
    bool setUp = false;
    if (m_session.Prefs().Get(PrefLine::BarcodeKind) == "0") {
        setUp = IMBSetup();
        if (!setUp && commandLine) {
            m_session.Terminate(0);
            return;
        }
    }
    if (m_session.Prefs().Get(PrefLine::BarcodeKind) != "1" && !setUp) return;
    m_ui->Image1->Clear(ButtonFace());
    m_ui->Image1->repaint();
    lists::OpenMailingList(m_session, {*m_dialogs.verify, *m_dialogs.verifyImb}, *this);
    if (commandLine) m_session.Terminate(0);
}

void TMainWindow::StartCommandLineMode() {
    m_session.AddBarcodesToListThisSession();
    AddBarcodes();
}

QColor TMainWindow::ButtonFace() const {
    return QApplication::palette().color(QPalette::Button);
}

void TMainWindow::Hourglass(bool on) {
    if (on == m_hourglass) return;
    m_hourglass = on;
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

void TMainWindow::RunStarted(const QString& listName) {
    m_running = true;
    menuBar()->setEnabled(false);
    m_disabledForRun.clear();
    for (QAction* action : findChildren<QAction*>()) {
        if (!action->isEnabled()) continue;
        action->setEnabled(false);
        m_disabledForRun.push_back(action);
    }
    QImage& document = m_ui->Image1->Canvas();
    document.fill(ButtonFace());
    lists::DrawDocumentPicture(document);
    m_ui->BottomLabel->setText(listName);
    m_ui->TopLabel->show();
    m_ui->Image1->show();
    m_ui->BottomLabel->show();
    m_ui->Image1->update();
}

void TMainWindow::ShowStage(int stage) {
    lists::PictureBox& picture = *m_ui->Image2;
    picture.hide();
    lists::DrawAnimationStage(picture.Canvas(), stage, ButtonFace());
    picture.show();
    repaint();
    QEventLoop wait;
    connect(m_timer1, &QTimer::timeout, &wait, &QEventLoop::quit);
    m_timer1->start();
    wait.exec();
    m_timer1->stop();
}

void TMainWindow::RunEnded() {
    if (!m_running) return;
    m_running = false;
    for (QAction* action : m_disabledForRun) action->setEnabled(true);
    m_disabledForRun.clear();
    menuBar()->setEnabled(true);
}

void TMainWindow::Rest() {
    Hourglass(false);
    m_ui->Image1->Clear(ButtonFace());
    m_ui->Image1->hide();
    m_ui->TopLabel->hide();
    m_ui->BottomLabel->hide();
    m_ui->Image2->hide();
    repaint();
}

}  // namespace zolvane::gui::app
