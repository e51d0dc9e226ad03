#pragma once
// One saved game, read as the game reads it at a restart, with the promises the reader makes
// about any bytes at all: no exception escapes, a refused text leaves the board alone, and an
// accepted one lays out a board on which every card lies in one place and play goes on without
// a run-time error.

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrane::fuzz {

// Empty when the promises hold; otherwise what was broken.
std::string CheckSavedGame(const std::uint8_t* data, std::size_t size);

} // namespace veltrane::fuzz
