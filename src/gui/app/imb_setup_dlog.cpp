#include "app/imb_setup_dlog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QStyleOptionButton>

#include "app/look.h"
#include "app/radio_group.h"
#include "settings/prefs.h"
#include "ui_imb_setup_dlog.h"

namespace zolvane::gui::app {

using settings::PrefLine;

namespace {

constexpr int kPeriodical = 2;
constexpr int kBoundPrinted = 3;
constexpr int kFullService = 1;
constexpr int kFixedSerial = 2;

const char* const kHelpText =
    "Mailer ID: the 6-digit or 9-digit number that the USPS assigned to you (or to your mailing "
    "service) for Intelligent Mail. It is NOT your permit number. You find it in the Business "
    "Customer Gateway.\n\n"
    "Class of mail: First Class, Standard Class, Periodical Class or Bound Printed Matter. The "
    "class, together with the service and the address correction you choose, decides the "
    "service type code that each barcode carries.\n\n"
    "Service option: Full Service barcodes let the USPS track your mail and earn the full "
    "service discounts. Basic Service barcodes are accepted for automation prices but are not "
    "tracked. Nonautomation pieces can still carry the barcode for address correction and "
    "Confirm.\n\n"
    "Address correction: choose how you want to hear about moved addresses. The barcode asks "
    "for the service, but you must still mark the mail with the endorsement that asks for "
    "forwarding and address notification.\n\n"
    "IMB Tracing / Confirm: tick the box if you have signed up for IMB Tracing (formerly "
    "Confirm) to follow your mail through the mail stream. It is not offered for Bound Printed "
    "Matter.\n\n"
    "OELs: tick the box if you mail flats with Optional Endorsement Lines. Your list must then "
    "have a field that holds the OEL of each piece; Zolvane reads it and puts the sort level "
    "into the barcode.\n\n"
    "Serial numbers: each piece of Full Service mail needs a serial number that the same mailer "
    "ID does not use again for the same class of mail within 45 days. \"Auto sequence\" numbers "
    "the pieces from the number you give and remembers where it stopped for the next run. "
    "\"Use serial numbers already in my file\" reads them from a field of your list. \"No "
    "serials\" puts the one number you give on every piece, which is fine for Basic Service "
    "only. A 9-digit mailer ID leaves room for serial numbers of up to 6 digits, a 6-digit "
    "mailer ID for up to 9 digits.";

const char* const kClassItems[][3] = {
    {"No Address Corrections", "ACS Address Svc (1-Code or Traditional)",
     "ACS Change Svc (1-Code or Traditional)"},
    {"", "ACS without printed ACS endorsement", "ACS with printed ACS endorsement"},
};

}  // namespace

TIMBSetUpDlog::TIMBSetUpDlog(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TIMBSetUpDlog>()) {
    m_ui->setupUi(this);
    QFont heading = m_ui->HeadingLabel->font();
    heading.setBold(true);
    m_ui->HeadingLabel->setFont(heading);
    m_ui->Image1->setPixmap(ProgramPicture(32));
    m_ui->HelpMemo->setPlainText(QString::fromLatin1(kHelpText));
    m_ui->fixedSerial->raise();
    // Flat groups with narrow margins leave the long item texts their width.
    for (QGroupBox* box : {m_ui->MailClass, m_ui->service, m_ui->ACS, m_ui->serialtype})
        box->layout()->setContentsMargins(2, 3, 0, 2);
    m_mailClass = MakeRadioGroup(*m_ui->MailClass);
    m_service = MakeRadioGroup(*m_ui->service);
    m_acs = MakeRadioGroup(*m_ui->ACS);
    m_serialType = MakeRadioGroup(*m_ui->serialtype);
    connect(m_mailClass, &QButtonGroup::idClicked, this, [this] { ApplyDependentControls(); });
    connect(m_service, &QButtonGroup::idClicked, this, [this] { ApplyDependentControls(); });
    connect(m_serialType, &QButtonGroup::idClicked, this, [this] { ApplyDependentControls(); });
    connect(m_acs, &QButtonGroup::idClicked, this, [this] { ACSClick(); });
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    FixClientSize(*this, 489, 381);
}

TIMBSetUpDlog::~TIMBSetUpDlog() = default;

void TIMBSetUpDlog::Load(const settings::Prefs& prefs) {
    auto text = [&](PrefLine line) { return QString::fromLatin1(prefs.Get(line)); };
    m_ui->MailerID->setText(text(PrefLine::MailerId));
    m_ui->SerialNo->setText(text(PrefLine::NextSerial));
    SelectPosition(*m_mailClass, prefs.GetInt(PrefLine::MailClass));
    SelectPosition(*m_service, prefs.GetInt(PrefLine::ImbService));
    SelectPosition(*m_acs, prefs.GetInt(PrefLine::AddressCorrection));
    m_ui->confirm->setEnabled(true);
    m_ui->confirm->setChecked(prefs.Get(PrefLine::Confirm) == "t");
    m_ui->OELs->setChecked(prefs.Get(PrefLine::Oels) == "t");
    SelectPosition(*m_serialType, prefs.GetInt(PrefLine::SerialOption));
    m_ui->fixedSerial->setText(text(PrefLine::FixedSerial));
}

ImbSetupForm TIMBSetUpDlog::Form() const {
    auto bytes = [](const QString& s) { return s.toLatin1().toStdString(); };
    auto flag = [](bool b) { return std::string(b ? "t" : "f"); };
    return {bytes(m_ui->MailerID->text()),
            bytes(m_ui->SerialNo->text()),
            std::to_string(m_mailClass->checkedId()),
            std::to_string(m_service->checkedId()),
            std::to_string(m_acs->checkedId()),
            flag(m_ui->confirm->isChecked()),
            flag(m_ui->OELs->isChecked()),
            std::to_string(m_serialType->checkedId()),
            bytes(m_ui->fixedSerial->text())};
}

void TIMBSetUpDlog::Store(const ImbSetupForm& form, settings::Prefs& prefs) {
    prefs.Put(PrefLine::MailerId, form.mailerId);
    prefs.Put(PrefLine::NextSerial, form.startSerial);
    prefs.Put(PrefLine::MailClass, form.mailClass);
    prefs.Put(PrefLine::ImbService, form.service);
    prefs.Put(PrefLine::AddressCorrection, form.addressCorrection);
    prefs.Put(PrefLine::Confirm, form.confirm);
    prefs.Put(PrefLine::Oels, form.oels);
    prefs.Put(PrefLine::SerialOption, form.serialOption);
    prefs.Put(PrefLine::FixedSerial, form.fixedSerial);
}

void TIMBSetUpDlog::showEvent(QShowEvent* event) {
    m_previousClass = 0;
    m_previousAcs = 0;
    m_previousConfirm = false;
    ApplyDependentControls();
    QDialog::showEvent(event);
    PlaceFixedSerial();
}

void TIMBSetUpDlog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceFixedSerial();
}

void TIMBSetUpDlog::ApplyDependentControls() {
    const int mailClass = m_mailClass->checkedId();
    QCheckBox& confirm = *m_ui->confirm;
    if (mailClass == kBoundPrinted) {
        confirm.setChecked(false);
        confirm.setEnabled(false);
    } else if (m_previousClass == kBoundPrinted) {
        confirm.setChecked(m_previousConfirm);
        confirm.setEnabled(true);
    }

    const auto& items = kClassItems[mailClass == kPeriodical ? 1 : 0];
    m_acs->button(0)->setText(QString::fromLatin1(items[0]));
    m_acs->button(2)->setText(QString::fromLatin1(items[1]));
    m_acs->button(3)->setText(QString::fromLatin1(items[2]));
    if (mailClass == kPeriodical && m_acs->checkedId() == 0) m_acs->button(1)->setChecked(true);

    m_previousClass = mailClass;
    m_previousAcs = m_acs->checkedId();
    if (mailClass != kBoundPrinted) m_previousConfirm = confirm.isChecked();

    const bool fullService = m_service->checkedId() == kFullService;
    if (fullService && m_serialType->checkedId() == kFixedSerial)
        m_serialType->button(0)->setChecked(true);
    m_serialType->button(kFixedSerial)->setEnabled(!fullService);
    EnableWithSilver(*m_ui->fixedSerial, !fullService);
}

void TIMBSetUpDlog::ACSClick() {
    if (m_mailClass->checkedId() == kPeriodical && m_acs->checkedId() == 0) {
        if (QAbstractButton* remembered = m_acs->button(m_previousAcs))
            remembered->setChecked(true);
    }
    m_previousAcs = m_acs->checkedId();
}

// The fixed serial number's box sits in the gap of the third serial option,
// wherever the font puts that gap.
void TIMBSetUpDlog::PlaceFixedSerial() {
    QRadioButton& option = *m_ui->serialtype2;
    QStyleOptionButton style;
    style.initFrom(&option);
    const QRect contents =
        option.style()->subElementRect(QStyle::SE_RadioButtonContents, &style, &option);
    const QFontMetrics metrics(option.font());
    const QString text = option.text();
    const int gapStart = text.indexOf(QStringLiteral("Use ")) + 4;
    int gapEnd = gapStart;
    while (gapEnd < text.size() && text[gapEnd] == QLatin1Char(' ')) ++gapEnd;
    const int left = contents.left() + metrics.horizontalAdvance(text.left(gapStart));
    const int width = metrics.horizontalAdvance(text.mid(gapStart, gapEnd - gapStart)) - 4;
    const QPoint origin = option.mapTo(m_ui->serialtype, QPoint(left, 0));
    QLineEdit& edit = *m_ui->fixedSerial;
    edit.setGeometry(origin.x() + 2, origin.y() + (option.height() - edit.height()) / 2,
                     std::max(width, 40), edit.height());
}

}  // namespace zolvane::gui::app
