#pragma once

// The main window: the menu of commands, and the pictures and labels that
// show a barcode run at work.

#include <memory>
#include <vector>

#include <QMainWindow>

#include "lists/progress_display.h"

class QAction;
class QPrinter;
class QTimer;

namespace Ui {
class TMainWindow;
}

namespace zolvane::gui::lists {
class TVerifyDlog;
class TVerifyIMBDlog;
}  // namespace zolvane::gui::lists

namespace zolvane::gui::app {

class Session;
class TIMBSetUpDlog;
class TPrefDlog;
class TWelcomeDlog;

class TMainWindow : public QMainWindow, public lists::ProgressDisplay {
    Q_OBJECT
  public:
    struct Dialogs {
        TWelcomeDlog* welcome = nullptr;
        TPrefDlog* prefs = nullptr;
        TIMBSetUpDlog* imbSetup = nullptr;
        lists::TVerifyDlog* verify = nullptr;
        lists::TVerifyIMBDlog* verifyImb = nullptr;
    };

    explicit TMainWindow(Session& session, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // The dialogs are created after the main window; they are handed over
    // once they all exist.
    void SetDialogs(const Dialogs& dialogs);

    void EndApplication();
    // The preferences dialog; true when confirmed (the settings then saved).
    bool Preferences();
    // The intelligent barcode setup, shown until its values pass the checks
    // or it is cancelled; true when they passed.
    bool IMBSetup();

    // "Add Barcodes to a File of Addresses".
    void AddBarcodes();
    // After the splash screen, for a program started with a list to barcode.
    void StartCommandLineMode();

    bool RunInProgress() const { return m_running; }

    // lists::ProgressDisplay
    QWidget* Window() override { return this; }
    void Hourglass(bool on) override;
    void RunStarted(const QString& listName) override;
    void ShowStage(int stage) override;
    void RunEnded() override;
    void Rest() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void ConnectMenu();
    void PrinterSetup();
    QColor ButtonFace() const;

    std::unique_ptr<Ui::TMainWindow> m_ui;
    Session& m_session;
    Dialogs m_dialogs;
    QTimer* m_timer1;
    std::unique_ptr<QPrinter> m_printer;
    bool m_running = false;
    std::vector<QAction*> m_disabledForRun;
    bool m_hourglass = false;
};

}  // namespace zolvane::gui::app
