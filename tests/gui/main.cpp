// GUI tests: one application (offscreen unless told otherwise) for the whole
// run, the program's own: Qt's texts in Portuguese, failures of commands
// caught where their events are delivered.
#include "platform/qt/aplicacaoqt.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TAplicacao app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
