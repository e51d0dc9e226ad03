// The soak: thousands of seeded games played through the real board window, built with
// AddressSanitizer and leak detection. Even games follow a plain winning strategy, odd games
// click at random; File > Deal starts each one, and every hundredth game also visits Help >
// Rules and Help > About and leafs through the help window's pages. Any memory error or leak
// ends the run; the resident memory must stay flat after the first hundred games.
//
//     veltrane-soak [--games N]    (10000 by default)

#include "board/frm_board.h"
#include "board_places.h"
#include "game/random_source.h"
#include "help/frm_help.h"
#include "plain_strategy.h"
#include "qt_test_support.h"
#include "shell/frm_win.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sanitizer/allocator_interface.h>
#include <string>
#include <vector>

using namespace veltrane;

namespace {

long gGames = 10000;

constexpr std::uint64_t kFirstSeed = 1;
constexpr int kMaxClicksPerGame = 400;
constexpr int kRandomClicksPerGame = 120;
constexpr long kWarmUpGames = 100;
// After the warm-up the memory the game holds must not grow: the allocator's own count of live
// bytes is exact, so it gets little slack; the resident size also carries the sanitizer
// allocator's free lists, which drift by several megabytes over a long run (8 to 9 MB over
// 10,000 games with the live heap flat to the kilobyte), so it only catches gross growth.
constexpr long kHeapGrowthAllowedKiB = 512;
constexpr long kRssGrowthAllowedKiB = 16384;

long liveHeapKiB() {
    return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 12, '\n');
    }
    return -1;
}

// The modal window the next action opens is answered once it is up: the help window leafs
// through both pages and closes with OK, the win dialog closes with OK.
void answerNextModal(int attempts = 100) {
    QTimer::singleShot(0, [attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            if (attempts > 0) {
                answerNextModal(attempts - 1);
            }
            return;
        }
        if (auto* win = qobject_cast<frm_win*>(modal)) {
            QTest::mouseClick(win->btn_OK, Qt::LeftButton);
            return;
        }
        for (const char* name : {"btn_help_5", "btn_help_0", "btn_help_4"}) {
            if (auto* button = modal->findChild<QPushButton*>(QString::fromLatin1(name))) {
                QTest::mouseClick(button, Qt::LeftButton);
            }
        }
        if (modal->isVisible()) {
            modal->close();
        }
    });
}

class Soak {
  public:
    Soak() : random_(kFirstSeed), game_(random_), board_(game_) {
        game_.setWinHandler([this] {
            ++wins_;
            board_.Refresh();
            answerNextModal();
            shell::ShowWinDialog(&board_);
        });
        board_.Form_Load();
        board_.show();
    }

    void play(long number) {
        trigger("mnu_deal");
        if (number % 2 == 0) {
            playToWin();
        } else {
            playAtRandom();
        }
        if (number % 100 == 0) {
            answerNextModal();
            trigger("mnu_rules");
            answerNextModal();
            trigger("mnu_about");
        }
        QCoreApplication::processEvents();
    }

    void exit() { trigger("mnu_exit"); }
    long wins() const { return wins_; }
    const frm_board& board() const { return board_; }

  private:
    void trigger(const char* action) {
        board_.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }

    // Each click is followed by the board's redraw, as a player would see it.
    void click(QWidget* place) {
        QTest::mouseClick(place, Qt::LeftButton, {}, QPoint(30, 50));
        QCoreApplication::processEvents();
        ++clicks_;
    }

    // One move of the plain strategy; false when the game is stuck.
    bool moveTowardsTheWin() {
        const std::vector<Click> move = test_support::NextMove(game_);
        for (const Click& c : move) {
            click(test_support::PlaceOf(board_, c));
        }
        return !move.empty();
    }

    void playToWin() {
        const long winsBefore = wins_;
        for (int moves = 0; moves < kMaxClicksPerGame && wins_ == winsBefore; ++moves) {
            if (!moveTowardsTheWin()) {
                break;
            }
        }
    }

    void playAtRandom() {
        std::uniform_int_distribution<int> place(0, 21);
        for (int i = 0; i < kRandomClicksPerGame; ++i) {
            const int p = place(clickChoice_);
            if (p < 16) {
                click(board_.img_cards(static_cast<Int16>(p + 5)));
            } else if (p < 20) {
                click(board_.img_ace(static_cast<Int16>(p - 15)));
            } else if (p == 20) {
                click(board_.img_deck());
            } else {
                click(board_.img_dealt());
            }
        }
    }

    SeededRandomSource random_;
    Game game_;
    frm_board board_;
    std::mt19937 clickChoice_{kFirstSeed};
    long wins_ = 0;
    long clicks_ = 0;
};

TEST(Soak, ThousandsOfGamesThroughTheBoardWindowKeepMemoryFlat) {
    Soak soak;
    long warmHeap = 0;
    long warmRss = 0;
    for (long game = 1; game <= gGames; ++game) {
        soak.play(game);
        if (game == kWarmUpGames) {
            warmHeap = liveHeapKiB();
            warmRss = residentKiB();
        }
    }
    const long endHeap = liveHeapKiB();
    const long endRss = residentKiB();
    soak.exit();
    QCoreApplication::processEvents();

    EXPECT_FALSE(soak.board().isVisible()) << "File > Exit left the board open";
    if (gGames >= 2 * kWarmUpGames) {
        EXPECT_GT(soak.wins(), 0) << "the winning strategy never won";
        EXPECT_LE(endHeap - warmHeap, kHeapGrowthAllowedKiB)
            << "live heap grew from " << warmHeap << " KiB after " << kWarmUpGames << " games to "
            << endHeap << " KiB after " << gGames;
        EXPECT_LE(endRss - warmRss, kRssGrowthAllowedKiB)
            << "resident memory grew from " << warmRss << " KiB after " << kWarmUpGames
            << " games to " << endRss << " KiB after " << gGames;
    }
    RecordProperty("games", static_cast<int>(gGames));
    RecordProperty("wins", static_cast<int>(soak.wins()));
    RecordProperty("heap_after_warm_up_kib", static_cast<int>(warmHeap));
    RecordProperty("heap_at_end_kib", static_cast<int>(endHeap));
    RecordProperty("rss_after_warm_up_kib", static_cast<int>(warmRss));
    RecordProperty("rss_at_end_kib", static_cast<int>(endRss));
}

} // namespace

int main(int argc, char** argv) {
    test_support::QuietOffscreenReports();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--games") {
            gGames = std::strtol(argv[i + 1], nullptr, 10);
        }
    }
    return RUN_ALL_TESTS();
}
