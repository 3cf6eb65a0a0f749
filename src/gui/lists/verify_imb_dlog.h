#pragma once

// The field identification dialog for intelligent barcodes: the POSTNET
// dialog's twin, with selectors for the OELs and the serial numbers.

#include <memory>

#include "lists/field_id_dialog.h"

namespace Ui {
class TVerifyIMBDlog;
}

namespace zolvane::gui::lists {

class TVerifyIMBDlog : public FieldIdDialog {
    Q_OBJECT
  public:
    explicit TVerifyIMBDlog(app::Session& session, QWidget* parent = nullptr);
    ~TVerifyIMBDlog() override;

  private:
    std::unique_ptr<Ui::TVerifyIMBDlog> m_ui;
};

}  // namespace zolvane::gui::lists
