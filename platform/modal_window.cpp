#include "platform/modal_window.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace veltrane::platform {
namespace {

class ModalKeeper : public QObject {
  public:
    explicit ModalKeeper(QWidget* window) : QObject(window), window_(window) {
        // The whole program's events: the window's own state changes, and the activation of
        // the windows it blocks.
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool minimised = event->type() == QEvent::WindowStateChange && watched == window_ &&
                               window_->isMinimized();
        const bool blockedWindowActivated = event->type() == QEvent::WindowActivate &&
                                            watched != window_ && watched->isWidgetType() &&
                                            blockedByOurWindow(static_cast<QWidget*>(watched));
        if (minimised || blockedWindowActivated) {
            bringBack();
        }
        return false;
    }

  private:
    // A window that our window blocks: not itself modal (a message box over ours is not
    // blocked), and ours the modal window on top.
    bool blockedByOurWindow(const QWidget* widget) const {
        return widget->isWindow() && widget->windowModality() == Qt::NonModal &&
               window_->isVisible() && QApplication::activeModalWidget() == window_;
    }

    // After the event that asked for it has been handled, so the window system's own change
    // is complete before it is undone.
    void bringBack() {
        if (pending_) {
            return;
        }
        pending_ = true;
        QTimer::singleShot(0, this, [this] {
            pending_ = false;
            if (window_.isNull() || !window_->isVisible()) {
                return;
            }
            if (window_->isMinimized()) {
                window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
                window_->show();
            }
            window_->raise();
            window_->activateWindow();
        });
    }

    QPointer<QWidget> window_;
    bool pending_ = false;
};

} // namespace

void KeepModalWindowInReach(QWidget* window) {
    new ModalKeeper(window);
}

} // namespace veltrane::platform
