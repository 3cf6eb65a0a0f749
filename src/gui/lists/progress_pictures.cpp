#include "lists/progress_pictures.h"

#include <cmath>

#include <QPainter>
#include <QPolygon>

namespace zolvane::gui::lists {

namespace {

const QColor kLightYellow{255, 255, 128};
const QColor kYellow{255, 255, 0};
const QColor kSilver{192, 192, 192};

// A filled rectangle whose right and bottom edges lie just outside it, as
// (left, top) to (right, bottom) describes it.
void Rectangle(QPainter& p, int left, int top, int right, int bottom) {
    p.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

}  // namespace

void DrawDocumentPicture(QImage& image) {
    const double w = image.width() / 100.0;
    const double h = image.height() / 100.0;
    auto at = [&](int x, int y) {
        return QPoint(static_cast<int>(std::lround(x * w)), static_cast<int>(std::lround(y * h)));
    };
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    const QPoint fold[] = {at(60, 10), at(60, 30), at(80, 30)};
    p.drawPolygon(fold, 3);
    p.setBrush(kLightYellow);
    p.setPen(QPen(Qt::black, 2));
    const QPoint sheet[] = {at(20, 10), at(60, 10), at(60, 30), at(80, 30), at(80, 90), at(20, 90)};
    p.drawPolygon(sheet, 6);
}

void DrawAnimationStage(QImage& image, int stage, const QColor& buttonFace) {
    image.fill(buttonFace);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    for (int j = 0; j <= 4 - stage; ++j) {
        const int d = 36 - 9 * j;
        p.setBrush(Qt::white);
        const QPoint sheet[] = {
            {90 - d, 41 + d}, {165 - d, 84 + d}, {148 - d, 115 + d}, {73 - d, 71 + d}};
        p.drawPolygon(sheet, 4);
        const QPoint fold[] = {
            {73 - d, 71 + d}, {83 - d, 66 + d}, {148 - d, 105 + d}, {148 - d, 115 + d}};
        p.drawPolyline(fold, 4);
    }
    for (int j = 0; j < stage; ++j) {
        p.save();
        p.translate(-9 * j, 8 * j);
        p.setBrush(Qt::white);
        Rectangle(p, 79, 22, 166, 57);
        p.drawLine(85, 27, 97, 27);
        p.drawLine(85, 31, 97, 31);
        p.setBrush(kYellow);
        Rectangle(p, 153, 27, 159, 33);
        p.setBrush(kSilver);
        Rectangle(p, 123, 39, 149, 48);
        p.restore();
    }
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

QImage& PictureBox::Canvas() {
    if (m_canvas.size() != size()) {
        QImage resized(size(), QImage::Format_RGB32);
        resized.fill(palette().color(QPalette::Button));
        if (!m_canvas.isNull()) {
            QPainter p(&resized);
            p.drawImage(0, 0, m_canvas);
        }
        m_canvas = resized;
    }
    return m_canvas;
}

void PictureBox::Clear(const QColor& colour) {
    Canvas().fill(colour);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Canvas());
}

void PictureBox::resizeEvent(QResizeEvent*) {
    Canvas();
}

}  // namespace zolvane::gui::lists
