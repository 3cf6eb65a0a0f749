// Every GUI suite runs in one QApplication on the offscreen platform, with
// the program's own look.

#include <cstdlib>

#include <gtest/gtest.h>
#include <QApplication>

#include "app/look.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    zolvane::gui::app::ApplyProgramLook(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
