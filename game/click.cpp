#include "game/click.h"

#include "game/game.h"

namespace veltrane {

void PlayClick(Game& game, Click click) {
    switch (click.place) {
    case Click::Stock:
        game.img_deck_Click();
        break;
    case Click::Waste:
        game.img_dealt_Click();
        break;
    case Click::Slot:
        game.img_cards_Click(toInt16(click.index));
        break;
    case Click::Foundation:
        game.img_ace_Click(toInt16(click.index));
        break;
    }
}

} // namespace veltrane
