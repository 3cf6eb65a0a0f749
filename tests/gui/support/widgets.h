#pragma once

// Finding and working the controls of a window by objectName, as a user
// would: clicks, typing, picks in drop-down lists.

#include <functional>
#include <stdexcept>
#include <string>

#include <QStringList>
#include <QWidget>

namespace zolvane::gui::testing {

template <class W>
W& Find(const QObject& root, const char* name) {
    W* w = root.findChild<W*>(QString::fromLatin1(name));
    if (!w) throw std::runtime_error(std::string("no control named ") + name);
    return *w;
}

void Click(const QObject& root, const char* name);
// Replaces the edit's text by typing.
void Type(const QObject& root, const char* name, const QString& text);
void Pick(const QObject& root, const char* combo, int index);
void DoubleClick(const QObject& root, const char* name);

int Selected(const QObject& root, const char* combo);
QString SelectedText(const QObject& root, const char* combo);
QStringList Entries(const QObject& root, const char* combo);
QString Text(const QObject& root, const char* name);  // label, edit or button
bool Checked(const QObject& root, const char* name);
bool Enabled(const QObject& root, const char* name);
// Not hidden within its window (the window itself may be closed).
bool Visible(const QObject& root, const char* name);
// The position of the checked button of a radio group box; -1 when none.
int Choice(const QObject& root, const char* group);

// Processes events until the condition holds or the time is up; the
// condition's last value.
bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 10000);

}  // namespace zolvane::gui::testing
