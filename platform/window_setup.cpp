#include "platform/window_setup.h"

#include "platform/message_box.h"
#include "platform/modal_window.h"
#include "platform/pictures.h"
#include "platform/x11.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdint>

namespace veltrane::platform {
namespace {

// The Motif window-manager hints' bits that X window managers read from _MOTIF_WM_HINTS
// (flags, functions, decorations, input mode, status). Resizing (function 1 << 1, resize handle
// 1 << 2) and maximising (function 1 << 4, decoration 1 << 6) are left out on purpose.
constexpr std::uint32_t kHintsFunctions = 1U << 0;
constexpr std::uint32_t kHintsDecorations = 1U << 1;
constexpr std::uint32_t kFunctionMove = 1U << 2;
constexpr std::uint32_t kFunctionMinimise = 1U << 3;
constexpr std::uint32_t kFunctionClose = 1U << 5;
constexpr std::uint32_t kDecorationBorder = 1U << 1;
constexpr std::uint32_t kDecorationTitle = 1U << 3;
constexpr std::uint32_t kDecorationMenu = 1U << 4;
constexpr std::uint32_t kDecorationMinimise = 1U << 5;

// Qt's X platform writes Motif hints that allow resizing to every window with a title bar,
// fixed size or not, so window managers that heed them (icewm, fluxbox; openbox for full
// screen) offer to resize or maximise a window whose size hints say it cannot change. The
// hints are written again here from the window's frame kind: moving and closing, minimising
// for the board, nothing that changes the size. Qt writes its own when the native window is
// made and when its flags change, so this runs after the window exists and before it is
// mapped, and the window's flags are not changed afterwards.
void writeFixedSizeMotifHints(QWidget* window, bool minimisable) {
    xcb_connection_t* c = X11Connection();
    if (c == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t hints = InternAtom(c, "_MOTIF_WM_HINTS");
    if (hints == XCB_ATOM_NONE) {
        return;
    }
    std::uint32_t functions = kFunctionMove | kFunctionClose;
    std::uint32_t decorations = kDecorationBorder | kDecorationTitle | kDecorationMenu;
    if (minimisable) {
        functions |= kFunctionMinimise;
        decorations |= kDecorationMinimise;
    }
    const std::array<std::uint32_t, 5> values{kHintsFunctions | kHintsDecorations, functions,
                                              decorations, 0, 0};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, hints, hints, 32, values.size(),
                        values.data());
    xcb_flush(c);
}

bool isOrdinaryWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return widget->isWindow() && widget->isVisible() &&
           (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool);
}

// A window made larger than its own size (maximised from Qt's title bar on Wayland, full screen
// forced by a window manager, every window under a kiosk compositor) shows its content at its
// own size in its middle, on the window's own background. On Wayland a full-screen window keeps
// its own size, as the protocol allows, and the compositor centres it; a maximised one must be
// drawn at the size the compositor asks for, or the compositor ends the program with a protocol
// error, so it may grow. Qt applies a configured size before it reports the state, so the limit
// follows the state reported.
class OwnSizeKeeper : public QObject {
  public:
    OwnSizeKeeper(QWidget* window, bool lone) : QObject(window), window_(window), lone_(lone) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            return false;
        }
        if (event->type() == QEvent::Resize) {
            centreContent();
        } else if (event->type() == QEvent::WindowStateChange) {
            if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
                window_->setMaximumSize(window_->isFullScreen()
                                            ? window_->minimumSize()
                                            : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
            }
            // A tool window offers no minimise button, and owns no other window that could
            // bring it back; on X a window manager that minimises one anyway (the splash) may
            // list it nowhere, so it comes back at once rather than leave the game unreachable.
            // (A Wayland compositor lists every window it minimises.)
            if (lone_ && window_->isMinimized() && X11Connection() != nullptr &&
                window_->windowHandle()->transientParent() == nullptr) {
                window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
                window_->raise();
                window_->activateWindow();
            }
        }
        return false;
    }

  private:
    void centreContent() {
        const QSize own = window_->minimumSize();
        const QPoint offset(std::max(0, (window_->width() - own.width()) / 2),
                            std::max(0, (window_->height() - own.height()) / 2));
        if (offset == offset_) {
            return;
        }
        if (window_->layout() != nullptr) {
            // The main window's layout places its menu bar and client area inside the margins.
            window_->setContentsMargins(offset.x(), offset.y(),
                                        window_->width() - own.width() - offset.x(),
                                        window_->height() - own.height() - offset.y());
        } else {
            // The other windows place their controls themselves, at fixed points.
            const QList<QWidget*> controls =
                window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* control : controls) {
                if (!control->isWindow()) {
                    control->move(control->pos() + offset - offset_);
                }
            }
        }
        offset_ = offset;
    }

    QWidget* window_;
    bool lone_;
    QPoint offset_;
};

} // namespace

void PrepareWindow(QWidget* window, const WindowSpec& shape, Background background) {
    if (shape.frame == FrameKind::ToolWindow) {
        window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
        ClearWindowIcon(window);
    } else {
        window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint);
        window->setWindowIcon(GameIcon());
    }
    if (background == Background::White) {
        auto* mainWindow = qobject_cast<QMainWindow*>(window);
        QWidget* client = mainWindow != nullptr ? mainWindow->centralWidget() : window;
        QPalette white = client->palette();
        white.setColor(QPalette::Window, Qt::white);
        client->setPalette(white);
        client->setAutoFillBackground(true);
    }
    SizeWindow(window, shape);
    CentreWindow(window, shape);
    writeFixedSizeMotifHints(window, shape.frame == FrameKind::FixedSingle);
    new OwnSizeKeeper(window, shape.frame == FrameKind::ToolWindow);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // A Wayland compositor may maximise any window (weston's keys do, and so does the
        // maximise button that Qt 6's own title bar draws on fixed-size windows too), and the
        // window must then be drawn at the size it configured, or the compositor ends the
        // program with a protocol error. Qt holds a window to its maximum size, and weston does
        // not heed a request to leave the state that it has not yet seen drawn; so the window
        // may grow, its content centred at its own size, and never shrinks below its own size.
        window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

void OfferNoResize(QWidget* window) {
    writeFixedSizeMotifHints(window, false);
}

void SetOwner(QWidget* window, QWidget* owner) {
    if (owner == nullptr) {
        return;
    }
    // Both need their window-system windows to be tied; neither is shown by this.
    window->winId();
    owner->window()->winId();
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
    KeepModalWindowInReach(window, owner->window());
}

QWidget* BlockedWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal->isVisible()) {
        return modal;
    }
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && isOrdinaryWindow(active)) {
        return active;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (isOrdinaryWindow(window)) {
            return window;
        }
    }
    return nullptr;
}

} // namespace veltrane::platform
