#pragma once

// Every window of the program, created once, in the program's order, and
// kept until it ends.

#include <memory>

namespace zolvane::gui::lists {
class TVerifyDlog;
class TVerifyIMBDlog;
}  // namespace zolvane::gui::lists

namespace zolvane::gui::app {

class Session;
class TIMBSetUpDlog;
class TMainWindow;
class TPrefDlog;
class TWelcomeDlog;

class ProgramWindows {
  public:
    explicit ProgramWindows(Session& session);
    ~ProgramWindows();

    // The main window, then the splash screen over it (whose first showing
    // loads the settings).
    void Show();

    TWelcomeDlog& Welcome() { return *m_welcome; }
    TMainWindow& Main() { return *m_main; }
    lists::TVerifyDlog& Verify() { return *m_verify; }
    TPrefDlog& Prefs() { return *m_prefs; }
    TIMBSetUpDlog& ImbSetup() { return *m_imbSetup; }
    lists::TVerifyIMBDlog& VerifyImb() { return *m_verifyImb; }

  private:
    std::unique_ptr<TWelcomeDlog> m_welcome;
    std::unique_ptr<TMainWindow> m_main;
    std::unique_ptr<lists::TVerifyDlog> m_verify;
    std::unique_ptr<TPrefDlog> m_prefs;
    std::unique_ptr<TIMBSetUpDlog> m_imbSetup;
    std::unique_ptr<lists::TVerifyIMBDlog> m_verifyImb;
};

}  // namespace zolvane::gui::app
