#pragma once

// The preferences dialog, the first step of Add Barcodes: the kind of
// barcode, where the barcodes go, how a barcodes-only file is named and the
// POSTNET frame-bar character (prefs lines 1 to 4).

#include <memory>

#include <QDialog>

class QButtonGroup;

namespace Ui {
class TPrefDlog;
}

namespace zolvane::settings {
class Prefs;
}

namespace zolvane::gui::app {

class TPrefDlog : public QDialog {
    Q_OBJECT
  public:
    explicit TPrefDlog(QWidget* parent = nullptr);
    ~TPrefDlog() override;

    // The controls from prefs lines 1 to 4.
    void Load(const settings::Prefs& prefs);
    // Prefs lines 1 to 4 from the controls.
    void Store(settings::Prefs& prefs) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void ApplyEnablingRules();

    std::unique_ptr<Ui::TPrefDlog> m_ui;
    QButtonGroup* m_barcodeType;
    QButtonGroup* m_selectFile;
    QButtonGroup* m_fileName;
};

}  // namespace zolvane::gui::app
