#pragma once

// The pictures the main window shows while a list is being barcoded: a
// document in Image1, and in Image2 letters that turn into envelopes as the
// run gets on. Drawn into images so that they can be painted on screen and
// looked at in tests alike.

#include <QImage>
#include <QWidget>

namespace zolvane::gui::lists {

// Image1's picture, in hundredths of the image's width and height: a sheet
// with a folded corner.
void DrawDocumentPicture(QImage& image);

// Image2's picture for stage n (5 down to 0), in pixels: 5 - n letters, then
// n envelopes, on the button-face colour.
void DrawAnimationStage(QImage& image, int stage, const QColor& buttonFace);

// A picture with a canvas: it keeps what was drawn on it and paints it.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The canvas, the size of the widget.
    QImage& Canvas();
    void Clear(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage m_canvas;
};

}  // namespace zolvane::gui::lists
