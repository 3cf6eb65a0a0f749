#pragma once

// The interaction seam for tests: the user's answers are scripted in the
// order the program asks for them, and everything the program shows is
// recorded, one line each.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QString>

#include "app/interaction.h"

namespace zolvane::gui::testing {

class ScriptedInteraction final : public app::Interaction {
  public:
    using Act = std::function<void(QDialog&)>;

    // The next modal dialog must be `name` (its objectName); the user does
    // `act` on it, then presses its OK or Cancel button.
    void Accept(const QString& name, Act act = {});
    void Cancel(const QString& name, Act act = {});
    // The next file dialog's answer; an empty path cancels it.
    void ChooseFile(const QString& path);

    // What was shown, in order:
    //   "dialog TPrefDlog"
    //   "warning, warning beep: <text>"  (also "error", "information"; "no beep")
    //   "open file: <title> [<folder>]", "save file: <title> [<folder>]"
    //   "help: <path>", "printer setup"
    const std::vector<std::string>& Shown() const { return m_shown; }
    void ClearShown() { m_shown.clear(); }
    // Answers the program did not ask for.
    std::size_t Unused() const { return m_dialogs.size() + m_files.size(); }

    void Message(QWidget* parent, const QString& text, app::MessageIcon icon,
                 app::Beep beep) override;
    QString OpenFile(QWidget* parent, const app::FileRequest& request) override;
    QString SaveFile(QWidget* parent, const app::FileRequest& request) override;
    int ShowModal(QDialog& dialog) override;
    void OpenHelpPage(const QString& path) override;
    void PrinterSetup(QWidget* parent, QPrinter& printer) override;

    // The last file request, for its filters and suffix.
    const app::FileRequest& LastFileRequest() const { return m_lastRequest; }

  private:
    struct DialogAnswer {
        QString name;
        Act act;
        bool accept;
    };
    QString NextFile(const char* what, const app::FileRequest& request);

    std::deque<DialogAnswer> m_dialogs;
    std::deque<QString> m_files;
    std::vector<std::string> m_shown;
    app::FileRequest m_lastRequest;
};

}  // namespace zolvane::gui::testing
