// The real program as a command, with no display at all: --version and --help answer on
// standard output, a wrong option or argument gets two lines on standard error and status 2,
// Qt's own options pass, and a start with no display to open ends in one line and status 1,
// never in Qt's abort.

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
        // Named as the player starts it, not by the path it was started from.
        EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: veltrane [options]\n")))
            << run.out.toStdString();
        for (const char* expected :
             {"--help", "--version", "rules.txt", "orvik.txt", "SOUND/34.WAV", "SOUND/APPLAUS.WAV",
              "QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "QT_FONT_DPI=96",
              "QT_SCALE_FACTOR=1", "-session ID", "-platform NAME"}) {
            EXPECT_TRUE(run.out.contains(QString::fromLatin1(expected)))
                << "the usage does not mention " << expected;
        }
        // The files lie beside the program, and the usage says where that is.
        const QString folder = QFileInfo(QStringLiteral(VELTRANE_EXECUTABLE)).canonicalPath();
        EXPECT_TRUE(run.out.contains(QLatin1Char('(') + folder + QStringLiteral("):")))
            << run.out.toStdString();
    }
}

TEST_F(CommandLine, AWrongOptionOrAnArgumentIsNamedInOneLineAndEndsWithStatusTwo) {
    const struct {
        QStringList arguments;
        const char* complaint;
    } cases[] = {
        // Named as typed, never spelt out letter by letter.
        {{QStringLiteral("--bogus")}, "unknown option '--bogus'"},
        {{QStringLiteral("-x")}, "unknown option '-x'"},
        {{QStringLiteral("-sessions"), QStringLiteral("7")}, "unknown option '-sessions'"},
        {{QStringLiteral("rules.txt")}, "unexpected argument 'rules.txt'"},
        // An option of the game's own comes with a wrong one: nothing is answered but the error.
        {{QStringLiteral("--version"), QStringLiteral("--deal")}, "unknown option '--deal'"},
        // Qt's options are Qt's: one that needs a value gets it, an option is no value, and
        // after "--" there are none.
        {{QStringLiteral("-style=Fusion"), QStringLiteral("-session")},
         "option '-session' needs a value"},
        {{QStringLiteral("-platform"), QStringLiteral("--help")},
         "option '-platform' needs a value, not the option '--help'"},
        {{QStringLiteral("-display"), QStringLiteral("-session"), QStringLiteral("7")},
         "option '-display' needs a value, not the option '-session'"},
        {{QStringLiteral("--"), QStringLiteral("-reverse")}, "unexpected argument '-reverse'"},
    };
    for (const auto& wrong : cases) {
        const Outcome run = start(wrong.arguments);
        const std::string what = wrong.arguments.join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(run.exitStatus, QProcess::NormalExit) << what;
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, QString()) << what;
        EXPECT_EQ(run.err, QStringLiteral("veltrane: %1\nTry 'veltrane --help'.\n")
                               .arg(QString::fromLatin1(wrong.complaint)))
            << what;
    }
}

TEST_F(CommandLine, QtsOwnOptionsAreLeftToQt) {
    // What a session manager saves as the restart command, and the other options every Qt
    // program takes, each with its value where Qt reads one: the game goes on to open its
    // display (there is none here), whatever the value looks like.
    const QStringList qtOptions = {QStringLiteral("-session"),
                                   QStringLiteral("10d4a1e7c2000171750133300000012340000_17"),
                                   QStringLiteral("-style"),
                                   QStringLiteral("fusion"),
                                   QStringLiteral("--stylesheet=x.qss"),
                                   QStringLiteral("-reverse"),
                                   QStringLiteral("-qwindowgeometry"),
                                   QStringLiteral("-0+0"),
                                   QStringLiteral("-title"),
                                   QStringLiteral("rules.txt"),
                                   QStringLiteral("-name"),
                                   QStringLiteral("veltrane"),
                                   QStringLiteral("-widgetcount"),
                                   QStringLiteral("-nograb"),
                                   QStringLiteral("-platformtheme"),
                                   QStringLiteral("none")};
    const Outcome started = start(qtOptions);
    ASSERT_EQ(started.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(started.status, 1) << started.err.toStdString();
    EXPECT_TRUE(started.err.contains(QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY")))
        << started.err.toStdString();
    // They still let the command answer without a display.
    const Outcome version = start(QStringList(qtOptions) << QStringLiteral("--version"));
    EXPECT_EQ(version.status, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, QStringLiteral("veltrane " VELTRANE_VERSION "\n"));
    // A window system named with -platform is the one tried, not the game's own choice
    // (Wayland, with no DISPLAY here).
    const Outcome platform = start({QStringLiteral("-platform"), QStringLiteral("xcb")});
    EXPECT_EQ(platform.status, 1);
    EXPECT_TRUE(platform.err.contains(QStringLiteral("-platform \"xcb\"")))
        << platform.err.toStdString();
    // Qt's -display names the X display to open, as DISPLAY does.
    const Outcome display = start({QStringLiteral("-display"), QStringLiteral(":4093")});
    EXPECT_EQ(display.status, 1);
    EXPECT_TRUE(display.err.contains(QStringLiteral("cannot open the X display \":4093\"")))
        << display.err.toStdString();
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
