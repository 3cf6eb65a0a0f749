// The pictures a run shows: the document in Image1 and, in Image2, letters
// that become envelopes, one stage for every fifth of the list.

#include <gtest/gtest.h>
#include <QImage>
#include <QTimer>

#include "app/main_window.h"
#include "lists/progress_pictures.h"
#include "support/program_under_test.h"
#include "support/widgets.h"

namespace zolvane::gui::testing {
namespace {

const QColor kFace(212, 208, 200);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kLightYellow(255, 255, 128);
const QColor kBlack(0, 0, 0);

// Envelope j's stamp keeps a corner that the envelope drawn after it does
// not cover; letter j has a spot by its right-hand corner that no earlier
// letter and no envelope reaches.
int Envelopes(const QImage& image) {
    int n = 0;
    for (int j = 0; j < 5; ++j) n += image.pixelColor(157 - 9 * j, 28 + 8 * j) == kYellow;
    return n;
}

int Letters(const QImage& image) {
    int n = 0;
    for (int j = 0; j < 5; ++j) n += image.pixelColor(124 + 9 * j, 120 - 9 * j) == kWhite;
    return n;
}

TEST(ProgressPictures, EachStageHasItsLettersAndEnvelopes) {
    for (int stage = 5; stage >= 0; --stage) {
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::red);
        gui::lists::DrawAnimationStage(image, stage, kFace);
        EXPECT_EQ(Envelopes(image), stage) << "stage " << stage;
        EXPECT_EQ(Letters(image), 5 - stage) << "stage " << stage;
        EXPECT_EQ(image.pixelColor(2, 2), kFace) << "stage " << stage;
        EXPECT_EQ(image.pixelColor(199, 199), kFace) << "stage " << stage;
    }
    // The last envelope, whole: white body, address lines, silver label.
    QImage image(200, 200, QImage::Format_RGB32);
    gui::lists::DrawAnimationStage(image, 1, kFace);
    EXPECT_EQ(image.pixelColor(79, 22), kBlack);
    EXPECT_EQ(image.pixelColor(165, 56), kBlack);
    EXPECT_EQ(image.pixelColor(166, 57), kFace);
    EXPECT_EQ(image.pixelColor(100, 50), kWhite);
    EXPECT_EQ(image.pixelColor(90, 27), kBlack);
    EXPECT_EQ(image.pixelColor(136, 43), QColor(192, 192, 192));
}

TEST(ProgressPictures, TheDocumentScalesWithItsPicture) {
    for (int side : {100, 50}) {
        QImage image(side, side, QImage::Format_RGB32);
        image.fill(kFace);
        gui::lists::DrawDocumentPicture(image);
        auto at = [&](int x, int y) { return image.pixelColor(x * side / 100, y * side / 100); };
        EXPECT_EQ(at(40, 50), kLightYellow) << side;
        EXPECT_EQ(at(66, 24), kWhite) << side;  // the folded corner
        EXPECT_EQ(at(75, 15), kFace) << side;   // outside the sheet
        EXPECT_EQ(at(20, 50), kBlack) << side;  // its outline
        EXPECT_EQ(at(10, 50), kFace) << side;
    }
}

// During a run the main window shows the labels and both pictures, holds
// each stage until a tick of Timer1, and is at rest again afterwards.
TEST(ProgressPictures, TheMainWindowDuringARun) {
    ProgramUnderTest program;
    program.QuickAnimation();
    app::TMainWindow& main = program.windows.Main();
    main.show();
    auto& timer = Find<QTimer>(main, "Timer1");
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    main.RunStarted("my list.txt");
    EXPECT_TRUE(Visible(main, "TopLabel"));
    EXPECT_TRUE(Visible(main, "Image1"));
    EXPECT_EQ(Text(main, "BottomLabel"), "my list.txt");
    EXPECT_TRUE(Visible(main, "BottomLabel"));
    auto& document = Find<gui::lists::PictureBox>(main, "Image1");
    EXPECT_EQ(document.Canvas().pixelColor(40, 50), kLightYellow);
    for (int stage = 5; stage >= 0; --stage) {
        main.ShowStage(stage);
        EXPECT_EQ(ticks, 6 - stage);
        EXPECT_FALSE(timer.isActive());
        EXPECT_TRUE(Visible(main, "Image2"));
        EXPECT_EQ(Envelopes(Find<gui::lists::PictureBox>(main, "Image2").Canvas()), stage);
    }
    main.RunEnded();
    main.Rest();
    for (const char* name : {"TopLabel", "BottomLabel", "Image1", "Image2"})
        EXPECT_FALSE(Visible(main, name)) << name;
    EXPECT_NE(document.Canvas().pixelColor(40, 50), kLightYellow);
}

}  // namespace
}  // namespace zolvane::gui::testing
