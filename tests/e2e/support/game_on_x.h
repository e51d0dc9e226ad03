#pragma once
// The game on a virtual X server: the titles of its windows, the way past the splash to the
// board, and the screen watched until it shows what a test waits for.

#include "x_session.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <functional>
#include <optional>

namespace veltrane::e2e {

inline const QString kSplashTitle = QStringLiteral("^Welcome$");
inline const QString kBoardTitle = QStringLiteral("^Veltrane Solitaire$");
inline const QString kHelpTitle = QStringLiteral("^Veltrane - Help$");

// The middle of the splash's ENTER HERE strip, in the splash's client area.
inline constexpr QPoint kEnterHere{204, 380};

// A real click at a point of a window's client area.
void ClickIn(XSession& x, WindowId window, QPoint at);

// The board, once the program shows it: a window that comes first (the splash) is passed with
// a click on ENTER HERE. Nothing when no board appeared in time.
std::optional<WindowId> ShowBoard(XSession& x, const QProcess& game);

// The Help window, opened from the board's Help menu by keyboard once the program shows its
// board: accessKey "r" for Rules, "a" for About. Nothing when no help window appeared in time.
std::optional<WindowId> OpenHelp(XSession& x, const QProcess& game, const QString& accessKey);

// A screenshot, and another each time the screen has been drawn on, until one shows what the
// test waits for or timeoutMs have passed; the last one taken either way.
QImage ScreenWhen(XSession& x, const std::function<bool(const QImage&)>& shows,
                  int timeoutMs = 5000);

} // namespace veltrane::e2e
