#include "lists/verify_dlog.h"

#include "lists/identification_look.h"
#include "ui_verify_dlog.h"

namespace zolvane::gui::lists {

TVerifyDlog::TVerifyDlog(app::Session& session, QWidget* parent)
    : FieldIdDialog(session, false, parent), m_ui(std::make_unique<Ui::TVerifyDlog>()) {
    m_ui->setupUi(this);
    StyleIdentificationForm(*this, *m_ui->HeadingLabel, *m_ui->Memo2);
    FieldIdControls c = CommonFieldIdControls(*m_ui);
    c.selectors = {
        {Role::Zip9, m_ui->zip9, m_ui->zipLabel},
        {Role::Zip5, m_ui->zip5, m_ui->Zip5Label},
        {Role::Zip4, m_ui->zip4, m_ui->Zip4Label},
        {Role::Dp, m_ui->dp, m_ui->dpLabel},
        {Role::Address, m_ui->address, m_ui->addressLabel},
        {Role::Barcode, m_ui->barcode, m_ui->barcodeLabel},
    };
    Init(std::move(c));
}

TVerifyDlog::~TVerifyDlog() = default;

}  // namespace zolvane::gui::lists
