#include "lists/identification_look.h"

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "app/look.h"

namespace zolvane::gui::lists {

namespace {
const char* const kInstructions[] = {
    "Zolvane guessed at the location of several fields in your data file, as shown below. If it ",
    "has guessed correctly, click Finish.  Otherwise, use the drop-down lists below to find the "
    "correct ",
    "fields in your data base.",
    "Note that Zolvane can read your zip codes either from a single field containing the entire ",
    "zip code, or from two separate fields containing the first five digits and the last four "
    "digits.",
};
}  // namespace

void StyleIdentificationForm(QDialog& dialog, QLabel& heading, QPlainTextEdit& instructions) {
    QFont bold = heading.font();
    bold.setBold(true);
    bold.setPointSizeF(9.5);
    heading.setFont(bold);
    QFont small = instructions.font();
    small.setPointSizeF(7.5);
    instructions.setFont(small);
    QStringList lines;
    for (const char* line : kInstructions) lines << QString::fromLatin1(line);
    instructions.setPlainText(lines.join(QLatin1Char('\n')));
    instructions.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int lineHeight = QFontMetrics(small).lineSpacing();
    const int margin = static_cast<int>(instructions.document()->documentMargin());
    instructions.setFixedHeight(5 * lineHeight + 2 * (instructions.frameWidth() + margin) + 2);
    app::FixClientSize(dialog, dialog.width(), dialog.height());
}

}  // namespace zolvane::gui::lists
