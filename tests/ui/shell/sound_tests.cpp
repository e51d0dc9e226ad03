// The sound operation: which files it takes for wave files, and that a missing or broken file
// is passed over without a word while the game goes on.

#include "platform/program_folder.h"
#include "platform/sound.h"
#include "platform/wave_file.h"
#include "qt_test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using veltrane::platform::IsPlayableWave;
using veltrane::platform::ReadWave;
using veltrane::platform::WaveEncoding;

namespace {

QByteArray le32(quint32 v) {
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le16(quint16 v) {
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

// A RIFF WAVE file with a format chunk (tag, channels, bits) and a data chunk, optionally with
// an odd-sized chunk before the format to exercise the padding.
QByteArray wave(quint16 tag, quint16 channels, quint16 bits, int dataBytes, bool oddChunk) {
    QByteArray body = "WAVE";
    if (oddChunk) {
        body += "LIST" + le32(3) + "abc" + QByteArray(1, '\0');
    }
    body += "fmt " + le32(16) + le16(tag) + le16(channels) + le32(22050) +
            le32(22050U * channels * bits / 8) + le16(static_cast<quint16>(channels * bits / 8)) +
            le16(bits);
    body += "data" + le32(static_cast<quint32>(dataBytes)) + QByteArray(dataBytes, '\x10');
    return "RIFF" + le32(static_cast<quint32>(body.size())) + body;
}

class SoundFiles : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(SoundFiles, TheGamesOwnSoundsAndPlainPcmFilesArePlayable) {
    const QString folder = veltrane::platform::ProgramFolder();
    EXPECT_TRUE(IsPlayableWave(folder + "/SOUND/34.WAV"));
    EXPECT_TRUE(IsPlayableWave(folder + "/SOUND/APPLAUS.WAV"));
    EXPECT_TRUE(IsPlayableWave(write("mono8.wav", wave(1, 1, 8, 100, false))));
    EXPECT_TRUE(IsPlayableWave(write("stereo16.wav", wave(1, 2, 16, 100, true))));
    EXPECT_TRUE(IsPlayableWave(write("float.wav", wave(3, 1, 32, 100, false))));
}

TEST_F(SoundFiles, MissingEmptyForeignAndBrokenFilesAreNot) {
    EXPECT_FALSE(IsPlayableWave(dir_.filePath("absent.wav")));
    EXPECT_FALSE(IsPlayableWave(dir_.path()));
    EXPECT_FALSE(IsPlayableWave(write("empty.wav", {})));
    EXPECT_FALSE(IsPlayableWave(write("text.wav", "hello, this is no sound at all\n")));
    const QByteArray good = wave(1, 1, 16, 100, false);
    EXPECT_FALSE(IsPlayableWave(write("cut.wav", good.left(30))));
    EXPECT_FALSE(IsPlayableWave(write("nodata.wav", good.left(36))));
    EXPECT_FALSE(IsPlayableWave(write("compressed.wav", wave(2, 1, 4, 100, false))));
    EXPECT_FALSE(IsPlayableWave(write("silentless.wav", wave(1, 1, 16, 0, false))));
    EXPECT_FALSE(IsPlayableWave(write("nochannels.wav", wave(1, 0, 16, 100, false))));
    QByteArray huge = good;
    huge.replace(36, 8, "LIST" + le32(0x7FFFFFF0U));
    EXPECT_FALSE(IsPlayableWave(write("hugechunk.wav", huge)));
}

TEST_F(SoundFiles, TheSamplesReadAreWholeFramesOfWhatTheFileHolds) {
    // Stereo 16-bit: four bytes a frame. A data chunk that claims more than the file holds gives
    // the whole frames that are there.
    QByteArray cut = wave(1, 2, 16, 103, false);
    const auto whole = ReadWave(write("whole.wav", cut), true);
    ASSERT_TRUE(whole.has_value());
    EXPECT_EQ(whole->encoding, WaveEncoding::SignedInt16);
    EXPECT_EQ(whole->channels, 2);
    EXPECT_EQ(whole->sampleRate, 22050);
    EXPECT_EQ(whole->samples, QByteArray(100, '\x10'));
    cut.chop(50);
    const auto shortened = ReadWave(write("short.wav", cut), true);
    ASSERT_TRUE(shortened.has_value());
    EXPECT_EQ(shortened->samples.size(), 52);
    EXPECT_TRUE(ReadWave(write("header.wav", cut), false)->samples.isEmpty());

    // 24-bit PCM is taken; floating point only at 32 bits.
    EXPECT_EQ(ReadWave(write("pcm24.wav", wave(1, 1, 24, 99, false)), false)->encoding,
              WaveEncoding::SignedInt24);
    EXPECT_FALSE(ReadWave(write("double.wav", wave(3, 1, 64, 96, false)), false).has_value());
}

TEST_F(SoundFiles, TheExtensibleFormatIsReadByItsSubFormat) {
    // The 40-byte format chunk: the common 16 bytes, then the extension whose sub-format
    // identifier begins with the real format tag.
    auto extensible = [](quint16 subFormat) {
        QByteArray fmt = le16(0xFFFE) + le16(1) + le32(48000) + le32(96000) + le16(2) + le16(16) +
                         le16(22) + le16(16) + le32(4) + le16(subFormat) +
                         QByteArray::fromHex("000000001000800000aa00389b71");
        QByteArray body = "WAVEfmt " + le32(40) + fmt + "data" + le32(8) + QByteArray(8, '\1');
        return "RIFF" + le32(static_cast<quint32>(body.size())) + body;
    };
    const auto pcm = ReadWave(write("ext-pcm.wav", extensible(1)), false);
    ASSERT_TRUE(pcm.has_value());
    EXPECT_EQ(pcm->encoding, WaveEncoding::SignedInt16);
    EXPECT_EQ(pcm->sampleRate, 48000);
    EXPECT_FALSE(ReadWave(write("ext-adpcm.wav", extensible(2)), false).has_value());
}

TEST_F(SoundFiles, SoundsThatCannotBePlayedSayNothing) {
    // A child plays the missing, the foreign and the broken file, then the real greeting, and
    // ends: none of it may speak of the sound files, whatever the machine's audio.
    const QString text = write("text.wav", "not a sound");
    const QString cut = write("cut.wav", wave(1, 1, 16, 100, false).left(30));
    const auto child = veltrane::test_support::RunThisProgram(
        {QStringLiteral("--sound-child"), dir_.filePath("absent.wav"), text, cut,
         veltrane::platform::ProgramFolder() + "/SOUND/34.WAV"});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.exitCode, 0);
    const QString said = QString::fromUtf8(child.errors + child.output);
    EXPECT_FALSE(said.contains(QStringLiteral("QAudioSink"))) << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral(".wav"), Qt::CaseInsensitive)) << said.toStdString();
}

} // namespace
