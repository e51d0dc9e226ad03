#include "tools/solve/clicks.h"

#include "game/game.h"

namespace veltrane::solve {

namespace {

bool sameLayout(const Layout& a, const Layout& b) {
    return a.foundationSuit == b.foundationSuit && a.foundationTop == b.foundationTop &&
           a.slot == b.slot && a.order == b.order && a.turned == b.turned &&
           a.secondPass == b.secondPass;
}

class Player {
  public:
    explicit Player(const Game& game) : game_(game) {
        game_.setWinHandler([this] { ++wins_; });
    }

    void play(const Move& move) {
        if (move.kind == MoveKind::Stock) {
            click({Click::Stock, 0});
            return;
        }
        const int card = move.card;
        const GameState& s = game_.state();
        if (s.DealtCount > 0 && s.DealtList(s.DealtCount) == card) {
            pick({Click::Waste, 0});
        } else {
            for (int i = kFirstSlot; i < kFirstSlot + kSlots; ++i) {
                if (game_.board().img_cards(i).Picture == Picture::card(card)) {
                    pick({Click::Slot, i});
                }
            }
        }
        int k = 1;
        while (k < 4 && s.FoundationSuit(k) != suitOf(card)) {
            ++k;
        }
        if (move.kind == MoveKind::Foundation) {
            click({Click::Foundation, k});
            return;
        }
        // The first free slot of the card's own group, as the model fills them.
        for (int i = kFirstSlot + 4 * (k - 1); i < kFirstSlot + 4 * k; ++i) {
            if (game_.board().img_cards(i).Picture.isEmptySlotMark()) {
                click({Click::Slot, i});
                return;
            }
        }
    }

    const Game& game() const { return game_; }
    long wins() const { return wins_; }
    std::vector<Click>& clicks() { return clicks_; }

  private:
    // Selects a place's card, first taking the frame off any other.
    void pick(const Click& place) {
        const BoardModel& b = game_.board();
        const auto framed = [&](const Click& c) {
            return c.place == Click::Waste ? b.img_dealt.BorderStyle == 1
                                           : b.img_cards(c.index).BorderStyle == 1;
        };
        if (framed(place)) {
            return;
        }
        if (b.img_dealt.BorderStyle == 1) {
            click({Click::Waste, 0});
        }
        for (int i = kFirstSlot; i < kFirstSlot + kSlots; ++i) {
            if (b.img_cards(i).BorderStyle == 1) {
                click({Click::Slot, i});
            }
        }
        click(place);
    }

    void click(const Click& c) {
        clicks_.push_back(c);
        PlayClick(game_, c);
    }

    Game game_;
    long wins_ = 0;
    std::vector<Click> clicks_;
};

} // namespace

std::string commandText(const Click& click) {
    switch (click.place) {
    case Click::Stock:
        return "stock";
    case Click::Waste:
        return "waste";
    case Click::Slot:
        return "slot " + std::to_string(click.index);
    case Click::Foundation:
        return "foundation " + std::to_string(click.index);
    }
    return {};
}

ClickPlay playMoves(const Game& game, const std::vector<Move>& moves) {
    ClickPlay result;
    Layout model;
    if (readLayout(game, model) != ReadResult::Play) {
        result.won = model.won() && moves.empty();
        if (!moves.empty()) {
            result.fault = "the game takes no moves";
        }
        return result;
    }
    Player player(game);
    for (std::size_t n = 0; n < moves.size(); ++n) {
        const Move& move = moves[n];
        if (!allowed(model, move)) {
            result.fault = "move " + std::to_string(n + 1) + " is not allowed";
            break;
        }
        apply(model, move);
        player.play(move);
        Layout seen;
        const ReadResult read = readLayout(player.game(), seen);
        if (read == ReadResult::Closed || (read == ReadResult::Play && !sameLayout(seen, model)) ||
            (read == ReadResult::Won && !model.won())) {
            result.fault = "the game parted from move " + std::to_string(n + 1);
            break;
        }
        if (player.wins() > 0 && n + 1 < moves.size()) {
            result.fault = "the game was won before the last move";
            break;
        }
    }
    result.clicks = std::move(player.clicks());
    result.won = result.fault.empty() && player.wins() == 1;
    return result;
}

} // namespace veltrane::solve
