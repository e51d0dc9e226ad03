#pragma once
// Reading the game's wave files: the format chunk and the samples of a RIFF WAVE file.

#include <QByteArray>
#include <QString>
#include <optional>

namespace veltrane::platform {

// How the samples of a wave file are stored.
enum class WaveEncoding { UnsignedInt8, SignedInt16, SignedInt24, SignedInt32, Float32 };

struct WaveSound {
    WaveEncoding encoding = WaveEncoding::SignedInt16;
    int channels = 0;
    int sampleRate = 0;
    // Whole frames only, as stored (little-endian); empty when only the header was asked for.
    QByteArray samples;
};

// The longest sound effect read: far beyond any greeting or applause, and a bound on what a
// broken or hostile file can make the game hold.
inline constexpr qint64 kMaxWaveBytes = qint64{64} * 1024 * 1024;

// The wave file at path, when it is one that can be played: PCM of 8, 16, 24 or 32 bits or
// 32-bit floating point, in the plain or the extensible format chunk, with at least one whole
// frame of samples. With withSamples false only the header is read and checked.
std::optional<WaveSound> ReadWave(const QString& path, bool withSamples);

} // namespace veltrane::platform
