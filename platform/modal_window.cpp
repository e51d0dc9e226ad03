#include "platform/modal_window.h"

#include "platform/x11.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <optional>

namespace veltrane::platform {
namespace {

// The workspace the window manager has put an X window on, if it says.
std::optional<std::uint32_t> workspaceOf(xcb_connection_t* c, xcb_atom_t desktop,
                                         xcb_window_t window) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, window, desktop, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    std::optional<std::uint32_t> found;
    if (reply != nullptr && xcb_get_property_value_length(reply) == 4) {
        found = *static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
    }
    std::free(reply);
    return found;
}

// Some X window managers (icewm) move a window alone to another workspace though it is
// transient for another: the modal window is asked back onto the workspace of the window it
// blocks, as the desktop's window-manager convention lets a program ask.
void joinOwnersWorkspace(QWidget* window) {
    xcb_connection_t* c = X11Connection();
    const QWindow* handle = window->windowHandle();
    const QWindow* owner = handle != nullptr ? handle->transientParent() : nullptr;
    if (c == nullptr || owner == nullptr) {
        return;
    }
    const xcb_atom_t desktop = InternAtom(c, "_NET_WM_DESKTOP");
    const auto ownerWorkspace = workspaceOf(c, desktop, static_cast<xcb_window_t>(owner->winId()));
    const auto ownWorkspace = workspaceOf(c, desktop, static_cast<xcb_window_t>(handle->winId()));
    if (!ownerWorkspace || ownWorkspace == ownerWorkspace) {
        return;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(handle->winId());
    message.type = desktop;
    message.data.data32[0] = *ownerWorkspace;
    message.data.data32[1] = 1; // asked by the program itself
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

class ModalKeeper : public QObject, public QAbstractNativeEventFilter {
  public:
    explicit ModalKeeper(QWidget* window) : QObject(window), window_(window) {
        // The whole program's events: the window's own state changes, and the activation of
        // the windows it blocks.
        qApp->installEventFilter(this);
        // On X, the workspace changes of either window, which window managers report on the
        // window itself and Qt does not.
        if (xcb_connection_t* c = X11Connection()) {
            desktopAtom_ = InternAtom(c, "_NET_WM_DESKTOP");
            qApp->installNativeEventFilter(this);
        }
    }
    ~ModalKeeper() override { qApp->removeNativeEventFilter(this); }
    ModalKeeper(const ModalKeeper&) = delete;
    ModalKeeper& operator=(const ModalKeeper&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (desktopAtom_ == XCB_ATOM_NONE || eventType != "xcb_generic_event_t" ||
            window_.isNull() || window_->windowHandle() == nullptr) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) {
            return false;
        }
        const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
        const QWindow* owner = window_->windowHandle()->transientParent();
        const bool ours = property->window == window_->winId() ||
                          (owner != nullptr && property->window == owner->winId());
        if (property->atom == desktopAtom_ && ours) {
            // The modal window goes wherever the board it blocks is: moved alone to another
            // workspace, it comes back; the board moved, it follows.
            QTimer::singleShot(0, this, [this] {
                if (!window_.isNull() && window_->isVisible()) {
                    joinOwnersWorkspace(window_);
                }
            });
        }
        return false;
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
            joinOwnersWorkspace(window_);
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
    xcb_atom_t desktopAtom_ = XCB_ATOM_NONE;
};

} // namespace

void KeepModalWindowInReach(QWidget* window) {
    new ModalKeeper(window);
}

} // namespace veltrane::platform
