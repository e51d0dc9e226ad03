#include "game_on_x.h"

#include "waits.h"

#include <QDeadlineTimer>

namespace veltrane::e2e {

void ClickIn(XSession& x, WindowId window, QPoint at) {
    const QPoint screen = x.clientGeometry(window).topLeft() + at;
    x.click(screen.x(), screen.y());
}

std::optional<WindowId> ShowBoard(XSession& x, const QProcess& game) {
    const auto first = x.waitForWindowOf(game);
    if (!first) {
        return std::nullopt;
    }
    if (x.windowTitle(*first) != QStringLiteral("Veltrane Solitaire")) {
        ClickIn(x, *first, kEnterHere);
    }
    return x.waitForWindow(kBoardTitle);
}

std::optional<WindowId> OpenHelp(XSession& x, const QProcess& game, const QString& accessKey) {
    const auto board = ShowBoard(x, game);
    if (!board) {
        return std::nullopt;
    }
    x.keys(*board, {QStringLiteral("alt+h"), accessKey});
    return x.waitForWindow(kHelpTitle);
}

QImage ScreenWhen(XSession& x, const std::function<bool(const QImage&)>& shows, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QImage screen = x.screenshot();
    while (!shows(screen) && x.waitForDrawing(RemainingMs(deadline))) {
        screen = x.screenshot();
    }
    return screen;
}

} // namespace veltrane::e2e
