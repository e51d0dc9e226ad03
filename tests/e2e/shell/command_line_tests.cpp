// The real program as a command, with no display at all: --version and --help answer on
// standard output, a wrong option or argument gets the usage on standard error and status 2,
// and a start with no display to open ends in one line and status 1, never in Qt's abort.

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int status = -1;
    QString out;
    QString err;
};

// The environment of a machine with no window system: no display, no platform chosen, and a
// runtime folder that holds no Wayland socket.
QProcessEnvironment NoDisplay(const QTemporaryDir& runtime) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    return env;
}

Outcome Start(const QStringList& arguments, const QProcessEnvironment& env) {
    QProcess game;
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(VELTRANE_EXECUTABLE), arguments);
    Outcome run;
    if (!game.waitForFinished(20000)) {
        game.kill();
        game.waitForFinished();
        return run;
    }
    run.exitStatus = game.exitStatus();
    run.status = game.exitCode();
    run.out = QString::fromLocal8Bit(game.readAllStandardOutput());
    run.err = QString::fromLocal8Bit(game.readAllStandardError());
    return run;
}

class CommandLine : public testing::Test {
  protected:
    Outcome start(const QStringList& arguments) { return Start(arguments, NoDisplay(runtime_)); }
    Outcome startWith(const char* name, const QString& value) {
        QProcessEnvironment env = NoDisplay(runtime_);
        env.insert(QString::fromLatin1(name), value);
        return Start({}, env);
    }
    QTemporaryDir runtime_;
};

TEST_F(CommandLine, VersionPrintsTheNameAndVersion) {
    for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
        const Outcome run = start({option});
        ASSERT_EQ(run.exitStatus, QProcess::NormalExit) << option.toStdString();
        EXPECT_EQ(run.status, 0) << option.toStdString();
        EXPECT_EQ(run.out, QStringLiteral("veltrane " VELTRANE_VERSION "\n"));
        EXPECT_EQ(run.err, QString());
    }
}

TEST_F(CommandLine, HelpNamesTheOptionsTheFilesAndTheEnvironment) {
    for (const QString& option : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Outcome run = start({option});
        ASSERT_EQ(run.exitStatus, QProcess::NormalExit) << option.toStdString();
        EXPECT_EQ(run.status, 0) << option.toStdString();
        EXPECT_EQ(run.err, QString());
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: "))) << run.out.toStdString();
        for (const char* expected :
             {"--help", "--version", "rules.txt", "orvik.txt", "SOUND/34.WAV", "SOUND/APPLAUS.WAV",
              "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "QT_FONT_DPI=96",
              "QT_SCALE_FACTOR=1"}) {
            EXPECT_TRUE(run.out.contains(QString::fromLatin1(expected)))
                << "the usage does not mention " << expected;
        }
        // The files lie beside the program, and the usage says where that is.
        const QString folder = QFileInfo(QStringLiteral(VELTRANE_EXECUTABLE)).canonicalPath();
        EXPECT_TRUE(run.out.contains(QLatin1Char('(') + folder + QStringLiteral("):")))
            << run.out.toStdString();
    }
}

TEST_F(CommandLine, AWrongOptionOrAnArgumentGetsTheUsageOnStandardErrorAndStatusTwo) {
    const struct {
        QStringList arguments;
        const char* complaint;
    } cases[] = {
        {{QStringLiteral("--bogus")}, "veltrane: Unknown option 'bogus'."},
        {{QStringLiteral("-x")}, "veltrane: Unknown option 'x'."},
        {{QStringLiteral("rules.txt")}, "veltrane: Unexpected argument 'rules.txt'."},
        // An option of the game's own comes with a wrong one: nothing is answered but the error.
        {{QStringLiteral("--version"), QStringLiteral("--deal")},
         "veltrane: Unknown option 'deal'."},
    };
    for (const auto& wrong : cases) {
        const Outcome run = start(wrong.arguments);
        const std::string what = wrong.arguments.join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(run.exitStatus, QProcess::NormalExit) << what;
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, QString()) << what;
        EXPECT_TRUE(run.err.startsWith(QString::fromLatin1(wrong.complaint)))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("\nUsage: "))) << run.err.toStdString();
    }
}

TEST_F(CommandLine, WithNoDisplayToOpenTheGameSaysSoInOneLineAndEndsWithStatusOne) {
    const QString absentX = QStringLiteral(":4093");
    ASSERT_FALSE(QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X4093")))
        << "display :4093 exists on this machine";
    const struct {
        Outcome outcome;
        const char* names;
    } starts[] = {
        {start({}), "neither DISPLAY nor WAYLAND_DISPLAY is set"},
        {startWith("DISPLAY", absentX), "cannot open the X display \":4093\""},
        {startWith("WAYLAND_DISPLAY", QStringLiteral("no-compositor")),
         "cannot open the Wayland display \"no-compositor\""},
    };
    for (const auto& start : starts) {
        ASSERT_EQ(start.outcome.exitStatus, QProcess::NormalExit) << start.names;
        EXPECT_EQ(start.outcome.status, 1) << start.names;
        EXPECT_EQ(start.outcome.out, QString()) << start.names;
        EXPECT_EQ(start.outcome.err.count(QLatin1Char('\n')), 1) << start.outcome.err.toStdString();
        EXPECT_TRUE(start.outcome.err.startsWith(QStringLiteral("veltrane: ")))
            << start.outcome.err.toStdString();
        EXPECT_TRUE(start.outcome.err.contains(QString::fromLatin1(start.names)))
            << start.outcome.err.toStdString();
    }
}

} // namespace
