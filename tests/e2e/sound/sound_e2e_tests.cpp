// The sounds heard for real. Each test starts its own PulseAudio server with a null sink (no
// sound card is needed) and records the sink's monitor while the real splash greets and the
// real win dialog applauds; without the SOUND folder the program behaves the same and the
// recording stays silent.

#include "game_on_x.h"
#include "qt_test_support.h"
#include "shell/frm_win.h"
#include "waits.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

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

// The stretch from the first to the last loud 10 ms window, in seconds, and its loudness; where
// it starts, and how much quiet was recorded after it.
struct Heard {
    double seconds = 0;
    double peakRms = 0;
    double start = 0;
    double quietAfter = 0;
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
        heard.start = static_cast<double>(*first) / s.rate;
        heard.quietAfter = static_cast<double>(s.values.size() - last) / s.rate;
    }
    return heard;
}

// The first seconds of a recording.
Samples head(const Samples& s, double seconds) {
    Samples out = s;
    out.values.resize(std::min(out.values.size(), static_cast<std::size_t>(seconds * s.rate)));
    return out;
}

// True once a sound about as long as the one expected has been heard and has ended.
bool heardToItsEnd(const Samples& recording, double expectedSeconds) {
    const Heard heard = listen(recording);
    return heard.seconds > expectedSeconds - 0.35 && heard.quietAfter > 0.3;
}

// A short tone that the test itself plays into the sink after the game has passed the point
// where it would have played its own sound: once the tone is heard, anything the game had
// started would have been heard before it.
constexpr double kMarkerSeconds = 0.3;

bool writeMarker(const QString& path) {
    constexpr int rate = 22050;
    const auto frames = static_cast<quint32>(kMarkerSeconds * rate);
    QByteArray wave("RIFF");
    const auto append32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    const auto append16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    append32(36 + frames * 2);
    wave.append("WAVEfmt ");
    append32(16);
    append16(1);
    append16(1);
    append32(rate);
    append32(rate * 2);
    append16(2);
    append16(16);
    wave.append("data");
    append32(frames * 2);
    for (quint32 i = 0; i < frames; ++i) {
        append16(static_cast<quint16>(
            static_cast<qint16>(12000 * std::sin(2 * 3.14159265 * 880 * i / rate))));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wave) == wave.size();
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
        ready_ = veltrane::e2e::WaitOnFolder(
                     dir_.path(), [&socket] { return QFile::exists(socket); }, 10000, &server_) &&
                 server_.state() == QProcess::Running;
    }
    ~SoundServer() {
        qunsetenv("PULSE_SERVER");
        veltrane::e2e::StopProgram(server_);
    }
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    bool ready() const { return ready_; }

    // A recording of the sink's monitor, running once the recorder delivers.
    class Recording {
      public:
        explicit Recording(const QString& file) : file_(file) {
            recorder_.start(QStringLiteral("parecord"),
                            {QStringLiteral("--device=") + kSink + QStringLiteral(".monitor"),
                             QStringLiteral("--file-format=wav"), QStringLiteral("--format=s16le"),
                             QStringLiteral("--channels=1"), QStringLiteral("--rate=22050"),
                             // Small fragments, so that what is heard is soon in the file and
                             // stopping the recorder loses nothing.
                             QStringLiteral("--latency-msec=20"), file_});
            EXPECT_TRUE(recorder_.waitForStarted(5000));
            EXPECT_TRUE(waitUntil([](const Samples& s) { return !s.values.empty(); }))
                << "the recorder delivers nothing";
        }
        ~Recording() { stop(); }
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

        // Waits until what has been recorded so far satisfies the condition.
        bool waitUntil(const std::function<bool(const Samples&)>& condition,
                       int timeoutMs = 15000) const {
            return veltrane::e2e::WaitOnFolder(
                QFileInfo(file_).absolutePath(), [&] { return condition(readWave(file_)); },
                timeoutMs, &recorder_);
        }

        Samples stop() {
            veltrane::e2e::StopProgram(recorder_);
            return readWave(file_);
        }

      private:
        QString file_;
        QProcess recorder_;
    };

    std::unique_ptr<Recording> record() {
        return std::make_unique<Recording>(
            dir_.filePath(QStringLiteral("take%1.wav").arg(++takes_)));
    }

    // Plays the marker tone into the sink and waits until the recording holds it to its end.
    bool playMarker(const Recording& recording) {
        const QString marker = dir_.filePath(QStringLiteral("marker.wav"));
        if (!QFile::exists(marker) && !writeMarker(marker)) {
            return false;
        }
        QProcess player;
        player.start(QStringLiteral("paplay"), {marker});
        return player.waitForFinished(10000) && player.exitCode() == 0 &&
               recording.waitUntil(
                   [](const Samples& s) { return heardToItsEnd(s, kMarkerSeconds); });
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

// What a run waits for before it ends: the game's own sound heard to its end, or the marker
// tone played after the game has passed the point where its sound would have started.
struct Awaited {
    std::optional<double> soundSeconds; // nothing: silence is expected
};

bool awaitEnd(SoundServer& sound, const SoundServer::Recording& recording, const Awaited& awaited) {
    if (awaited.soundSeconds) {
        return recording.waitUntil(
            [&](const Samples& s) { return heardToItsEnd(s, *awaited.soundSeconds); });
    }
    return sound.playMarker(recording);
}

// The splash on a real X server, recorded from its start; once the greeting has been heard to
// its end (or, where silence is expected, once ENTER HERE has shown the board and the marker
// has been heard), ENTER HERE. True when the splash and then the board appeared.
bool runSplash(SoundServer& sound, const QString& executable, const Awaited& awaited,
               Samples& recording) {
    XSession x;
    const auto take = sound.record();
    QProcess& game = x.launch(executable);
    const auto splash = x.waitForWindowOf(game);
    if (!splash || x.windowTitle(*splash) != QStringLiteral("Welcome")) {
        recording = take->stop();
        return false;
    }
    // The greeting is asked for as the splash becomes active, before ENTER HERE can be clicked.
    bool ended = !awaited.soundSeconds || awaitEnd(sound, *take, awaited);
    veltrane::e2e::ClickIn(x, *splash, veltrane::e2e::kEnterHere);
    const bool boardShown = x.waitForWindow(veltrane::e2e::kBoardTitle).has_value();
    if (!awaited.soundSeconds) {
        ended = awaitEnd(sound, *take, awaited);
    }
    recording = take->stop();
    EXPECT_TRUE(ended) << "the recording never held what the test waited for";
    return boardShown;
}

// The real win dialog, opened by a child program as a win opens it and closed once the
// applause has been heard to its end (or the marker after it). True when the dialog opened and
// closed.
bool runWinDialog(SoundServer& sound, const QString& program, const Awaited& awaited,
                  Samples& recording) {
    const auto take = sound.record();
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(program, {QStringLiteral("--win-child")});
    QByteArray said;
    for (const QDeadlineTimer deadline(20000); !said.startsWith("opened|");) {
        if (deadline.hasExpired() ||
            !child.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            break;
        }
        said += child.readAllStandardOutput();
    }
    // The applause is asked for as the dialog opens.
    const bool ended = said.startsWith("opened|") && awaitEnd(sound, *take, awaited);
    child.closeWriteChannel();
    const bool closed = child.waitForFinished(20000) && child.exitCode() == 0 &&
                        said + child.readAllStandardOutput() == "opened|closed";
    recording = take->stop();
    EXPECT_TRUE(ended) << "the recording never held what the test waited for";
    return closed;
}

// The recording holds the marker tone and nothing before it.
void expectOnlyTheMarker(const Samples& take) {
    const Heard heard = listen(take);
    EXPECT_NEAR(heard.seconds, kMarkerSeconds, 0.1) << "more was heard than the marker";
    EXPECT_LT(listen(head(take, heard.start)).peakRms, 0.001) << "a sound before the marker";
}

TEST(Sounds, TheSplashGreetsAndTheWinDialogApplauds) {
    SoundServer sound;
    ASSERT_TRUE(sound.ready());
    const Heard greeting = sourceOf(QStringLiteral("34.WAV"));
    const Heard applause = sourceOf(QStringLiteral("APPLAUS.WAV"));
    ASSERT_GT(greeting.seconds, 0.3);
    ASSERT_GT(applause.seconds, 1.0);

    Samples take;
    ASSERT_TRUE(runSplash(sound, QStringLiteral(VELTRANE_EXECUTABLE), {greeting.seconds}, take));
    const Heard splash = listen(take);
    ::testing::Test::RecordProperty("greeting_heard_seconds", std::to_string(splash.seconds));
    EXPECT_GT(splash.peakRms, greeting.peakRms / 4);
    EXPECT_NEAR(splash.seconds, greeting.seconds, 0.35);

    ASSERT_TRUE(
        runWinDialog(sound, QCoreApplication::applicationFilePath(), {applause.seconds}, take));
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
    EXPECT_TRUE(runSplash(sound, copy.game(), {}, take));
    expectOnlyTheMarker(take);

    EXPECT_TRUE(runWinDialog(sound, copy.tests(), {}, take));
    expectOnlyTheMarker(take);
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
    ASSERT_TRUE(runSplash(sound, whole.game(), {greeting.seconds}, take));
    EXPECT_NEAR(listen(take).seconds, greeting.seconds, 0.35);

    GameCopy playerless(true, false);
    ASSERT_TRUE(playerless.ok());
    EXPECT_TRUE(runSplash(sound, playerless.game(), {}, take));
    expectOnlyTheMarker(take);
}

// Opens the win dialog as a win does, reports it, and closes it when the test closes this
// program's input: the test has then heard what it waited for.
int runWinChild(int argc, char** argv) {
    QApplication app(argc, argv);
    veltrane::test_support::WhenModalAppears([](QWidget* dialog) {
        std::fputs("opened|", stdout);
        std::fflush(stdout);
        auto* input = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, dialog);
        QObject::connect(input, &QSocketNotifier::activated, dialog, [dialog, input] {
            char buffer[64];
            if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
                input->setEnabled(false);
                dialog->close();
            }
        });
    });
    veltrane::shell::ShowWinDialog(nullptr);
    std::fputs("closed", stdout);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status =
            veltrane::test_support::RunChildIfAsked(argc, argv, {{"--win-child", runWinChild}})) {
        return *status;
    }
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
