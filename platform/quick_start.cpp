#include "platform/quick_start.h"

#include "platform/pictures.h"
#include "platform/startup_trace.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

namespace veltrane::platform {
namespace {

// A standard icon of the base style, asked for only when it is first drawn.
class DeferredStandardIcon : public QIconEngine {
  public:
    DeferredStandardIcon(QStyle* style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(style_, which_); }

  private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            if (style_ != nullptr) {
                icon_ = style_->standardIcon(which_);
            }
        }
        return icon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

class ApplicationStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            return QIcon(new DeferredStandardIcon(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

} // namespace

std::future<void> ListFontsInBackground() {
    return std::async(std::launch::async, [] {
        StartupMark("font list start");
        QFontDatabase::families();
        StartupMark("font list done");
    });
}

std::future<QImage> ReadPictureInBackground(const QString& name, qreal devicePixelRatio) {
    return std::async(std::launch::async, [name, devicePixelRatio] {
        StartupMark("splash picture decoding");
        QImage image = ReadPicture(name, devicePixelRatio);
        StartupMark("splash picture decoded");
        return image;
    });
}

void InstallApplicationStyle() {
    QApplication::setStyle(new ApplicationStyle);
}

} // namespace veltrane::platform
