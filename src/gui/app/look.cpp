#include "app/look.h"

#include <algorithm>

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QStringDecoder>
#include <QWidget>

namespace zolvane::gui::app {

void ApplyProgramLook(QApplication& app) {
    QFont font = app.font();
    // The first face the machine has, narrowest first; the desktop's own
    // sans-serif face when it has none of them.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
    font.setPointSize(8);
    app.setFont(font);
    QIcon icon;
    for (int side : {16, 32, 48, 64}) icon.addPixmap(ProgramPicture(side));
    app.setWindowIcon(icon);
}

QPixmap ProgramPicture(int side) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double u = side / 16.0;
    p.setPen(Qt::NoPen);
    p.setBrush(kTeal);
    p.drawRoundedRect(QRectF(0, 0, side, side), 2.5 * u, 2.5 * u);
    // The envelope.
    QRectF envelope(2 * u, 3.5 * u, 12 * u, 9 * u);
    p.setBrush(Qt::white);
    p.drawRect(envelope);
    p.setPen(QPen(kTeal, std::max(1.0, 0.6 * u)));
    p.drawLine(envelope.topLeft(), QPointF(8 * u, 8 * u));
    p.drawLine(QPointF(8 * u, 8 * u), envelope.topRight());
    // A row of tall and short bars along its foot.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    static const bool kTall[] = {true, false, true, true, false, false, true, false, true};
    const double barWidth = 0.6 * u;
    for (int i = 0; i < 9; ++i) {
        const double h = kTall[i] ? 2.4 * u : 1.2 * u;
        p.drawRect(QRectF(3.2 * u + i * 1.15 * u, 11.6 * u - h, barWidth, h));
    }
    return pixmap;
}

void EnableWithSilver(QLineEdit& edit, bool enabled) {
    edit.setEnabled(enabled);
    QPalette palette = edit.palette();
    const QColor base =
        enabled ? QApplication::palette(&edit).color(QPalette::Active, QPalette::Base) : kSilver;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, base);
    edit.setPalette(palette);
}

QString ShownText(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = utf8(view);
    if (utf8.hasError()) return QString::fromLatin1(view);
    return text;
}

void FixClientSize(QWidget& dialog, int width, int height) {
    QSize size(width, height);
    if (dialog.layout()) size = size.expandedTo(dialog.layout()->minimumSize());
    dialog.setFixedSize(size);
}

void CentreOnScreen(QWidget& window) {
    QScreen* screen = window.screen();
    if (!screen) screen = QApplication::primaryScreen();
    if (!screen) return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

}  // namespace zolvane::gui::app
