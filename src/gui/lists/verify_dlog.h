#pragma once

// The field identification dialog for POSTNET barcodes.

#include <memory>

#include "lists/field_id_dialog.h"

namespace Ui {
class TVerifyDlog;
}

namespace zolvane::gui::lists {

class TVerifyDlog : public FieldIdDialog {
    Q_OBJECT
  public:
    explicit TVerifyDlog(app::Session& session, QWidget* parent = nullptr);
    ~TVerifyDlog() override;

  private:
    std::unique_ptr<Ui::TVerifyDlog> m_ui;
};

}  // namespace zolvane::gui::lists
