#include "shell/program.h"

#include "board/frm_board.h"
#include "game/game.h"
#include "game/random_source.h"
#include "platform/error_guard.h"
#include "platform/quick_start.h"
#include "platform/startup_trace.h"
#include "platform/translations.h"
#include "shell/frm_splash.h"
#include "shell/frm_win.h"
#include "shell/session.h"

#include <QApplication>
#include <QPointer>

namespace veltrane::shell {

int RunProgram() {
    ClockRandomSource random;
    return RunProgram(random);
}

int RunProgram(RandomSource& random) {
    platform::InstallTranslations();
    platform::InstallApplicationStyle();
    const std::future<void> fonts = platform::ListFontsInBackground();
    Game game(random);
    QPointer<frm_board> board;
    game.setWinHandler([&board] {
        // The winning card is drawn on its foundation before the dialog covers the board.
        if (board != nullptr) {
            board->Refresh();
        }
        ShowWinDialog(board);
    });

    QPointer<frm_splash> splash = new frm_splash(game);
    platform::StartupMark("splash built");
    bool loaded = false;
    platform::Guarded([&] { loaded = splash->Form_Load(); });
    if (!loaded) {
        // Large fonts: the message has been read, nothing has been shown, the program ends.
        delete splash;
        return 0;
    }
    board = splash->board();
    // A session manager's restart brings back the game it saved, behind the splash as always.
    platform::Guarded([&] {
        if (RestoreGameOfSession(game)) {
            board->Refresh();
            platform::StartupMark("saved game restored");
        }
    });
    KeepGameForSession(game, board);
    splash->show();
    platform::StartupMark("splash shown");
    const int status = QApplication::exec();
    // The windows go before the game they draw.
    delete splash;
    delete board;
    return status;
}

} // namespace veltrane::shell
