#pragma once
// Run-time errors of the game: a number and a message, as the player sees them in
// "Run-time error 'N':". No play reaches them; they guard the 16-bit counters and the
// bounds of every list and array.

#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

namespace veltrane {

using Int16 = std::int16_t;

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, const std::string& message)
        : std::runtime_error(message), number_(number) {}
    int number() const noexcept { return number_; }

  private:
    int number_;
};

enum : int { ErrOverflow = 6, ErrSubscript = 9 };

[[noreturn]] inline void raiseOverflow() {
    throw RuntimeError(ErrOverflow, "Overflow");
}
[[noreturn]] inline void raiseSubscript() {
    throw RuntimeError(ErrSubscript, "Subscript out of range");
}

// Narrows a wider result to a 16-bit counter, as every counter of the game is stored.
inline Int16 toInt16(long value) {
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max()) {
        raiseOverflow();
    }
    return static_cast<Int16>(value);
}

inline Int16 add16(Int16 a, Int16 b) {
    return toInt16(long{a} + long{b});
}
inline Int16 sub16(Int16 a, Int16 b) {
    return toInt16(long{a} - long{b});
}

} // namespace veltrane
