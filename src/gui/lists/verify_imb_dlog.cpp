#include "lists/verify_imb_dlog.h"

#include "lists/identification_look.h"
#include "ui_verify_imb_dlog.h"

namespace zolvane::gui::lists {

TVerifyIMBDlog::TVerifyIMBDlog(app::Session& session, QWidget* parent)
    : FieldIdDialog(session, true, parent), m_ui(std::make_unique<Ui::TVerifyIMBDlog>()) {
    m_ui->setupUi(this);
    StyleIdentificationForm(*this, *m_ui->HeadingLabel, *m_ui->Memo2);
    FieldIdControls c = CommonFieldIdControls(*m_ui);
    c.outfieldsLabel = m_ui->OutfieldsLabel;
    c.selectors = {
        {Role::Zip9, m_ui->zip9, m_ui->zipLabel},
        {Role::Zip5, m_ui->zip5, m_ui->Zip5Label},
        {Role::Zip4, m_ui->zip4, m_ui->Zip4Label},
        {Role::Dp, m_ui->dp, m_ui->DPlabel},
        {Role::Address, m_ui->address, m_ui->addressLabel},
        {Role::SerialRead, m_ui->serialread, m_ui->serialreadlabel},
        {Role::Oel, m_ui->OEL, m_ui->LabelOEL},
        {Role::Barcode, m_ui->barcode, m_ui->barcodeLabel},
        {Role::SerialWrite, m_ui->serialwrite, m_ui->serialwritelabel},
    };
    Init(std::move(c));
}

TVerifyIMBDlog::~TVerifyIMBDlog() = default;

}  // namespace zolvane::gui::lists
