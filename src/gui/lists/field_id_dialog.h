#pragma once

// What the two field identification dialogs share: a selector per role that
// lists the fields of the list, one field for one role, browsing through the
// records, and the hidden memo that carries the assignment in and out.

#include <string>
#include <vector>

#include <QDialog>

#include "lists/field_assignment.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zolvane::lists {
class ListSource;
}

namespace zolvane::gui::app {
class Session;
}

namespace zolvane::gui::lists {

enum class Role { Zip9, Zip5, Zip4, Dp, Address, SerialRead, Oel, Barcode, SerialWrite };

struct FieldSelector {
    Role role;
    QComboBox* combo;
    QLabel* label;
};

struct FieldIdControls {
    QPlainTextEdit* memo = nullptr;
    QLabel* fileTypeLabel = nullptr;
    QLabel* currentRecordLabel = nullptr;
    QLabel* barcodeBlank = nullptr;
    QLabel* outfieldsLabel = nullptr;  // the intelligent dialog's
    QPushButton* nextbtn = nullptr;
    QPushButton* prevbtn = nullptr;
    QPushButton* clearBtn = nullptr;
    QPushButton* helpBtn = nullptr;
    QPushButton* okBtn = nullptr;
    QPushButton* cancelBtn = nullptr;
    std::vector<FieldSelector> selectors;
};

// The controls both identification forms have, under the same names.
template <class Form>
FieldIdControls CommonFieldIdControls(Form& ui) {
    FieldIdControls c;
    c.memo = ui.Memo1;
    c.fileTypeLabel = ui.fileTypeLabel;
    c.currentRecordLabel = ui.CurrentRecordLabel;
    c.barcodeBlank = ui.barcodeBlank;
    c.nextbtn = ui.nextbtn;
    c.prevbtn = ui.prevbtn;
    c.clearBtn = ui.ClearBtn;
    c.helpBtn = ui.HelpBtn;
    c.okBtn = ui.OKBtn;
    c.cancelBtn = ui.CancelBtn;
    return c;
}

class FieldIdDialog : public QDialog {
    Q_OBJECT
  public:
    // The list the dialog browses during its next showing.
    void Prepare(zolvane::lists::ListSource& source);

    // Memo1's lines: the caller's before the dialog is shown, with the
    // user's choices from line 4 on after it has closed.
    void SetMemoLines(const std::vector<std::string>& lines);
    std::vector<std::string> MemoLines() const;

    bool IsIntelligent() const { return m_imb; }

    void done(int result) override;

    static constexpr const char* kNotNeeded = "** not needed **";

  protected:
    FieldIdDialog(app::Session& session, bool imb, QWidget* parent);
    // Called by each dialog once its form is set up.
    void Init(FieldIdControls controls);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Activate();
    void ApplySettings();
    void Fill();
    void Picked(const FieldSelector& picked, int field);
    void Clear(const FieldSelector& selector);
    void ClearSelections();
    void Next();
    void Previous();
    bool ReadRecord(std::size_t n);
    void ReadFieldNames();
    void ShowViewedRecord();
    int& Value(Role role);
    bool Browsable() const;

    app::Session& m_session;
    const bool m_imb;
    FieldIdControls m_c;
    zolvane::lists::ListSource* m_source = nullptr;
    std::string m_kindLabel;
    std::string m_path;
    std::size_t m_records = 0;
    std::size_t m_fieldCount = 0;
    zolvane::lists::FieldAssignment m_work;
    std::vector<std::string> m_shown;
    std::size_t m_viewed = 0;
};

}  // namespace zolvane::gui::lists
