#include "platform/wave_file.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <string_view>

namespace veltrane::platform {
namespace {

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kExtensible = 0xFFFE;

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

std::optional<WaveEncoding> encodingOf(quint16 tag, quint16 bits) {
    if (tag == kPcm) {
        switch (bits) {
        case 8:
            return WaveEncoding::UnsignedInt8;
        case 16:
            return WaveEncoding::SignedInt16;
        case 24:
            return WaveEncoding::SignedInt24;
        case 32:
            return WaveEncoding::SignedInt32;
        default:
            return std::nullopt;
        }
    }
    if (tag == kFloat && bits == 32) {
        return WaveEncoding::Float32;
    }
    return std::nullopt;
}

} // namespace

std::optional<WaveSound> ReadWave(const QString& path, bool withSamples) {
    // Only a regular file: a named pipe or a device would hold the game up.
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    char riff[12];
    if (file.read(riff, 12) != 12 || std::string_view(riff, 4) != "RIFF" ||
        std::string_view(riff + 8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveSound> sound;
    int frameBytes = 0;
    char head[8];
    while (file.read(head, 8) == 8) {
        const std::string_view id(head, 4);
        const quint32 size = le32(head + 4);
        const qint64 body = file.pos();
        if (id == "fmt ") {
            char fmt[40] = {};
            const qint64 wanted = size >= 40 ? 40 : 16;
            if (size < 16 || file.read(fmt, wanted) != wanted) {
                return std::nullopt;
            }
            quint16 tag = le16(fmt);
            const quint16 channels = le16(fmt + 2);
            const quint32 rate = le32(fmt + 4);
            const quint16 bits = le16(fmt + 14);
            if (tag == kExtensible) {
                // The real format is the first two bytes of the sub-format's identifier.
                tag = size >= 40 ? le16(fmt + 24) : 0;
            }
            const std::optional<WaveEncoding> encoding = encodingOf(tag, bits);
            if (!encoding || channels == 0 || rate == 0 || rate > 1'000'000) {
                return std::nullopt;
            }
            sound = WaveSound{*encoding, channels, static_cast<int>(rate), {}};
            frameBytes = channels * (bits / 8);
        } else if (id == "data") {
            if (!sound) {
                return std::nullopt;
            }
            // A data chunk that claims more than the file holds plays what is there.
            const qint64 present = std::min<qint64>(size, file.size() - body);
            const qint64 whole = present - present % frameBytes;
            if (whole <= 0 || whole > kMaxWaveBytes) {
                return std::nullopt;
            }
            if (withSamples) {
                sound->samples = file.read(whole);
                if (sound->samples.size() != whole) {
                    return std::nullopt;
                }
            }
            return sound;
        }
        // Chunks are padded to an even length.
        if (!file.seek(body + size + (size & 1U))) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace veltrane::platform
