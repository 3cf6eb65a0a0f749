#pragma once

// The intelligent barcode setup: the mailer ID, class of mail, service,
// address correction, Tracing/Confirm, OELs and serial numbers that every
// intelligent barcode of a run carries (prefs lines 9 to 15, 19 and 20).

#include <memory>
#include <string>

#include <QDialog>

class QButtonGroup;

namespace Ui {
class TIMBSetUpDlog;
}

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::gui::app {

// What the dialog holds, as the settings store it.
struct ImbSetupForm {
    std::string mailerId;
    std::string startSerial;
    std::string mailClass;
    std::string service;
    std::string addressCorrection;
    std::string confirm;  // "t" / "f"
    std::string oels;     // "t" / "f"
    std::string serialOption;
    std::string fixedSerial;
};

class TIMBSetUpDlog : public QDialog {
    Q_OBJECT
  public:
    explicit TIMBSetUpDlog(QWidget* parent = nullptr);
    ~TIMBSetUpDlog() override;

    void Load(const settings::Prefs& prefs);
    ImbSetupForm Form() const;
    static void Store(const ImbSetupForm& form, settings::Prefs& prefs);

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void ApplyDependentControls();
    void ACSClick();
    void PlaceFixedSerial();

    std::unique_ptr<Ui::TIMBSetUpDlog> m_ui;
    QButtonGroup* m_mailClass;
    QButtonGroup* m_service;
    QButtonGroup* m_acs;
    QButtonGroup* m_serialType;
    // Remembered while the dialog is open, reset each time it is shown.
    int m_previousClass = 0;
    int m_previousAcs = 0;
    bool m_previousConfirm = false;
};

}  // namespace zolvane::gui::app
