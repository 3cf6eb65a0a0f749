#include "app/qt_interaction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>

namespace zolvane::gui::app {

void QtInteraction::Message(QWidget* parent, const QString& text, MessageIcon icon, Beep beep) {
    if (beep != Beep::None) QApplication::beep();
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    QString caption = QStringLiteral("Information");
    if (icon == MessageIcon::Warning) {
        boxIcon = QMessageBox::Warning;
        caption = QStringLiteral("Warning");
    } else if (icon == MessageIcon::Error) {
        boxIcon = QMessageBox::Critical;
        caption = QStringLiteral("Error");
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

namespace {
QString RunFileDialog(QWidget* parent, const FileRequest& request, bool save) {
    QFileDialog dialog(parent, request.title, request.folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.filters.isEmpty()) dialog.setNameFilters(request.filters);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}
}  // namespace

QString QtInteraction::OpenFile(QWidget* parent, const FileRequest& request) {
    return RunFileDialog(parent, request, false);
}

QString QtInteraction::SaveFile(QWidget* parent, const FileRequest& request) {
    return RunFileDialog(parent, request, true);
}

int QtInteraction::ShowModal(QDialog& dialog) {
    return dialog.exec();
}

void QtInteraction::OpenHelpPage(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtInteraction::PrinterSetup(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

}  // namespace zolvane::gui::app
