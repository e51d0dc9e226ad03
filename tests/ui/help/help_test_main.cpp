// One application object for the whole help test program.

#include <QApplication>
#include <gtest/gtest.h>

namespace {

QtMessageHandler qtDefault = nullptr;

// The offscreen platform reports each window operation it cannot perform; those reports say
// nothing about the game and stay off the terminal. Everything else is passed on.
void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qtDefault(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    qtDefault = qInstallMessageHandler(quietOffscreen);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
