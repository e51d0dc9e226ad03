#include "platform/sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>
#include <string_view>
#include <utility>

namespace veltrane::platform {
namespace {

std::function<void(const QString&)>& observer() {
    static std::function<void(const QString&)> instance;
    return instance;
}

// The loaded sounds, one per file, kept for the life of the application so that a second
// request replays without loading again. Parented to the application, so they go before it.
class SoundBank : public QObject {
  public:
    explicit SoundBank(QObject* parent) : QObject(parent) {}

    void play(const QString& path) {
        for (QSoundEffect* other : std::as_const(effects_)) {
            other->stop();
        }
        QSoundEffect*& effect = effects_[path];
        if (effect == nullptr) {
            effect = new QSoundEffect(this);
            effect->setSource(QUrl::fromLocalFile(path));
        }
        effect->play();
    }

  private:
    QHash<QString, QSoundEffect*> effects_;
};

SoundBank* bank() {
    static QPointer<SoundBank> instance;
    if (instance.isNull() && QCoreApplication::instance() != nullptr) {
        instance = new SoundBank(QCoreApplication::instance());
    }
    return instance.data();
}

quint32 le32(const char* p) {
    return qFromLittleEndian<quint32>(p);
}
quint16 le16(const char* p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

bool IsPlayableWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    char riff[12];
    if (file.read(riff, 12) != 12 || std::string_view(riff, 4) != "RIFF" ||
        std::string_view(riff + 8, 4) != "WAVE") {
        return false;
    }
    bool formatOk = false;
    char head[8];
    while (file.read(head, 8) == 8) {
        const std::string_view id(head, 4);
        const quint32 size = le32(head + 4);
        if (id == "fmt ") {
            char fmt[16];
            if (size < 16 || file.read(fmt, 16) != 16) {
                return false;
            }
            const quint16 tag = le16(fmt);
            const quint16 channels = le16(fmt + 2);
            const quint32 rate = le32(fmt + 4);
            const quint16 bits = le16(fmt + 14);
            // PCM, IEEE float or the extensible form of either.
            const bool knownTag = tag == 1 || tag == 3 || tag == 0xFFFE;
            const bool knownBits = bits == 8 || bits == 16 || bits == 24 || bits == 32;
            formatOk = knownTag && knownBits && channels > 0 && rate > 0;
            if (!formatOk) {
                return false;
            }
            if (!file.seek(file.pos() - 16)) {
                return false;
            }
        } else if (id == "data") {
            return formatOk && size > 0 && file.size() - file.pos() > 0;
        }
        // Chunks are padded to an even length.
        if (!file.seek(file.pos() + size + (size & 1U))) {
            return false;
        }
    }
    return false;
}

void SetSoundObserver(std::function<void(const QString&)> observer_) {
    observer() = std::move(observer_);
}

void PlaySound(const QString& path) {
    if (observer()) {
        observer()(path);
    }
    // Checked here because the player reports a missing or broken file on the terminal.
    if (!IsPlayableWave(path)) {
        return;
    }
    if (SoundBank* sounds = bank()) {
        sounds->play(path);
    }
}

} // namespace veltrane::platform
