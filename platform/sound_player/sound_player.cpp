// The sound player module: plays the game's wave files through the desktop's audio output.
// Each sound is read once and kept; playing it again starts it afresh from its beginning.

#include "platform/sound_player/sound_player.h"

#include "platform/wave_file.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPointer>
#include <QThread>
#include <QtEndian>
#include <optional>

namespace veltrane::platform {
namespace {

// A desktop without a sound server or an audio device is ordinary, and the game then plays
// silently; but Qt Multimedia says so on standard error ("PulseAudioService:
// pa_context_connect() failed"), in Qt's default category. What it says while the game asks it
// for a sound is kept for diagnostics, under this category's debug messages:
// QT_LOGGING_RULES="veltrane.sound.debug=true" shows it.
Q_LOGGING_CATEGORY(lcSound, "veltrane.sound", QtInfoMsg)

QtMessageHandler passedOn = nullptr;
Qt::HANDLE askingThread = nullptr;

void keepForDiagnostics(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Other threads' messages, and the fatal ones, are not the sound system's answer.
    if (QThread::currentThreadId() != askingThread || type == QtFatalMsg) {
        passedOn(type, context, text);
    } else if (lcSound().isDebugEnabled()) {
        const QMessageLogContext ours(context.file, context.line, context.function,
                                      lcSound().categoryName());
        passedOn(QtDebugMsg, ours, text);
    }
}

// For as long as it lives, Qt Multimedia's messages on this thread go to the diagnostics.
class Quiet {
  public:
    Quiet() {
        askingThread = QThread::currentThreadId();
        passedOn = qInstallMessageHandler(keepForDiagnostics);
    }
    ~Quiet() { qInstallMessageHandler(passedOn); }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;
};

// Three-byte samples have no sample format of their own on the audio output: they are
// widened to four bytes, the extra byte below the sample.
QByteArray widen24(const QByteArray& samples) {
    QByteArray wide(samples.size() / 3 * 4, '\0');
    char* out = wide.data();
    for (qsizetype i = 0; i + 3 <= samples.size(); i += 3, out += 4) {
        out[1] = samples[i];
        out[2] = samples[i + 1];
        out[3] = samples[i + 2];
    }
    return wide;
}

// The sample format the sink is given; 24-bit samples are widened to 32 bits on loading.
QAudioFormat::SampleFormat sampleFormatOf(WaveEncoding encoding) {
    switch (encoding) {
    case WaveEncoding::UnsignedInt8:
        return QAudioFormat::UInt8;
    case WaveEncoding::SignedInt16:
        return QAudioFormat::Int16;
    case WaveEncoding::SignedInt24:
    case WaveEncoding::SignedInt32:
        return QAudioFormat::Int32;
    case WaveEncoding::Float32:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

std::optional<QAudioFormat> formatOf(const WaveSound& sound) {
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sampleFormatOf(sound.encoding));
    if (!format.isValid()) {
        return std::nullopt;
    }
    return format;
}

// One loaded sound: a reader over its samples and the output stream that plays them. Both
// belong to the bank; a sound that cannot be played has neither.
struct Sound {
    QBuffer* reader = nullptr;
    QAudioSink* output = nullptr;
};

// Every sound asked for so far, for the life of the application, which owns them.
class SoundBank : public QObject {
  public:
    explicit SoundBank(QObject* parent) : QObject(parent) {}

    void play(const QString& path) {
        for (const Sound& other : std::as_const(sounds_)) {
            if (other.output != nullptr) {
                other.output->stop();
            }
        }
        const auto known = sounds_.constFind(path);
        const Sound sound = known != sounds_.cend() ? *known : load(path);
        if (sound.output != nullptr) {
            sound.reader->seek(0);
            sound.output->start(sound.reader);
        }
    }

  private:
    Sound load(const QString& path) {
        Sound& sound = sounds_[path];
        std::optional<WaveSound> wave = ReadWave(path, true);
        if (!wave) {
            return sound;
        }
        const std::optional<QAudioFormat> format = formatOf(*wave);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (!format || device.isNull()) {
            return sound;
        }
        sound.reader = new QBuffer(this);
        sound.reader->setData(wave->encoding == WaveEncoding::SignedInt24
                                  ? widen24(wave->samples)
                                  : std::move(wave->samples));
        sound.reader->open(QIODevice::ReadOnly);
        sound.output = new QAudioSink(device, *format, this);
        return sound;
    }

    QHash<QString, Sound> sounds_;
};

SoundBank* bank() {
    static QPointer<SoundBank> instance;
    if (instance.isNull() && QCoreApplication::instance() != nullptr) {
        instance = new SoundBank(QCoreApplication::instance());
    }
    return instance.data();
}

} // namespace
} // namespace veltrane::platform

extern "C" Q_DECL_EXPORT void veltrane_play_sound(const QString& path) {
    if (veltrane::platform::SoundBank* sounds = veltrane::platform::bank()) {
        const veltrane::platform::Quiet quiet;
        sounds->play(path);
    }
}
