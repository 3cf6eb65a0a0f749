#include "lists/field_id_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/interaction.h"
#include "app/look.h"
#include "app/session.h"
#include "lists/identify.h"
#include "lists/source.h"
#include "settings/prefs.h"
#include "text/bytes.h"

namespace zolvane::gui::lists {

using settings::PrefLine;
using zolvane::lists::FieldAssignment;

namespace {

QStringList Entries(const std::vector<std::string>& fields) {
    QStringList list;
    for (const auto& f : fields)
        list << QString::fromLatin1(f.data(), static_cast<qsizetype>(f.size()));
    return list;
}

void Select(QComboBox& combo, int field) {
    combo.setCurrentIndex(field >= 0 && field < combo.count() ? field : -1);
}

void SetBackground(QComboBox& combo, const QColor& colour) {
    QPalette palette = combo.palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    combo.setPalette(palette);
}

bool IsSerial(Role role) {
    return role == Role::SerialRead || role == Role::SerialWrite;
}

}  // namespace

FieldIdDialog::FieldIdDialog(app::Session& session, bool imb, QWidget* parent)
    : QDialog(parent), m_session(session), m_imb(imb) {}

void FieldIdDialog::Init(FieldIdControls controls) {
    m_c = std::move(controls);
    m_c.memo->setPlainText(QStringLiteral("This Memo holds the transfer info."));
    m_c.memo->hide();
    for (const FieldSelector& s : m_c.selectors) {
        s.combo->setMaxVisibleItems(20);
        s.combo->setEditable(false);
        QSizePolicy keep = s.combo->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        s.combo->setSizePolicy(keep);
        QSizePolicy keepLabel = s.label->sizePolicy();
        keepLabel.setRetainSizeWhenHidden(true);
        s.label->setSizePolicy(keepLabel);
        s.label->installEventFilter(this);
        const FieldSelector selector = s;
        connect(s.combo, &QComboBox::activated, this,
                [this, selector](int index) { Picked(selector, index); });
    }
    for (QLabel* label : {m_c.barcodeBlank, m_c.outfieldsLabel}) {
        if (!label) continue;
        QSizePolicy keep = label->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        label->setSizePolicy(keep);
    }
    m_c.okBtn->setDefault(true);
    connect(m_c.okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_c.cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_c.nextbtn, &QPushButton::clicked, this, [this] { Next(); });
    connect(m_c.prevbtn, &QPushButton::clicked, this, [this] { Previous(); });
    connect(m_c.clearBtn, &QPushButton::clicked, this, [this] { ClearSelections(); });
    connect(m_c.helpBtn, &QPushButton::clicked, this,
            [this] { m_session.OpenHelp("fields.html"); });
}

void FieldIdDialog::Prepare(zolvane::lists::ListSource& source) {
    m_source = &source;
}

void FieldIdDialog::SetMemoLines(const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines) text << QString::fromLatin1(line);
    m_c.memo->setPlainText(text.join(QLatin1Char('\n')));
}

std::vector<std::string> FieldIdDialog::MemoLines() const {
    std::vector<std::string> lines;
    for (const QString& line : m_c.memo->toPlainText().split(QLatin1Char('\n')))
        lines.push_back(line.toLatin1().toStdString());
    return lines;
}

void FieldIdDialog::showEvent(QShowEvent* event) {
    Activate();
    QDialog::showEvent(event);
    m_c.okBtn->setFocus();
}

bool FieldIdDialog::Browsable() const {
    return m_kindLabel == "Ascii Tab-Delimited" || m_kindLabel == "Ascii Comma-Delimited" ||
           m_kindLabel == "Excel";
}

int& FieldIdDialog::Value(Role role) {
    switch (role) {
        case Role::Zip9:
            return m_work.zip9;
        case Role::Zip5:
            return m_work.zip5;
        case Role::Zip4:
            return m_work.zip4;
        case Role::Dp:
            return m_work.dp;
        case Role::Address:
            return m_work.address;
        case Role::Oel:
            return m_work.oel;
        case Role::Barcode:
            return m_work.barcode;
        case Role::SerialRead:
        case Role::SerialWrite:
            break;
    }
    return m_work.serial;
}

void FieldIdDialog::Activate() {
    const std::vector<std::string> lines = MemoLines();
    auto line = [&](std::size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    auto count = [&](std::size_t i) {
        auto v = text::ParseInteger(line(i));
        return v && *v > 0 ? static_cast<std::size_t>(*v) : std::size_t{0};
    };
    m_kindLabel = line(0);
    m_path = line(1);
    m_records = count(2);
    m_fieldCount = count(3);
    m_work = zolvane::lists::ReadTransferMemo(lines, m_imb);

    m_c.prevbtn->setEnabled(false);
    m_c.nextbtn->setEnabled(!(Browsable() && m_records == 1));
    setWindowTitle(app::ShownText(m_path));
    m_c.fileTypeLabel->setText(
        QString::fromLatin1("Format: " + m_kindLabel + " - " + line(2) + " Records"));

    m_shown.assign(m_fieldCount, std::string());
    if (Browsable()) {
        m_viewed = 1;
        ReadRecord(1);
    } else {
        m_viewed = 0;
        ReadFieldNames();
    }
    ShowViewedRecord();
    Fill();
    ApplySettings();
}

void FieldIdDialog::ApplySettings() {
    const settings::Prefs& prefs = m_session.Prefs();
    const bool ascii = m_kindLabel.rfind("Ascii", 0) == 0;
    const bool intoList = prefs.Get(PrefLine::BarcodeOutput) == "0";
    const std::string& serialOption = prefs.Get(PrefLine::SerialOption);
    auto show = [&](Role role, bool visible) {
        for (const FieldSelector& s : m_c.selectors) {
            if (s.role != role) continue;
            s.combo->setVisible(visible);
            s.label->setVisible(visible);
        }
    };
    if (m_imb) {
        for (const FieldSelector& s : m_c.selectors) {
            if (s.role != Role::Oel) continue;
            if (prefs.Get(PrefLine::Oels) == "t") {
                s.combo->setEnabled(true);
                SetBackground(*s.combo, QApplication::palette(s.combo).color(QPalette::Base));
            } else {
                s.combo->setEnabled(false);
                SetBackground(*s.combo, QApplication::palette("QMenu").color(QPalette::Window));
                if (s.combo->count() == 0) s.combo->addItem(QString());
                s.combo->setItemText(0, QString::fromLatin1(kNotNeeded));
                s.combo->setCurrentIndex(0);
                m_work.oel = -1;
            }
        }
        show(Role::SerialWrite, serialOption == "0");
        m_c.barcodeBlank->setText(
            serialOption == "0" ? QStringLiteral("(If left blank, new fields will be added.)")
                                : QStringLiteral("(If left blank, a new field will be added.)"));
        show(Role::SerialRead, serialOption == "1");
    }
    show(Role::Barcode, intoList);
    m_c.barcodeBlank->setVisible(intoList && ascii);
    if (m_imb) {
        m_c.outfieldsLabel->setVisible(intoList);
        if (!intoList) show(Role::SerialWrite, false);
    }
}

void FieldIdDialog::Fill() {
    const QStringList entries = Entries(m_shown);
    for (const FieldSelector& s : m_c.selectors) {
        s.combo->clear();
        s.combo->addItems(entries);
        Select(*s.combo, Value(s.role));
    }
}

void FieldIdDialog::Clear(const FieldSelector& selector) {
    Value(selector.role) = -1;
    for (const FieldSelector& s : m_c.selectors) {
        if (s.combo == selector.combo || (IsSerial(s.role) && IsSerial(selector.role)))
            s.combo->setCurrentIndex(-1);
    }
}

void FieldIdDialog::Picked(const FieldSelector& picked, int field) {
    Value(picked.role) = field;
    auto clearRole = [&](Role role) {
        for (const FieldSelector& s : m_c.selectors)
            if (s.role == role) Clear(s);
    };
    switch (picked.role) {
        case Role::Zip9:
            clearRole(Role::Zip5);
            clearRole(Role::Zip4);
            break;
        case Role::Zip5:
        case Role::Zip4:
            clearRole(Role::Zip9);
            break;
        case Role::Dp:
            clearRole(Role::Address);
            break;
        case Role::Address:
            clearRole(Role::Dp);
            break;
        default:
            break;
    }
    for (const FieldSelector& s : m_c.selectors) {
        if (s.combo == picked.combo) continue;
        if (IsSerial(s.role) && IsSerial(picked.role)) {
            s.combo->setCurrentIndex(field);
            continue;
        }
        if (s.combo->currentIndex() == field) Clear(s);
    }
}

void FieldIdDialog::ClearSelections() {
    for (const FieldSelector& s : m_c.selectors) {
        if (s.role == Role::Oel && s.combo->currentText() == QLatin1String(kNotNeeded)) continue;
        Clear(s);
    }
}

bool FieldIdDialog::ReadRecord(std::size_t n) {
    std::vector<std::string> fields;
    if (!m_source || !m_source->ReadForView(n, fields)) {
        const auto notice = zolvane::lists::CouldNotReadNotice(std::filesystem::path(m_path));
        m_session.Ui().Message(this, app::ShownText(notice.text), app::MessageIcon::Error,
                               app::Beep::Warning);
        return false;
    }
    fields.resize(m_fieldCount);
    m_shown = std::move(fields);
    return true;
}

void FieldIdDialog::ReadFieldNames() {
    if (!m_source) return;
    m_shown = m_source->FieldNames();
    m_shown.resize(m_fieldCount);
}

void FieldIdDialog::ShowViewedRecord() {
    m_c.currentRecordLabel->setText(m_viewed == 0 ? QStringLiteral("Field List")
                                                  : QStringLiteral("Record %1").arg(m_viewed));
}

void FieldIdDialog::Next() {
    if (m_viewed >= m_records) return;
    if (!ReadRecord(m_viewed + 1)) return;
    Fill();
    ++m_viewed;
    ShowViewedRecord();
    if (m_viewed == m_records) m_c.nextbtn->setEnabled(false);
    m_c.prevbtn->setEnabled(true);
}

void FieldIdDialog::Previous() {
    if (m_viewed > 1) {
        if (!ReadRecord(m_viewed - 1)) return;
    } else if (m_viewed == 1 && !Browsable()) {
        ReadFieldNames();
    }
    Fill();
    if (m_viewed > 1 || (m_viewed == 1 && !Browsable())) --m_viewed;
    ShowViewedRecord();
    m_c.nextbtn->setEnabled(true);
    m_c.prevbtn->setEnabled(!(m_viewed == 0 || (m_viewed == 1 && Browsable())));
}

bool FieldIdDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (const FieldSelector& s : m_c.selectors) {
            if (s.label == watched) {
                Clear(s);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FieldIdDialog::done(int result) {
    if (m_source) {
        std::vector<std::string> lines = MemoLines();
        const auto chosen = zolvane::lists::TransferMemoLines(*m_source, m_work, m_imb);
        lines.resize(std::max(lines.size(), chosen.size()));
        for (std::size_t i = 4; i < chosen.size(); ++i) lines[i] = chosen[i];
        SetMemoLines(lines);
    }
    m_source = nullptr;
    m_shown.clear();
    QDialog::done(result);
}

}  // namespace zolvane::gui::lists
