#include "platform/pictures.h"

#include "game/runtime_error.h"

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <png.h>
#include <string_view>

namespace veltrane::platform {
namespace {

// Our pictures are PNG files in the program's resources, read by the PNG library itself: the
// image reader would first load every image plug-in of the system to ask whether one of them
// wants the file.
class PictureFile {
  public:
    PictureFile(const QString& name, bool doubleSize)
        : resource_(QStringLiteral(":/pictures/%1%2.png")
                        .arg(name, doubleSize ? QStringLiteral("@2x") : QString())) {
        if (!resource_.isValid()) {
            return;
        }
        if (resource_.compressionAlgorithm() == QResource::NoCompression) {
            bytes_ = QByteArray::fromRawData(reinterpret_cast<const char*>(resource_.data()),
                                             static_cast<qsizetype>(resource_.size()));
        } else {
            bytes_ = resource_.uncompressedData();
        }
        header_.version = PNG_IMAGE_VERSION;
        valid_ = png_image_begin_read_from_memory(&header_, bytes_.constData(),
                                                  static_cast<size_t>(bytes_.size())) != 0;
    }
    ~PictureFile() { png_image_free(&header_); }
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    QSize size() const {
        return valid_ ? QSize(static_cast<int>(header_.width), static_cast<int>(header_.height))
                      : QSize();
    }

    QImage decode() {
        if (!valid_) {
            return {};
        }
        // Straight (not premultiplied) alpha in the byte order of QImage's ARGB32 pixels.
        header_.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
        QImage image(size(), QImage::Format_ARGB32);
        if (image.isNull() ||
            png_image_finish_read(&header_, nullptr, image.bits(),
                                  static_cast<png_int_32>(image.bytesPerLine()), nullptr) == 0) {
            return {};
        }
        return image;
    }

    // The value of a text chunk of the file, empty when it has none by that key.
    QString text(std::string_view key) const {
        qsizetype at = 8; // past the signature
        while (at + 12 <= bytes_.size()) {
            const quint32 length = qFromBigEndian<quint32>(bytes_.constData() + at);
            const std::string_view type(bytes_.constData() + at + 4, 4);
            if (length > static_cast<quint64>(bytes_.size() - at - 12)) {
                break;
            }
            if (type == "tEXt") {
                const std::string_view body(bytes_.constData() + at + 8, length);
                const auto end = body.find('\0');
                if (end != std::string_view::npos && body.substr(0, end) == key) {
                    const std::string_view value = body.substr(end + 1);
                    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
                }
            } else if (type == "IDAT") {
                break;
            }
            at += 12 + static_cast<qsizetype>(length);
        }
        return {};
    }

  private:
    QResource resource_;
    QByteArray bytes_;
    png_image header_{};
    bool valid_ = false;
};

QImage readPicture(PictureFile& file, bool doubleSize) {
    QImage image = file.decode();
    if (image.isNull()) {
        raiseError(ErrInvalidPicture);
    }
    if (doubleSize) {
        image.setDevicePixelRatio(2.0);
    }
    return image;
}

// The red diamond in the sizes drawn for it. A size is decoded when the desktop first asks for
// it, which is when the board is first shown, not while the splash is on its way to the screen.
class RedDiamondIconEngine final : public QIconEngine {
  public:
    QIconEngine* clone() const override { return new RedDiamondIconEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        QList<QSize> sizes;
        for (const int side : kSides) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }

    // The smallest drawing that covers the size, made smaller if it does not fit; never
    // enlarged beyond the largest drawing.
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        std::size_t best = kSides.size() - 1;
        for (std::size_t i = 0; i < kSides.size(); ++i) {
            if (kSides.at(i) >= std::max(size.width(), size.height())) {
                best = i;
                break;
            }
        }
        QPixmap& drawn = drawn_.at(best);
        if (drawn.isNull()) {
            drawn = LoadPicture(QStringLiteral("icon_%1").arg(kSides.at(best)), 1.0);
        }
        if (drawn.width() > size.width() || drawn.height() > size.height()) {
            return drawn.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

  private:
    static constexpr std::array<int, 5> kSides{32, 48, 64, 128, 256};
    std::array<QPixmap, 5> drawn_;
};

} // namespace

QPixmap LoadPicture(const QString& name, qreal devicePixelRatio) {
    return QPixmap::fromImage(ReadPicture(name, devicePixelRatio));
}

QImage ReadPicture(const QString& name, qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    PictureFile file(name, doubleSize);
    return readPicture(file, doubleSize);
}

QSize PictureSize(const QString& name, qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    const QSize size = PictureFile(name, doubleSize).size();
    if (!size.isValid()) {
        raiseError(ErrInvalidPicture);
    }
    return doubleSize ? size / 2 : size;
}

QIcon GameIcon() {
    return QIcon(new RedDiamondIconEngine);
}

QCursor HandCursor(qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    PictureFile file(QStringLiteral("hand_cursor"), doubleSize);
    const QImage image = readPicture(file, doubleSize);
    // The hot spot is stored in the picture's own pixels; the cursor wants it in the
    // window's pixels.
    const int scale = doubleSize ? 2 : 1;
    const int hotX = file.text("HotSpotX").toInt() / scale;
    const int hotY = file.text("HotSpotY").toInt() / scale;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace veltrane::platform
