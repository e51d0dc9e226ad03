// The real program's start, run as a process on the offscreen platform with its start-up trace
// on, which says when the splash has been shown.

#include <QDeadlineTimer>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Runs the game until its splash is shown (or 30 s have passed) and returns what it wrote on
// its error output.
QByteArray startUntilSplashShown(QProcessEnvironment environment) {
    environment.insert(QStringLiteral("VELTRANE_STARTUP_TRACE"), QStringLiteral("1"));
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(VELTRANE_EXECUTABLE), {});
    QByteArray said;
    const QDeadlineTimer deadline(30000);
    while (!said.contains("] splash shown") && game.state() != QProcess::NotRunning &&
           !deadline.hasExpired()) {
        game.waitForReadyRead(100);
        said += game.readAllStandardError();
    }
    game.kill();
    game.waitForFinished(5000);
    return said + game.readAllStandardError();
}

TEST(Start, TheFontConfigurationIsNeverReadByTwoThreadsAtOnce) {
    // The probe holds up the first read, so that anything else that reads beside it comes
    // while it is still on.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FONT_READ_PROBE));
    const QByteArray said = startUntilSplashShown(environment);
    ASSERT_TRUE(said.contains("font-read-probe: first read")) << said.toStdString();
    EXPECT_FALSE(said.contains("font-read-probe: two reads at once")) << said.toStdString();
    EXPECT_TRUE(said.contains("] splash shown")) << said.toStdString();
}

} // namespace
