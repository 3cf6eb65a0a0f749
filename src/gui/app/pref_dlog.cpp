#include "app/pref_dlog.h"

#include <QButtonGroup>

#include "app/look.h"
#include "app/radio_group.h"
#include "settings/prefs.h"
#include "ui_pref_dlog.h"

namespace zolvane::gui::app {

using settings::PrefLine;

namespace {

const char* const kHelpText =
    "What kind of barcodes: Intelligent Mail barcodes (IMBs) are the barcodes the USPS asks for "
    "today. Each one carries your mailer ID, your class of mail and service, a serial number for "
    "the piece and the ZIP+4 and delivery point of the address. Postnet barcodes carry only the "
    "ZIP+4 and the delivery point. Choose the kind that your mailing needs; the next screen asks "
    "for the facts an intelligent barcode holds.\n\n"
    "Where barcodes are saved: \"Add them to my file\" writes each barcode into your mailing "
    "list itself, in the barcode field that you choose or in a new field at the end of each "
    "record. \"Create a separate file\" leaves your list as it is and writes a text file with "
    "one barcode per line, in the order of your records, for a mail merge to pick up.\n\n"
    "Name of the barcodes-only file: \"barcode.txt\" puts the file Barcode.txt in the folder of "
    "your mailing list, replacing any earlier one. \"Ask for a file name\" lets you choose the "
    "name and the folder every time.\n\n"
    "Frame bar: a Postnet barcode starts and ends with a tall frame bar. Type the character that "
    "your Postnet font draws as that bar. With the Zolvbars12 font that came with Zolvane it is "
    "the forward slash /. Intelligent barcodes have no frame bars, so the box is greyed out "
    "while they are chosen.";

}  // namespace

TPrefDlog::TPrefDlog(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::TPrefDlog>()) {
    m_ui->setupUi(this);
    QFont heading = m_ui->HeadingLabel->font();
    heading.setBold(true);
    heading.setPointSizeF(10.5);
    m_ui->HeadingLabel->setFont(heading);
    m_ui->Image1->setPixmap(ProgramPicture(32));
    m_ui->HelpMemo->setPlainText(QString::fromLatin1(kHelpText));
    m_barcodeType = MakeRadioGroup(*m_ui->BarcodeType);
    m_selectFile = MakeRadioGroup(*m_ui->selectFile);
    m_fileName = MakeRadioGroup(*m_ui->FileName);
    connect(m_barcodeType, &QButtonGroup::idClicked, this, [this] { ApplyEnablingRules(); });
    connect(m_selectFile, &QButtonGroup::idClicked, this, [this] { ApplyEnablingRules(); });
    connect(m_ui->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    FixClientSize(*this, 491, 383);
}

TPrefDlog::~TPrefDlog() = default;

void TPrefDlog::Load(const settings::Prefs& prefs) {
    SelectPosition(*m_barcodeType, prefs.GetInt(PrefLine::BarcodeKind));
    SelectPosition(*m_selectFile, prefs.GetInt(PrefLine::BarcodeOutput));
    SelectPosition(*m_fileName, prefs.GetInt(PrefLine::BarcodesOnlyName));
    m_ui->leftBar->setText(QString::fromLatin1(prefs.Get(PrefLine::FrameBar)));
}

void TPrefDlog::Store(settings::Prefs& prefs) const {
    prefs.Put(PrefLine::BarcodeKind, std::to_string(m_barcodeType->checkedId()));
    prefs.Put(PrefLine::BarcodeOutput, std::to_string(m_selectFile->checkedId()));
    prefs.Put(PrefLine::BarcodesOnlyName, std::to_string(m_fileName->checkedId()));
    prefs.Put(PrefLine::FrameBar, m_ui->leftBar->text().toLatin1().toStdString());
}

void TPrefDlog::showEvent(QShowEvent* event) {
    ApplyEnablingRules();
    QDialog::showEvent(event);
}

void TPrefDlog::ApplyEnablingRules() {
    m_ui->FileName->setEnabled(m_selectFile->checkedId() != 0);
    EnableWithSilver(*m_ui->leftBar, m_barcodeType->checkedId() != 0);
}

}  // namespace zolvane::gui::app
