#pragma once
// The sizes and places every window and board place must have, worked out by hand from the
// windows' descriptions and kept apart from the code that computes them.
//
// A window asks for a client size. The classic frame around it (border 3, title bar 19, menu
// bar 19) plus one pixel gives the outer size; the Qt window gets the client area its own
// frame leaves inside that (a tool window's title bar is 15, so 4 pixels more client height).
// The outer rectangle is centred on the screen, halves rounding to the even pixel.

#include <array>
#include <cstddef>

namespace veltrane::expected {

// Where a window stands on one screen: the outer rectangle's top left corner.
struct Centred {
    int screenWidth;
    int screenHeight;
    int left;
    int top;
};

struct Window {
    // What the window asks for.
    int askedWidth;
    int askedHeight;
    bool menuAllowance;
    bool toolWindow;
    // What it must get: its outer size and the client area inside its own frame, at every
    // resolution.
    int outerWidth;
    int outerHeight;
    int clientWidth;
    int clientHeight;
    // Its place on the offscreen platform's screen: 800 x 800 pixels at 96 pixels per inch,
    // 533 x 533 at 144 (the same screen at a scale of 1.5).
    std::array<Centred, 2> centred;
};

// 620 + 2*3 + 1 = 627 wide, 460 + 2*3 + 19 + 19 + 1 = 505 high; client 627 - 6 by
// 505 - 6 - 19 - 19 below the menu bar. (800 - 627) / 2 = 86.5 to 86, (800 - 505) / 2 = 147.5
// to 148; (533 - 627) / 2 = -47 (partly off the screen: no clamping), (533 - 505) / 2 = 14.
inline constexpr Window kBoard{
    620, 460, true, false, 627, 505, 621, 461, {{{800, 800, 86, 148}, {533, 533, -47, 14}}}};
// 407 by 400 + 6 + 19 + 1 = 426; client 401 by 426 - 6 - 15. 196.5 to 196, 187; 63, 53.5 to 54.
inline constexpr Window kSplash{
    400, 400, false, true, 407, 426, 401, 405, {{{800, 800, 196, 187}, {533, 533, 63, 54}}}};
// 313 by 150; client 307 by 129. 243.5 to 244, 325; 110, 191.5 to 192.
inline constexpr Window kWin{
    306, 124, false, true, 313, 150, 307, 129, {{{800, 800, 244, 325}, {533, 533, 110, 192}}}};
// The help window has no menu bar but is sized with the allowance: 447 by 325; client 441 by
// 304. 176.5 to 176, 237.5 to 238; 43, 104.
inline constexpr Window kHelp{
    440, 280, true, true, 447, 325, 441, 304, {{{800, 800, 176, 238}, {533, 533, 43, 104}}}};

// Where the window stands on a screen of that size; nothing when it was not worked out.
inline constexpr const Centred* centredOn(const Window& window, int screenWidth, int screenHeight) {
    for (const Centred& c : window.centred) {
        if (c.screenWidth == screenWidth && c.screenHeight == screenHeight) {
            return &c;
        }
    }
    return nullptr;
}

// The board's places, left and top in pixels inside the client area.
struct Spot {
    int left;
    int top;
};

// Tableau slots 5 to 20: four groups of two columns and two rows, one in each corner.
inline constexpr std::array<Spot, 16> kSlots = {{{4, 2},
                                                 {155, 2},
                                                 {4, 107},
                                                 {155, 107},
                                                 {394, 2},
                                                 {544, 2},
                                                 {394, 107},
                                                 {544, 107},
                                                 {4, 255},
                                                 {155, 255},
                                                 {4, 358},
                                                 {155, 358},
                                                 {394, 255},
                                                 {544, 255},
                                                 {394, 358},
                                                 {544, 358}}};
// Foundations 1 to 4, each between its group's columns, half a card below the upper row.
inline constexpr std::array<Spot, 4> kFoundations = {{{80, 57}, {469, 57}, {80, 312}, {469, 312}}};
inline constexpr Spot kStock{236, 180};
inline constexpr Spot kWaste{312, 180};

// Every stored picture is 72 x 100; a place is 70 x 100 until it first holds one.
inline constexpr int kCardWidth = 72;
inline constexpr int kCardHeight = 100;
inline constexpr int kLoadWidth = 70;

inline constexpr Spot slot(int index) {
    return kSlots.at(static_cast<std::size_t>(index - 5));
}
inline constexpr Spot foundation(int index) {
    return kFoundations.at(static_cast<std::size_t>(index - 1));
}

} // namespace veltrane::expected
