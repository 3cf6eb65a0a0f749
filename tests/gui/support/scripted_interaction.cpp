#include "support/scripted_interaction.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>

namespace zolvane::gui::testing {

void ScriptedInteraction::Accept(const QString& name, Act act) {
    m_dialogs.push_back({name, std::move(act), true});
}

void ScriptedInteraction::Cancel(const QString& name, Act act) {
    m_dialogs.push_back({name, std::move(act), false});
}

void ScriptedInteraction::ChooseFile(const QString& path) {
    m_files.push_back(path);
}

void ScriptedInteraction::Message(QWidget*, const QString& text, app::MessageIcon icon,
                                  app::Beep beep) {
    const char* kind = icon == app::MessageIcon::Warning ? "warning"
                       : icon == app::MessageIcon::Error ? "error"
                                                         : "information";
    const char* sound = beep == app::Beep::Warning ? "warning beep"
                        : beep == app::Beep::Error ? "error beep"
                                                   : "no beep";
    m_shown.push_back(std::string(kind) + ", " + sound + ": " + text.toStdString());
}

QString ScriptedInteraction::NextFile(const char* what, const app::FileRequest& request) {
    m_lastRequest = request;
    m_shown.push_back(std::string(what) + ": " + request.title.toStdString() + " [" +
                      request.folder.toStdString() + "]");
    if (m_files.empty()) return {};
    QString path = m_files.front();
    m_files.pop_front();
    return path;
}

QString ScriptedInteraction::OpenFile(QWidget*, const app::FileRequest& request) {
    return NextFile("open file", request);
}

QString ScriptedInteraction::SaveFile(QWidget*, const app::FileRequest& request) {
    return NextFile("save file", request);
}

int ScriptedInteraction::ShowModal(QDialog& dialog) {
    m_shown.push_back("dialog " + dialog.objectName().toStdString());
    dialog.show();
    QCoreApplication::processEvents();
    if (m_dialogs.empty() || m_dialogs.front().name != dialog.objectName()) {
        m_shown.back() += " (not expected)";
        dialog.reject();
        return dialog.result();
    }
    DialogAnswer answer = std::move(m_dialogs.front());
    m_dialogs.pop_front();
    if (answer.act) answer.act(dialog);
    if (!dialog.isVisible()) return dialog.result();
    // The user presses the dialog's own button where it has one.
    const char* button = answer.accept ? "OKBtn" : "CancelBtn";
    if (auto* b = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button))) b->click();
    if (dialog.isVisible()) answer.accept ? dialog.accept() : dialog.reject();
    return dialog.result();
}

void ScriptedInteraction::OpenHelpPage(const QString& path) {
    m_shown.push_back("help: " + path.toStdString());
}

void ScriptedInteraction::PrinterSetup(QWidget*, QPrinter&) {
    m_shown.push_back("printer setup");
}

}  // namespace zolvane::gui::testing
