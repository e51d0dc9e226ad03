#pragma once
// One replay script, run as the console runs it, with the promises the console makes about any
// input at all: it returns one of its three statuses, lets no exception out, and runs the same
// script to the same output every time.

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrane::fuzz {

// Empty when the promises hold; otherwise what was broken.
std::string CheckReplayScript(const std::uint8_t* data, std::size_t size);

} // namespace veltrane::fuzz
