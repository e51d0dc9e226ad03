// One application for all start-up and feedback tests. The test program also runs itself as a
// child to watch the whole program start: "--program-child" runs the game's own start-up and
// reports, on its standard output, what the player would have seen first; "--sound-child"
// plays the files it is given.

#include "board/frm_board.h"
#include "platform/error_guard.h"
#include "platform/sound.h"
#include "qt_test_support.h"
#include "shell/frm_splash.h"
#include "shell/program.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Reports the first window the player meets and answers it: the message box is pressed OK,
// the splash is left by the close command.
int runProgramChild(int argc, char** argv) {
    veltrane::platform::GuardedApplication app(argc, argv);
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&poll] {
        bool boardLoaded = false;
        bool otherWindowShown = false;
        frm_splash* splash = nullptr;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        for (QWidget* window : QApplication::topLevelWidgets()) {
            boardLoaded = boardLoaded || qobject_cast<frm_board*>(window) != nullptr;
            if (auto* s = qobject_cast<frm_splash*>(window); s != nullptr && s->isVisible()) {
                splash = s;
            }
            otherWindowShown = otherWindowShown || (window != box && window->isVisible());
        }
        if (box != nullptr && box->isVisible()) {
            poll.stop();
            std::printf("message|%s|%s|%s|%d|%d", qPrintable(box->windowTitle()),
                        qPrintable(box->text()), qPrintable(box->buttons().front()->text()),
                        otherWindowShown ? 1 : 0, boardLoaded ? 1 : 0);
            std::fflush(stdout);
            box->buttons().front()->click();
        } else if (splash != nullptr) {
            poll.stop();
            std::printf("splash|%s|%d", qPrintable(splash->windowTitle()), boardLoaded ? 1 : 0);
            std::fflush(stdout);
            splash->close();
        }
    });
    poll.start();
    return veltrane::shell::RunProgram();
}

// Plays each file named on the command line, one after another, then ends.
int runSoundChild(int argc, char** argv) {
    QApplication app(argc, argv);
    for (int i = 2; i < argc; ++i) {
        veltrane::platform::PlaySound(QString::fromLocal8Bit(argv[i]));
    }
    QTimer::singleShot(500, &app, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = veltrane::test_support::RunChildIfAsked(
            argc, argv, {{"--program-child", runProgramChild}, {"--sound-child", runSoundChild}})) {
        return *status;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
