// main() for tests that need a Qt application object (widgets, pictures, timers).
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/HostFonts.h"
#include "shell/ScreenScale.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The screens' faces as the program itself gets them (on Windows: the system's Japanese fonts,
    // or the program's own copies in fonts/ beside the test program).
    pekuru::useHostFonts(QApplication::applicationDirPath(), pekuru::kGothicFace, pekuru::kMonoGothicFace);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
