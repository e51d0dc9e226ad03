#pragma once
// The unshuffled deal, the one a game whose deck is never shuffled deals, and the clicks that
// win it: end-to-end tests play it to reach the win dialog.

#include <string>
#include <utility>
#include <vector>

namespace veltrane::test_support {

// The clicks that win the unshuffled deal: the twos first, the diamonds and clubs from the
// stock as they come, the spades from their slots, and the hearts from the stock last.
inline std::vector<std::pair<std::string, int>> WinningClicks() {
    std::vector<std::pair<std::string, int>> clicks = {{"slot", 14}, {"foundation", 1}};
    for (int slot = 15; slot <= 20; ++slot) {
        clicks.insert(clicks.end(), {{"slot", slot}, {"foundation", 2}});
    }
    auto fromStock = [&clicks](int times, int foundation) {
        for (int i = 0; i < times; ++i) {
            clicks.insert(clicks.end(), {{"stock", 0}, {"waste", 0}, {"foundation", foundation}});
        }
    };
    fromStock(6, 2);  // eight to king of diamonds
    fromStock(1, 1);  // three of spades
    fromStock(12, 4); // two to king of clubs
    fromStock(1, 1);  // four of spades
    for (int slot = 5; slot <= 13; ++slot) {
        clicks.insert(clicks.end(), {{"slot", slot}, {"foundation", 1}});
    }
    fromStock(12, 3); // two to king of hearts
    return clicks;
}

} // namespace veltrane::test_support
