#include "support/widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace zolvane::gui::testing {

void Click(const QObject& root, const char* name) {
    Find<QAbstractButton>(root, name).click();
}

void Type(const QObject& root, const char* name, const QString& text) {
    auto& edit = Find<QLineEdit>(root, name);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClicks(&edit, text);
}

void Pick(const QObject& root, const char* combo, int index) {
    auto& box = Find<QComboBox>(root, combo);
    if (index < 0 || index >= box.count())
        throw std::runtime_error(std::string(combo) + " has no entry " + std::to_string(index));
    box.setCurrentIndex(index);
    Q_EMIT box.activated(index);
}

void DoubleClick(const QObject& root, const char* name) {
    QTest::mouseDClick(&Find<QWidget>(root, name), Qt::LeftButton);
}

int Selected(const QObject& root, const char* combo) {
    return Find<QComboBox>(root, combo).currentIndex();
}

QString SelectedText(const QObject& root, const char* combo) {
    return Find<QComboBox>(root, combo).currentText();
}

QStringList Entries(const QObject& root, const char* combo) {
    auto& box = Find<QComboBox>(root, combo);
    QStringList list;
    for (int i = 0; i < box.count(); ++i) list << box.itemText(i);
    return list;
}

QString Text(const QObject& root, const char* name) {
    QWidget& w = Find<QWidget>(root, name);
    if (auto* label = qobject_cast<QLabel*>(&w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(&w)) return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(&w)) return group->title();
    return w.windowTitle();
}

bool Checked(const QObject& root, const char* name) {
    return Find<QAbstractButton>(root, name).isChecked();
}

bool Enabled(const QObject& root, const char* name) {
    return Find<QWidget>(root, name).isEnabled();
}

bool Visible(const QObject& root, const char* name) {
    QWidget& w = Find<QWidget>(root, name);
    return w.isVisibleTo(w.window());
}

int Choice(const QObject& root, const char* group) {
    auto& box = Find<QGroupBox>(root, group);
    int position = 0;
    for (QRadioButton* b : box.findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (b->isChecked()) return position;
        ++position;
    }
    return -1;
}

bool WaitUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QTest::qWait(5);
    }
    return true;
}

}  // namespace zolvane::gui::testing
