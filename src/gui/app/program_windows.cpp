#include "app/program_windows.h"

#include "app/imb_setup_dlog.h"
#include "app/look.h"
#include "app/main_window.h"
#include "app/pref_dlog.h"
#include "app/welcome_dlog.h"
#include "lists/verify_dlog.h"
#include "lists/verify_imb_dlog.h"

namespace zolvane::gui::app {

ProgramWindows::ProgramWindows(Session& session)
    : m_welcome(std::make_unique<TWelcomeDlog>(session)),
      m_main(std::make_unique<TMainWindow>(session)),
      m_verify(std::make_unique<lists::TVerifyDlog>(session)),
      m_prefs(std::make_unique<TPrefDlog>()),
      m_imbSetup(std::make_unique<TIMBSetUpDlog>()),
      m_verifyImb(std::make_unique<lists::TVerifyIMBDlog>(session)) {
    m_main->SetDialogs(
        {m_welcome.get(), m_prefs.get(), m_imbSetup.get(), m_verify.get(), m_verifyImb.get()});
    QObject::connect(m_welcome.get(), &TWelcomeDlog::StartCommandLine, m_main.get(),
                     &TMainWindow::StartCommandLineMode);
}

ProgramWindows::~ProgramWindows() = default;

void ProgramWindows::Show() {
    m_main->show();
    CentreOnScreen(*m_main);
    m_welcome->show();
}

}  // namespace zolvane::gui::app
