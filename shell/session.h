#pragma once
// The game in progress and the session manager: written down whenever the manager saves the
// session, so that its restart command brings the deal back card for card, and laid on the
// board when the manager restarts the game.

class QObject;

namespace veltrane {
class Game;
}

namespace veltrane::shell {

// From now on, for as long as `owner` lives, every save of the session writes the game in
// progress to the session's state file and gives the manager the command that discards it. A
// game never dealt writes nothing.
void KeepGameForSession(const Game& game, QObject* owner);

// Restarted by a session manager (-session KEY) with a game saved for that key: lays it in the
// model and returns true. A key that names no file, a missing file or one that does not hold a
// reachable position leave the game as it is; all but the missing file say so in one line on
// standard error.
bool RestoreGameOfSession(Game& game);

} // namespace veltrane::shell
