#pragma once

// The splash screen: shown at start-up for three seconds (its first showing
// loads the settings), and again in About mode from the Help menu.

#include <memory>

#include <QDialog>

class QTimer;

namespace Ui {
class TWelcomeDlog;
}

namespace zolvane::gui::app {

class Session;

class TWelcomeDlog : public QDialog {
    Q_OBJECT
  public:
    explicit TWelcomeDlog(Session& session, QWidget* parent = nullptr);
    ~TWelcomeDlog() override;

    // About mode: the settings are loaded again, the "OK" button shows and no
    // timer runs.
    void ShowAbout();
    bool IsAbout() const { return m_about; }

    static QString VersionLine();

  signals:
    // The start-up timer has hidden the splash and the program was started
    // with a list to barcode.
    void StartCommandLine();

  protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Activate();
    void TimerFired();

    std::unique_ptr<Ui::TWelcomeDlog> m_ui;
    Session& m_session;
    QTimer* m_timer;
    bool m_about = false;
};

}  // namespace zolvane::gui::app
