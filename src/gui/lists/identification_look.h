#pragma once

// The look both identification dialogs share.

class QDialog;
class QLabel;
class QPlainTextEdit;

namespace zolvane::gui::lists {

void StyleIdentificationForm(QDialog& dialog, QLabel& heading, QPlainTextEdit& instructions);

}  // namespace zolvane::gui::lists
