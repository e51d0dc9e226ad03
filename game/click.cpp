#include "game/click.h"

#include "game/game.h"

namespace veltrane {

ClickOutcome PlayClick(Game& game, Click click) {
    switch (click.place) {
    case Click::Stock:
        return game.img_deck_Click();
    case Click::Waste:
        return game.img_dealt_Click();
    case Click::Slot:
        return game.img_cards_Click(toInt16(click.index));
    case Click::Foundation:
        return game.img_ace_Click(toInt16(click.index));
    }
    return ClickOutcome::Done;
}

} // namespace veltrane
