#include "platform/window_sizing.h"

#include "game/runtime_error.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <limits>

namespace veltrane::platform {
namespace {

std::int32_t checkedAdd(std::int64_t a, std::int64_t b) {
    const std::int64_t r = a + b;
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
        raiseOverflow();
    }
    return static_cast<std::int32_t>(r);
}

double twipsPerPixel(double dpi) {
    if (dpi == 0.0) {
        raiseError(ErrDivisionByZero);
    }
    return 1440.0 / dpi;
}

// "The screen" of every window is the primary monitor: the one the desktop puts its panels
// and new windows on. Not the window's own screen, which for a window not yet shown is only
// whichever monitor holds Qt's default geometry.
QScreen* theScreen() {
    return QGuiApplication::primaryScreen();
}

// The window is created on the screen it is sized for and centred on, so that its scaling
// and its first placement are that screen's.
void putOnPrimaryScreen(QWidget* window) {
    QScreen* primary = theScreen();
    if (primary != nullptr && window->isWindow() && window->screen() != primary) {
        window->setScreen(primary);
    }
}

Placement placementFor(const QWidget* window, const WindowSpec& shape) {
    const QScreen* screen = theScreen();
    const QRect full = screen != nullptr ? screen->geometry() : QRect(0, 0, 0, 0);
    return ComputePlacement(shape, DisplayDpiX(window), DisplayDpiY(window), full.width(),
                            full.height(), full.x(), full.y());
}

} // namespace

PixelRect AdjustWindowRect(PixelRect rect, bool menu) {
    const int above = kBorder + kCaption + (menu ? kMenuBar : 0);
    return PixelRect{checkedAdd(rect.left, -kBorder), checkedAdd(rect.top, -above),
                     checkedAdd(rect.right, kBorder), checkedAdd(rect.bottom, kBorder)};
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

int TwipsPerPixelRounded(double dpi) {
    return static_cast<int>(std::nearbyint(twipsPerPixel(dpi)));
}

Placement ComputePlacement(const WindowSpec& shape, double dpiX, double dpiY, int screenWidth,
                           int screenHeight, int screenLeft, int screenTop) {
    const PixelRect rect = AdjustWindowRect(PixelRect{0, 0, shape.clientWidth, shape.clientHeight},
                                            shape.menuAllowance);
    // One pixel more than the adjusted rectangle's own width and height.
    const std::int32_t outerWidth = checkedAdd(checkedAdd(rect.right, -std::int64_t{rect.left}), 1);
    const std::int32_t outerHeight =
        checkedAdd(checkedAdd(rect.bottom, -std::int64_t{rect.top}), 1);

    const double tppX = twipsPerPixel(dpiX);
    const double tppY = twipsPerPixel(dpiY);
    Placement p{};
    p.widthTwips = static_cast<float>(tppX * outerWidth);
    p.heightTwips = static_cast<float>(tppY * outerHeight);
    p.outerWidth = TwipsToPixels(p.widthTwips, tppX);
    p.outerHeight = TwipsToPixels(p.heightTwips, tppY);

    const auto screenWidthTwips = static_cast<float>(tppX * screenWidth);
    const auto screenHeightTwips = static_cast<float>(tppY * screenHeight);
    p.leftTwips = (screenWidthTwips - p.widthTwips) / 2.0F;
    p.topTwips = (screenHeightTwips - p.heightTwips) / 2.0F;
    // The centred position is measured from the screen's own corner, which on a desktop of
    // several monitors need not be the desktop's.
    p.left = checkedAdd(screenLeft, TwipsToPixels(p.leftTwips, tppX));
    p.top = checkedAdd(screenTop, TwipsToPixels(p.topTwips, tppY));

    // The window's own frame kind decides how much of the outer size is client area: the
    // tool windows' small title bar leaves them taller inside than the rule assumed.
    const int caption = shape.frame == FrameKind::ToolWindow ? kSmallCaption : kCaption;
    p.clientWidth = p.outerWidth - 2 * kBorder;
    p.clientHeight = p.outerHeight - 2 * kBorder - caption;
    if (shape.menuAllowance && shape.frame == FrameKind::FixedSingle) {
        // A window with a real menu bar: the client area lies below it.
        p.clientHeight -= kMenuBar;
    }
    return p;
}

double DisplayDpiX(const QWidget* /*window*/) {
    const QScreen* screen = theScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() * screen->devicePixelRatio() : 0.0;
}

double DisplayDpiY(const QWidget* /*window*/) {
    const QScreen* screen = theScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() * screen->devicePixelRatio() : 0.0;
}

void SizeWindow(QWidget* window, const WindowSpec& shape) {
    const Placement p = placementFor(window, shape);
    putOnPrimaryScreen(window);
    auto* main = qobject_cast<QMainWindow*>(window);
    if (main != nullptr && main->centralWidget() != nullptr) {
        // The client area lies below the window's own menu bar, whatever height the style
        // gives that bar.
        main->centralWidget()->setFixedSize(p.clientWidth, p.clientHeight);
        const QWidget* menu = main->menuWidget();
        const int menuHeight = menu != nullptr ? menu->sizeHint().height() : 0;
        window->setFixedSize(p.clientWidth, p.clientHeight + menuHeight);
        return;
    }
    window->setFixedSize(p.clientWidth, p.clientHeight);
}

void CentreWindow(QWidget* window, const WindowSpec& shape) {
    const Placement p = placementFor(window, shape);
    putOnPrimaryScreen(window);
    // move() places the outer frame's top-left corner for a top-level window.
    window->move(p.left, p.top);
}

} // namespace veltrane::platform
