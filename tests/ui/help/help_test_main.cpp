// One application object for the whole help test program.

#include "qt_test_support.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    veltrane::test_support::QuietOffscreenReports();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
