// Veltrane Solitaire: wires the rules, the board and the win handler together and runs the
// event loop. The board opens with the four aces laid; play begins with File > Deal.

#include "board/frm_board.h"
#include "game/game.h"
#include "game/random_source.h"
#include "platform/error_guard.h"

int main(int argc, char** argv) {
    veltrane::platform::GuardedApplication app(argc, argv);
    veltrane::ClockRandomSource random;
    veltrane::Game game(random);
    frm_board board(game);
    // The win dialog arrives later; until then a win leaves the board showing the winning move.
    game.setWinHandler([&board] { board.Refresh(); });
    board.Form_Load();
    board.show();
    return veltrane::platform::GuardedApplication::exec();
}
