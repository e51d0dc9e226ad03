// The sounds heard for real. Each test starts its own PulseAudio server with a null sink (no
// sound card is needed) and records the sink's monitor while the real splash greets and the
// real win dialog applauds; without the SOUND folder the program behaves the same and the
// recording stays silent.

#include "shell/frm_win.h"
#include "x_session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

using veltrane::e2e::XSession;

namespace {

const QString kSink = QStringLiteral("veltrane_e2e");

// Mono 16-bit samples of a wave file, scaled to -1..1, and their rate.
struct Samples {
    std::vector<float> values;
    int rate = 0;
    int channels = 0;
};

Samples readWave(const QString& path) {
    QFile file(path);
    Samples out;
    if (!file.open(QIODevice::ReadOnly)) {
        return out;
    }
    const QByteArray bytes = file.readAll();
    qsizetype pos = 12;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(bytes.constData() + pos + 4));
        pos += 8;
        if (id == "fmt ") {
            out.channels = qFromLittleEndian<quint16>(bytes.constData() + pos + 2);
            out.rate = static_cast<int>(qFromLittleEndian<quint32>(bytes.constData() + pos + 4));
        } else if (id == "data") {
            // A recording stopped from outside may leave the size unset: take the rest.
            if (size <= 0 || pos + size > bytes.size()) {
                size = bytes.size() - pos;
            }
            const int frame = 2 * std::max(out.channels, 1);
            for (qsizetype i = pos; i + frame <= pos + size; i += frame) {
                out.values.push_back(
                    static_cast<float>(qFromLittleEndian<qint16>(bytes.constData() + i)) /
                    32768.0F);
            }
            return out;
        }
        pos += size + (size & 1);
    }
    return out;
}

// The stretch from the first to the last loud 10 ms window, in seconds, and its loudness.
struct Heard {
    double seconds = 0;
    double peakRms = 0;
};

Heard listen(const Samples& s) {
    Heard heard;
    const std::size_t window = static_cast<std::size_t>(std::max(s.rate / 100, 1));
    std::optional<std::size_t> first;
    std::size_t last = 0;
    for (std::size_t i = 0; i + window <= s.values.size(); i += window) {
        double sum = 0;
        for (std::size_t j = i; j < i + window; ++j) {
            sum += double{s.values[j]} * s.values[j];
        }
        const double rms = std::sqrt(sum / static_cast<double>(window));
        heard.peakRms = std::max(heard.peakRms, rms);
        if (rms > 0.01) {
            first = first.value_or(i);
            last = i + window;
        }
    }
    if (first) {
        heard.seconds = static_cast<double>(last - *first) / s.rate;
    }
    return heard;
}

// A PulseAudio server of the test's own, in a private runtime folder, with one null sink. The
// programs started while it lives play into it.
class SoundServer {
  public:
    SoundServer() {
        const QString socket = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        env.insert(QStringLiteral("HOME"), dir_.path());
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start(QStringLiteral("pulseaudio"),
                      {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                       QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"),
                       QStringLiteral("--disallow-exit"), QStringLiteral("--log-level=error"),
                       QStringLiteral("--load=module-null-sink sink_name=") + kSink,
                       QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 "
                                      "socket=") +
                           socket});
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        if (!server_.waitForStarted(5000)) {
            return;
        }
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(socket) && !deadline.hasExpired()) {
            QThread::msleep(50);
        }
        ready_ = QFile::exists(socket) && server_.state() == QProcess::Running;
    }
    ~SoundServer() {
        qunsetenv("PULSE_SERVER");
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished(2000);
        }
    }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool ready() const { return ready_; }

    // Records the sink's monitor for as long as `during` runs, plus a little on each side.
    Samples record(const std::function<void()>& during) {
        const QString file = dir_.filePath(QStringLiteral("take%1.wav").arg(++takes_));
        QProcess recorder;
        recorder.start(QStringLiteral("parecord"),
                       {QStringLiteral("--device=") + kSink + QStringLiteral(".monitor"),
                        QStringLiteral("--file-format=wav"), QStringLiteral("--format=s16le"),
                        QStringLiteral("--channels=1"), QStringLiteral("--rate=22050"),
                        // Small fragments, so that stopping the recorder loses nothing.
                        QStringLiteral("--latency-msec=20"), file});
        EXPECT_TRUE(recorder.waitForStarted(5000));
        QThread::msleep(400);
        during();
        QThread::msleep(400);
        recorder.terminate();
        if (!recorder.waitForFinished(5000)) {
            recorder.kill();
            recorder.waitForFinished(2000);
        }
        return readWave(file);
    }

  private:
    QTemporaryDir dir_;
    QProcess server_;
    bool ready_ = false;
    int takes_ = 0;
};

// The game's executable and this test program copied into a folder of their own, with or
// without the SOUND folder and the sound player module that lie beside the real ones.
class GameCopy {
  public:
    GameCopy(bool withSounds, bool withPlayer) {
        const QString from = QFileInfo(QStringLiteral(VELTRANE_EXECUTABLE)).absolutePath();
        ok_ = copy(QStringLiteral(VELTRANE_EXECUTABLE), game()) &&
              copy(QCoreApplication::applicationFilePath(), tests());
        if (withPlayer) {
            ok_ = ok_ && copy(from + QStringLiteral("/veltrane-sound.so"),
                              dir_.filePath(QStringLiteral("veltrane-sound.so")));
        }
        if (withSounds) {
            ok_ = ok_ && QDir(dir_.path()).mkdir(QStringLiteral("SOUND"));
            for (const char* name : {"34.WAV", "APPLAUS.WAV"}) {
                ok_ = ok_ && copy(from + QStringLiteral("/SOUND/") + QLatin1String(name),
                                  dir_.filePath(QStringLiteral("SOUND/")) + QLatin1String(name));
            }
        }
    }
    bool ok() const { return ok_; }
    QString game() const { return dir_.filePath(QStringLiteral("veltrane")); }
    QString tests() const { return dir_.filePath(QStringLiteral("sound_e2e_tests")); }

  private:
    static bool copy(const QString& from, const QString& to) {
        return QFile::copy(from, to) && QFile::setPermissions(to, QFile::permissions(from));
    }
    QTemporaryDir dir_;
    bool ok_ = false;
};

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

Heard sourceOf(const QString& name) {
    return listen(readWave(programFolder() + "/SOUND/" + name));
}

// The splash on a real X server, recorded from its start until it has been shown two seconds;
// then ENTER HERE. True when the splash and then the board appeared.
bool runSplash(SoundServer& sound, const QString& executable, Samples& recording) {
    XSession x;
    bool boardShown = false;
    recording = sound.record([&] {
        QProcess& game = x.launch(executable);
        const auto splash = x.waitForWindowOf(game);
        if (!splash || x.windowTitle(*splash) != QStringLiteral("Welcome")) {
            return;
        }
        QThread::msleep(2000);
        const QRect client = x.clientGeometry(*splash);
        x.click(client.x() + 204, client.y() + 380);
        boardShown = x.waitForWindow(QStringLiteral("^Veltrane Solitaire$")).has_value();
    });
    return boardShown;
}

// The real win dialog, opened by a child program as a win opens it and closed after four
// seconds. True when the dialog opened and closed.
bool runWinDialog(SoundServer& sound, const QString& program, Samples& recording) {
    bool closed = false;
    recording = sound.record([&] {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(program, {QStringLiteral("--win-child")});
        closed = child.waitForFinished(20000) && child.exitCode() == 0 &&
                 child.readAllStandardOutput() == "opened|closed";
    });
    return closed;
}

TEST(Sounds, TheSplashGreetsAndTheWinDialogApplauds) {
    SoundServer sound;
    ASSERT_TRUE(sound.ready());
    const Heard greeting = sourceOf(QStringLiteral("34.WAV"));
    const Heard applause = sourceOf(QStringLiteral("APPLAUS.WAV"));
    ASSERT_GT(greeting.seconds, 0.3);
    ASSERT_GT(applause.seconds, 1.0);

    Samples take;
    ASSERT_TRUE(runSplash(sound, QStringLiteral(VELTRANE_EXECUTABLE), take));
    const Heard splash = listen(take);
    ::testing::Test::RecordProperty("greeting_heard_seconds", std::to_string(splash.seconds));
    EXPECT_GT(splash.peakRms, greeting.peakRms / 4);
    EXPECT_NEAR(splash.seconds, greeting.seconds, 0.35);

    ASSERT_TRUE(runWinDialog(sound, QCoreApplication::applicationFilePath(), take));
    const Heard win = listen(take);
    ::testing::Test::RecordProperty("applause_heard_seconds", std::to_string(win.seconds));
    EXPECT_GT(win.peakRms, applause.peakRms / 4);
    EXPECT_NEAR(win.seconds, applause.seconds, 0.35);
}

TEST(Sounds, WithoutTheSoundFolderAllIsTheSameAndSilent) {
    SoundServer sound;
    ASSERT_TRUE(sound.ready());
    GameCopy copy(false, true);
    ASSERT_TRUE(copy.ok());

    Samples take;
    EXPECT_TRUE(runSplash(sound, copy.game(), take));
    EXPECT_GT(take.values.size(), 22050U) << "the recording ran";
    EXPECT_LT(listen(take).peakRms, 0.001);

    EXPECT_TRUE(runWinDialog(sound, copy.tests(), take));
    EXPECT_GT(take.values.size(), 22050U);
    EXPECT_LT(listen(take).peakRms, 0.001);
}

// The player is found beside the program wherever the program lies; without it the game goes on
// in silence.
TEST(Sounds, ThePlayerIsTheOneBesideTheGameAndTheGameGoesOnWithoutIt) {
    SoundServer sound;
    ASSERT_TRUE(sound.ready());
    const Heard greeting = sourceOf(QStringLiteral("34.WAV"));

    GameCopy whole(true, true);
    ASSERT_TRUE(whole.ok());
    Samples take;
    ASSERT_TRUE(runSplash(sound, whole.game(), take));
    EXPECT_NEAR(listen(take).seconds, greeting.seconds, 0.35);

    GameCopy playerless(true, false);
    ASSERT_TRUE(playerless.ok());
    EXPECT_TRUE(runSplash(sound, playerless.game(), take));
    EXPECT_GT(take.values.size(), 22050U) << "the recording ran";
    EXPECT_LT(listen(take).peakRms, 0.001);
}

// Opens the win dialog as a win does, reports it, and closes it after four seconds.
int runWinChild(int argc, char** argv) {
    QApplication app(argc, argv);
    QTimer::singleShot(4000, &app, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            std::fputs("opened|", stdout);
            dialog->close();
        }
    });
    veltrane::shell::ShowWinDialog();
    std::fputs("closed", stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--win-child") {
        return runWinChild(argc, argv);
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
