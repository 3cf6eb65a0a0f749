#pragma once

// The program's look, shared by every window: its font, its colours and the
// small pictures drawn for it.

#include <string_view>

#include <QColor>
#include <QString>

class QApplication;
class QLineEdit;
class QPixmap;
class QWidget;

namespace zolvane::gui::app {

inline const QColor kTeal{0, 128, 128};
inline const QColor kSilver{192, 192, 192};

// The font of every window (a small 8-point sans-serif face) and the
// program's icon.
void ApplyProgramLook(QApplication& app);

// The program's picture (an envelope with a barcode), drawn for the given
// side in pixels.
QPixmap ProgramPicture(int side);

// Enables an edit box with the normal window colour, or disables it with a
// silver background.
void EnableWithSilver(QLineEdit& edit, bool enabled);

// Text from the core, for showing: UTF-8 where it is valid UTF-8 (file names
// usually are), otherwise every byte as the Latin-1 character.
QString ShownText(std::string_view bytes);

// Gives a dialog its client size for good, or the smallest size that shows
// all of its texts where the desktop's font is wider than the program's.
void FixClientSize(QWidget& dialog, int width, int height);

// Places a top-level window in the middle of the screen it is on.
void CentreOnScreen(QWidget& window);

}  // namespace zolvane::gui::app
