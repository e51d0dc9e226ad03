#pragma once
// The board as the rules see it: 22 places, each showing a Picture and carrying a BorderStyle.
// A Picture names a stored picture; copying one keeps its identity and two are the same
// picture exactly when they compare equal. The window draws whatever the model says.

#include "lists.h"
#include "runtime_error.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace veltrane {

class Picture {
  public:
    // Identities: none, the card store 0..52 (0 is the back), then the six board pictures.
    enum Id : std::int8_t {
        None = -1,
        Back = 0,
        Blank = 53,
        Click = 54,
        BlankSpades = 55,
        BlankDiamonds = 56,
        BlankHearts = 57,
        BlankClubs = 58,
    };

    constexpr Picture() = default;
    constexpr explicit Picture(Id id) : id_(id) {}
    // img_Card(n), n = 0..52.
    static Picture card(int n) {
        if (n < 0 || n > 52) {
            raiseSubscript();
        }
        return Picture(static_cast<Id>(n));
    }

    constexpr Id id() const { return id_; }
    constexpr bool isNone() const { return id_ == None; }
    constexpr bool isCard() const { return id_ >= 0 && id_ <= 52; }
    // The card number 0..52 of a store picture.
    constexpr int cardNumber() const { return id_; }
    constexpr bool isEmptySlotMark() const { return id_ >= BlankSpades && id_ <= BlankClubs; }

    friend constexpr bool operator==(Picture a, Picture b) = default;

  private:
    Id id_ = None;
};

inline constexpr Picture img_blank{Picture::Blank};
inline constexpr Picture img_click{Picture::Click};
inline constexpr Picture img_blankSpades{Picture::BlankSpades};
inline constexpr Picture img_blankDiamonds{Picture::BlankDiamonds};
inline constexpr Picture img_blankHearts{Picture::BlankHearts};
inline constexpr Picture img_blankClubs{Picture::BlankClubs};

// What the six board pictures are called, an empty-slot mark by its suit: the picture files
// carry these names ("blank_" before a suit), and the replay console prints them. A card or no
// picture has no such name: the run-time error "Invalid picture".
inline std::string_view BoardPictureName(Picture picture) {
    static constexpr std::array<std::string_view, 6> names = {"blank",    "click",  "spades",
                                                              "diamonds", "hearts", "clubs"};
    if (picture.id() < Picture::Blank || picture.id() > Picture::BlankClubs) {
        raiseError(ErrInvalidPicture);
    }
    return names.at(static_cast<std::size_t>(picture.id() - Picture::Blank));
}

struct Place {
    ::veltrane::Picture Picture;
    Int16 BorderStyle = 0; // 1: the selection frame of the picked card
};

struct BoardModel {
    BoundedArray<Place, 1, 4> img_ace;    // foundations 1..4
    BoundedArray<Place, 5, 20> img_cards; // tableau slots 5..20
    Place img_deck;                       // the stock
    Place img_dealt;                      // the waste
};

} // namespace veltrane
