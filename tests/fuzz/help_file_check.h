#pragma once
// One help text file on disk, read as the help window reads it, with the promises the reader
// makes about any bytes at all: it reads the whole file, one character per byte, never merging
// two bytes into one character or losing one; and it refuses a file over the size limit
// instead of reading it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace veltrane::fuzz {

// Writes the bytes to a scratch file and reads it back. When the first byte is 0xFF the rest
// is repeated to the exact size limit and then to one byte over it, so that both sides of the
// limit meet any content. Empty when the promises hold; otherwise what was broken.
std::string CheckHelpFile(const std::uint8_t* data, std::size_t size);

} // namespace veltrane::fuzz
