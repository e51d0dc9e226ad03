#pragma once
// Run-time errors of the game: a number and a message, as the player sees them in
// "Run-time error 'N':". No play reaches them; they guard the 16-bit counters, the bounds of
// every list and array, the display's resolution and the program's own pictures.

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

// Every run-time error the program can report, by its number.
enum : int {
    ErrOverflow = 6,
    ErrOutOfMemory = 7,
    ErrSubscript = 9,
    ErrDivisionByZero = 11,
    ErrInternal = 51,
    ErrInvalidPicture = 481,
};

// The message that goes with each number.
inline const char* errorMessage(int number) noexcept {
    switch (number) {
    case ErrOverflow:
        return "Overflow";
    case ErrOutOfMemory:
        return "Out of memory";
    case ErrSubscript:
        return "Subscript out of range";
    case ErrDivisionByZero:
        return "Division by zero";
    case ErrInvalidPicture:
        return "Invalid picture";
    default:
        return "Internal error";
    }
}

[[noreturn]] inline void raiseError(int number) {
    throw RuntimeError(number, errorMessage(number));
}
[[noreturn]] inline void raiseOverflow() {
    raiseError(ErrOverflow);
}
[[noreturn]] inline void raiseSubscript() {
    raiseError(ErrSubscript);
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
