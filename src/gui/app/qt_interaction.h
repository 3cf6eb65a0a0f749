#pragma once

// The program's own Interaction: Qt's message boxes, file dialogs and
// desktop services.

#include "app/interaction.h"

namespace zolvane::gui::app {

class QtInteraction final : public Interaction {
  public:
    void Message(QWidget* parent, const QString& text, MessageIcon icon, Beep beep) override;
    QString OpenFile(QWidget* parent, const FileRequest& request) override;
    QString SaveFile(QWidget* parent, const FileRequest& request) override;
    int ShowModal(QDialog& dialog) override;
    void OpenHelpPage(const QString& path) override;
    void PrinterSetup(QWidget* parent, QPrinter& printer) override;
};

}  // namespace zolvane::gui::app
