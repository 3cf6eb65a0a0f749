#pragma once

// Everything a flow shows the user goes through this one interface: message
// boxes with their beep, the file dialogs, modal dialogs, help pages and the
// printer setup. The program implements it with Qt; tests implement it with
// a script of answers and a record of what was shown.

#include <QString>
#include <QStringList>

class QDialog;
class QPrinter;
class QWidget;

namespace zolvane::gui::app {

enum class MessageIcon { Warning, Error, Information };
enum class Beep { None, Warning, Error };

struct FileRequest {
    QString title;
    QString folder;         // where the dialog starts; empty for the default
    QStringList filters;    // Qt name filters, the first one selected
    QString defaultSuffix;  // save dialogs: added when the name has none
};

class Interaction {
  public:
    virtual ~Interaction() = default;

    // A modal box with one OK button, after the beep. Lines are separated by
    // "\n".
    virtual void Message(QWidget* parent, const QString& text, MessageIcon icon, Beep beep) = 0;

    // The chosen file's full path; empty when cancelled. Open: the file must
    // exist. Save: asks before replacing a file.
    virtual QString OpenFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString SaveFile(QWidget* parent, const FileRequest& request) = 0;

    // Shows the dialog modally and returns QDialog::Accepted or Rejected.
    virtual int ShowModal(QDialog& dialog) = 0;

    // Hands a help page to the desktop; whatever happens then is the
    // desktop's business.
    virtual void OpenHelpPage(const QString& path) = 0;

    virtual void PrinterSetup(QWidget* parent, QPrinter& printer) = 0;
};

}  // namespace zolvane::gui::app
