#include "platform/window_showing.h"

#include "platform/startup_trace.h"

#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace veltrane::platform {
namespace {

constexpr int kShowAgainAtMost = 3;

void checkShown(QWidget* window, int attemptsLeft) {
    // The window is the timer's context: the check goes with it if the window is deleted.
    QTimer::singleShot(kShowAgainAfterMs, window, [window, attemptsLeft] {
        const QWindow* handle = window->windowHandle();
        // A window the player has minimised is off the screen on purpose.
        if (!window->isVisible() || window->isMinimized() || handle == nullptr ||
            handle->isExposed()) {
            return;
        }
        StartupMark("window shown again");
        window->hide();
        window->show();
        if (attemptsLeft > 1) {
            checkShown(window, attemptsLeft - 1);
        }
    });
}

} // namespace

void ShowWindow(QWidget* window) {
    window->show();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        checkShown(window, kShowAgainAtMost);
    }
}

} // namespace veltrane::platform
