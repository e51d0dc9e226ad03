#include "platform/modal_window.h"

#include "platform/x11.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

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

// The modal window is asked onto the workspace of the window it blocks, as the desktop's
// window-manager convention lets a program ask; nothing when both are on the same one.
void joinOwnersWorkspace(xcb_connection_t* c, xcb_atom_t desktop, const QWidget* window,
                         const QWidget* owner) {
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto ownerWorkspace = workspaceOf(c, desktop, static_cast<xcb_window_t>(owner->winId()));
    if (!ownerWorkspace || workspaceOf(c, desktop, id) == ownerWorkspace) {
        return;
    }
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = desktop;
    message.data.data32[0] = *ownerWorkspace;
    message.data.data32[1] = 1; // asked by the program itself
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

// The major opcode of the X input extension, through which Qt takes the pointer's buttons.
std::uint8_t inputExtension(xcb_connection_t* c) {
    constexpr std::string_view kName = "XInputExtension";
    xcb_query_extension_reply_t* reply =
        xcb_query_extension_reply(c, xcb_query_extension(c, kName.size(), kName.data()), nullptr);
    const std::uint8_t opcode = reply != nullptr && reply->present != 0 ? reply->major_opcode : 0;
    std::free(reply);
    return opcode;
}

// The X window a key or button press happened in, as the core protocol or the input
// extension (version 2: event type, device, time, detail, root, then the window) reports it.
std::optional<xcb_window_t> pressedIn(const xcb_generic_event_t* event, std::uint8_t input) {
    const int type = event->response_type & 0x7F;
    if (type == XCB_BUTTON_PRESS || type == XCB_KEY_PRESS) {
        return reinterpret_cast<const xcb_button_press_event_t*>(event)->event;
    }
    const auto* generic = reinterpret_cast<const xcb_ge_generic_event_t*>(event);
    constexpr std::uint16_t kKeyPress = 2;
    constexpr std::uint16_t kButtonPress = 4;
    constexpr std::size_t kWindowAt = 24;
    if (type == XCB_GE_GENERIC && input != 0 && generic->extension == input &&
        (generic->event_type == kKeyPress || generic->event_type == kButtonPress)) {
        xcb_window_t window = 0;
        std::memcpy(&window, reinterpret_cast<const char*>(event) + kWindowAt, sizeof window);
        return window;
    }
    return std::nullopt;
}

// Watches the blocked window only. Its activation (picked from the task list, clicked when it
// did not have the focus) is the player using it: on X a blocked window that gets the focus
// hands it to its modal window itself when that one is on the screen, so it is only activated
// when the modal window is out of reach. On X a press in it counts too, as it may have the focus
// already (metacity gives it when it minimises Help alone).
//
// On Wayland the game learns of a minimise only when Qt's own title bar asks for it, and it cannot
// restore a window by itself: a compositor that then hands the focus to the blocked window (mutter
// does) refuses the modal window's activation, and would leave a window on the screen that takes
// no input. The blocked window is minimised too, so that the whole game waits in the window list.
// A compositor that restores the modal window itself (weston, on a click) activates that one.
class ModalKeeper : public QObject, public QAbstractNativeEventFilter {
  public:
    ModalKeeper(QWidget* window, QWidget* blocked)
        : QObject(window), window_(window), blocked_(blocked) {
        if ((x11_ = X11Connection()) != nullptr) {
            desktop_ = InternAtom(x11_, "_NET_WM_DESKTOP");
            input_ = inputExtension(x11_);
            qApp->installNativeEventFilter(this);
        }
        blocked->installEventFilter(this);
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            window->installEventFilter(this);
            connect(window->windowHandle(), &QWindow::windowStateChanged, this,
                    [this](Qt::WindowState state) {
                        minimisedAlone_ = minimisedAlone_ || state == Qt::WindowMinimized;
                    });
        }
    }
    ~ModalKeeper() override { qApp->removeNativeEventFilter(this); }
    ModalKeeper(const ModalKeeper&) = delete;
    ModalKeeper& operator=(const ModalKeeper&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType == "xcb_generic_event_t" && blocking()) {
            const auto in = pressedIn(static_cast<const xcb_generic_event_t*>(message), input_);
            if (in && *in == blocked_->winId() && outOfReach()) {
                bringBack();
            }
        }
        return false;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate && watched == window_) {
            minimisedAlone_ = false;
        } else if (event->type() == QEvent::WindowActivate && watched == blocked_ && blocking()) {
            if (std::exchange(minimisedAlone_, false)) {
                blocked_->showMinimized();
            } else {
                bringBack();
            }
        }
        return false;
    }

  private:
    bool blocking() const {
        return !window_.isNull() && !blocked_.isNull() && window_->isVisible() &&
               QApplication::activeModalWidget() == window_;
    }

    // Minimised, or on another workspace: nothing of it on the screen.
    bool outOfReach() const {
        const QWindow* handle = window_->windowHandle();
        return window_->isMinimized() || handle == nullptr || !handle->isExposed();
    }

    void bringBack() {
        if (x11_ != nullptr && desktop_ != XCB_ATOM_NONE) {
            joinOwnersWorkspace(x11_, desktop_, window_, blocked_);
        }
        if (window_->isMinimized()) {
            window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
        }
        window_->raise();
        window_->activateWindow();
    }

    QPointer<QWidget> window_;
    QPointer<QWidget> blocked_;
    xcb_connection_t* x11_ = nullptr;
    xcb_atom_t desktop_ = XCB_ATOM_NONE;
    std::uint8_t input_ = 0;
    bool minimisedAlone_ = false; // by Qt's own title bar on Wayland, since last active
};

} // namespace

void KeepModalWindowInReach(QWidget* window, QWidget* blocked) {
    new ModalKeeper(window, blocked);
}

} // namespace veltrane::platform
